#include "HeaderPainter.h"

#include "HeaderLayout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStaticText>

namespace {
// Slices of the skin, left to right.
enum Slice : int {
    NormalLeft = 0,
    NormalRight = 2,
    HotLeft = 3,
    HotMiddle = 4,
    HotRight = 5,
    PressedLeft = 6,
    PressedMiddle = 7,
    PressedRight = 8,
};

// The image drawn transparently, for the pressed look blended 25 % with the
// highlight colour.
void drawIcon(QPainter& painter, const QPixmap& image, const QSize& size, const QPoint& at,
              bool blend)
{
    if (image.isNull())
        return;
    QPixmap icon = image.size() == size
                       ? image
                       : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (blend) {
        QPainter tint(&icon);
        tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        tint.setOpacity(0.25);
        tint.fillRect(icon.rect(), QGuiApplication::palette().color(QPalette::Highlight));
    }
    painter.drawPixmap(at, icon);
}
} // namespace

HeaderPainter::HeaderPainter(const QPixmap& skin, int sliceWidth, int skinHeight)
    : m_skin(skin), m_sliceWidth(sliceWidth), m_skinHeight(skinHeight)
{}

const HeaderPainter::Slices& HeaderPainter::slicesFor(qreal ratio) const
{
    if (m_slices.ratio == ratio)
        return m_slices;
    m_slices = {};
    m_slices.ratio = ratio;
    const QImage skin = m_skin.toImage();
    // One slice in the skin's own pixels, and the size it takes on the device.
    const int across = qRound(skin.width() / double(HeaderLayout::kSlices));
    const QSize device(qRound(m_sliceWidth * ratio), qRound(m_skinHeight * ratio));
    const auto cut = [&](int left) {
        QImage piece = skin.copy(left, 0, across, skin.height());
        if (piece.size() != device) {
            piece = piece.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            m_slices.rescaled = true;
        }
        QPixmap pixmap = QPixmap::fromImage(piece);
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    };
    for (int slice = 0; slice < HeaderLayout::kSlices; ++slice)
        m_slices.slices.append(cut(slice * across));
    // One of the skin's pixels into slice 0.
    m_slices.background = cut(qRound(m_skin.devicePixelRatio()));
    return m_slices;
}

void HeaderPainter::drawSlice(QPainter& painter, int slice, int x, int width, int height) const
{
    if (width <= 0 || height <= 0 || m_sliceWidth <= 0 || m_skinHeight <= 0 || m_skin.isNull())
        return;
    const Slices& slices = slicesFor(painter.device()->devicePixelRatioF());
    painter.drawPixmap(QRect(x, 0, width, height), slices.slices.at(slice));
}

void HeaderPainter::PaintHeader(QPainter& target, const QSize& size,
                                const HeaderPaintState& state) const
{
    if (size.isEmpty())
        return;
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    QPixmap work(size * ratio);
    work.setDevicePixelRatio(ratio);
    {
        QPainter painter(&work);
        // Under a skin with transparent parts, or without a skin yet.
        painter.fillRect(QRect(QPoint(0, 0), size),
                         QGuiApplication::palette().color(QPalette::Button));
        if (!m_skin.isNull() && m_sliceWidth > 0 && m_skinHeight > 0) {
            const Slices& slices = slicesFor(ratio);
            // Slices already at the device's size are stretched along the
            // header only, over columns of one colour: smoothing buys nothing.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, slices.rescaled);
            // One pixel into slice 0, not slice 1: the skin's own choice of background.
            painter.drawPixmap(QRect(QPoint(0, 0), size), slices.background);
        }
        painter.setFont(HeaderLayout::titleFont(state.HedersFontBlod));
        const QFontMetrics measure(state.measureFont);

        HeaderLayout::Placement placement;
        for (int i = 0; i < state.columns.size(); ++i) {
            const HeaderColumn& column = state.columns.at(i);
            placement = HeaderLayout::placementOf(column.format, placement);
            Look look = Look::Normal;
            if (i == state.hotColumn && !state.drag)
                look = state.pressed ? Look::Pressed : Look::Hot;
            paintColumn(painter, measure, column, look, placement.code, placement.hasImage, state);
        }
    }
    target.drawPixmap(QRect(QPoint(0, 0), size), work);
}

void HeaderPainter::paintColumn(QPainter& painter, const QFontMetrics& measure,
                                const HeaderColumn& column, Look look, int code, bool hasImage,
                                const HeaderPaintState& state) const
{
    const int L = column.left;
    const int R = column.right;
    const int B = column.bottom;
    const int X = R - L;
    const QSize iconSize = state.imageList.isEmpty() ? QSize(0, 0) : state.imageList.iconSize;

    const int available = X - HeaderLayout::kTitleReserve - (hasImage ? iconSize.width() : 0);
    const QString title = HeaderLayout::FitTextToWidth(
        [&](const QString& text) { return textWidth(state.measureFont, measure, text); },
        column.title, available);
    const QFontMetrics drawn = painter.fontMetrics();
    const QSize textSize(textWidth(painter.font(), drawn, title), drawn.height());
    const HeaderLayout::ItemPositions at =
        HeaderLayout::itemPositions(code, state.IconAlingmentRight, L, R, B, textSize, iconSize);

    const bool hasIcon = hasImage && column.imageIndex >= 0 &&
                         column.imageIndex < state.imageList.images.size() &&
                         HeaderLayout::iconFits(L, R, iconSize.width(), at.ix);
    const int sw = m_sliceWidth;
    const int offset = look == Look::Pressed ? 1 : 0;

    if (look == Look::Hot)
        drawSlice(painter, HotMiddle, L + sw, X - 2 * sw, B);
    else if (look == Look::Pressed)
        drawSlice(painter, PressedMiddle, L + sw, X - 2 * sw, B);

    if (hasIcon)
        drawIcon(painter, state.imageList.images.at(column.imageIndex), iconSize,
                 QPoint(at.ix + offset, at.iy + offset), look == Look::Pressed);
    if (!title.isEmpty()) {
        painter.setPen(look == Look::Normal ? state.TextNormalColor : state.TextResalteColor);
        painter.drawStaticText(QPoint(at.tx + offset, at.ty + offset),
                               staticText(painter.font(), title));
    }

    // The edges go last so that they cover a title running into them.
    switch (look) {
    case Look::Normal:
        drawSlice(painter, NormalLeft, L, sw, B);
        drawSlice(painter, NormalRight, R - sw, sw, B);
        break;
    case Look::Hot:
        drawSlice(painter, HotLeft, L, sw, B);
        drawSlice(painter, HotRight, R - sw, sw, B);
        break;
    case Look::Pressed:
        drawSlice(painter, PressedLeft, L, sw, B);
        drawSlice(painter, PressedRight, R - sw, sw, B);
        break;
    }
}

int HeaderPainter::textWidth(const QFont& font, const QFontMetrics& metrics,
                             const QString& text) const
{
    constexpr qsizetype kKeep = 512;
    const QString key = font.key() + u'\n' + text;
    if (const auto found = m_widths.constFind(key); found != m_widths.constEnd())
        return *found;
    const int width = metrics.horizontalAdvance(text);
    if (m_widths.size() >= kKeep)
        m_widths.clear();
    m_widths.insert(key, width);
    return width;
}

const QStaticText& HeaderPainter::staticText(const QFont& font, const QString& text) const
{
    constexpr qsizetype kKeep = 128;
    const QString key = font.key() + u'\n' + text;
    if (const auto found = m_texts.constFind(key); found != m_texts.constEnd())
        return *found;
    if (m_texts.size() >= kKeep)
        m_texts.clear();
    QStaticText prepared(text);
    prepared.setTextFormat(Qt::PlainText);
    prepared.setPerformanceHint(QStaticText::AggressiveCaching);
    return *m_texts.insert(key, prepared);
}

QImage HeaderPainter::render(const QSize& size, const HeaderPaintState& state) const
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintHeader(painter, size, state);
    return image;
}
