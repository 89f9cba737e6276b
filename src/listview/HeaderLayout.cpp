#include "HeaderLayout.h"

#include "Rounding.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <algorithm>

namespace HeaderLayout {

namespace {
constexpr int kHimetricPerInch = 2540;
const QString kEllipsis = QStringLiteral("...");

double half(int value)
{
    return value / 2.0;
}

// Drops the last character, never leaving half of a surrogate pair behind.
void dropLastCharacter(QString& text)
{
    text.chop(1);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
}
} // namespace

int convertHimetricAt(qint64 value, bool toPixels, int dpi)
{
    if (dpi <= 0)
        return 0;
    const double converted =
        toPixels ? double(value) * dpi / kHimetricPerInch : double(value) * kHimetricPerInch / dpi;
    return Platform::roundHalfEven(converted);
}

int displayDpi(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return qRound(horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY());
}

int ConvertHimetric(qint64 value, bool toPixels, bool horizontal)
{
    return convertHimetricAt(value, toPixels, displayDpi(horizontal));
}

QSize himetricSizeOf(const QPixmap& picture)
{
    // A picture of device pixel ratio 2 holds more pixels, not a larger picture.
    const QSizeF size = picture.deviceIndependentSize();
    return {ConvertHimetric(qRound(size.width()), false, true),
            ConvertHimetric(qRound(size.height()), false, false)};
}

int sliceWidthOf(int skinWidth)
{
    return Platform::roundHalfEven(skinWidth / double(kSlices));
}

SkinGeometry skinGeometry(const QPixmap& picture)
{
    const QSize himetric = himetricSizeOf(picture);
    SkinGeometry skin;
    skin.height = ConvertHimetric(himetric.height(), true, true);
    skin.width = ConvertHimetric(himetric.width(), true, true);
    skin.sliceWidth = sliceWidthOf(skin.width);
    return skin;
}

QString FitTextToWidth(const QFontMetrics& metrics, const QString& text, int width)
{
    return FitTextToWidth([&metrics](const QString& s) { return metrics.horizontalAdvance(s); },
                          text, width);
}

QString FitTextToWidth(const std::function<int(const QString&)>& widthOf, const QString& text,
                       int width)
{
    if (text.isEmpty())
        return text;
    const int ellipsis = widthOf(kEllipsis);
    if (widthOf(text) <= width)
        return text;
    QString cut = text;
    for (;;) {
        if (widthOf(cut) <= width - ellipsis)
            return cut + kEllipsis;
        if (cut.size() == 1 || (cut.size() == 2 && cut.front().isHighSurrogate()))
            return QString();
        dropLastCharacter(cut);
    }
}

Placement placementOf(int format, const Placement& previous)
{
    switch (format) {
    case 0:
        return {false, 0};
    case HDF_STRING | HDF_LEFT:
        return {false, 4};
    case HDF_STRING | HDF_RIGHT:
        return {false, 6};
    case HDF_STRING | HDF_CENTER:
        return {false, 5};
    case HDF_STRING | HDF_IMAGE | HDF_LEFT:
        return {true, 1};
    case HDF_STRING | HDF_IMAGE | HDF_RIGHT:
        return {true, 3};
    case HDF_STRING | HDF_IMAGE | HDF_CENTER:
        return {true, 2};
    default:
        return previous;
    }
}

ItemPositions itemPositions(int code, bool IconAlingmentRight, int left, int right, int bottom,
                            const QSize& textSize, const QSize& iconSize)
{
    using Platform::roundHalfEven;
    const int L = left;
    const int R = right;
    const int X = right - left;
    const int tw = textSize.width();
    const int iw = iconSize.width();
    const int m = kTextMargin;
    ItemPositions p;
    switch (code) {
    case 5:
        p.tx = roundHalfEven(half(X) + L - half(tw));
        break;
    case 6:
        p.tx = R - tw - m;
        break;
    case 1:
        if (IconAlingmentRight) {
            p.tx = L + m;
            p.ix = L + tw + m;
        } else {
            p.ix = L + m;
            p.tx = L + iw + 2 * m;
        }
        break;
    case 2:
        if (IconAlingmentRight) {
            p.tx = roundHalfEven(half(X) + L - half(tw) - m);
            p.ix = roundHalfEven(half(X) + L + half(tw) - m);
        } else {
            p.tx = roundHalfEven(half(X) + L - half(tw) + iw - m);
            p.ix = p.tx - iw - m;
        }
        break;
    case 3:
        if (IconAlingmentRight) {
            p.ix = R - iw - m;
            p.tx = R - tw - iw - m;
        } else {
            p.tx = R - tw - m;
            p.ix = p.tx - iw - m;
        }
        break;
    default: // 0 and 4
        p.tx = L + m;
        break;
    }
    p.ty = roundHalfEven(half(bottom) - half(textSize.height()));
    p.iy = roundHalfEven(half(bottom) - half(iconSize.height()));
    return p;
}

bool iconFits(int left, int right, int iconWidth, int ix)
{
    return iconWidth <= right - left - kIconReserve && ix >= left;
}

QFont fontOfLogicalHeight(const QFont& base, int height, int weight)
{
    // The search for a cell height measures several sizes; headers repaint on
    // every mouse move, so the answers are kept (painting runs on one thread).
    static QHash<QString, QFont> known;
    const QString key =
        base.key() + u'|' + QString::number(height) + u'|' + QString::number(weight);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    QFont font(base);
    font.setWeight(weight > 0 ? QFont::Weight(std::clamp(weight, 1, 1000)) : QFont::Normal);
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        for (int size = height; size >= 1; --size) {
            font.setPixelSize(size);
            if (QFontMetrics(font).height() <= height)
                break;
        }
    }
    if (known.size() > 64)
        known.clear();
    known.insert(key, font);
    return font;
}

QFont headerFont(int skinHeight)
{
    return fontOfLogicalHeight(QGuiApplication::font(), skinHeight - kHeaderFontShrink, 0);
}

QFont titleFont(bool HedersFontBlod)
{
    if (!HedersFontBlod)
        return fontOfLogicalHeight(QGuiApplication::font(), kTitleFontHeight, QFont::Normal);
    QFont system = QGuiApplication::font();
    system.setWeight(QFont::Bold);
    return system;
}

} // namespace HeaderLayout
