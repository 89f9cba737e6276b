// Header text fitting and placement. Coordinates stay within what a widget
// can have (QWIDGETSIZE_MAX), as they come from a real header.
#include "FuzzSupport.h"
#include "HeaderLayout.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <cstdlib>

namespace {

constexpr int kMaxCoordinate = (1 << 24) - 1;

// Each code unit as wide as its value modulo 7 (zero widths included): a
// width that only grows with the text, so the longest fitting prefix is known.
int widthOf(const QString& text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() % 7;
    return width;
}

// text's first n code units and, where that would end inside a surrogate
// pair, the unit after them.
QString prefixOf(const QString& text, qsizetype n)
{
    if (n < text.size() && text[n - 1].isHighSurrogate())
        ++n;
    return text.left(n);
}

void checkFit(const QString& text, int width)
{
    const QString fitted = HeaderLayout::FitTextToWidth(widthOf, text, width);
    const QString ellipsis = QStringLiteral("...");
    const int room = width - widthOf(ellipsis);
    if (text.isEmpty() || widthOf(text) <= width) {
        FUZZ_CHECK(fitted == text);
        return;
    }
    if (fitted.isEmpty()) {
        FUZZ_CHECK(widthOf(prefixOf(text, 1)) > room);
        return;
    }
    FUZZ_CHECK(fitted.endsWith(ellipsis));
    const QString kept = fitted.chopped(ellipsis.size());
    FUZZ_CHECK(!kept.isEmpty() && text.startsWith(kept));
    FUZZ_CHECK(widthOf(kept) <= room);
    FUZZ_CHECK(!(kept.back().isHighSurrogate() && text[kept.size()].isLowSurrogate()));
    FUZZ_CHECK(widthOf(prefixOf(text, kept.size() + 1)) > room);
}

void checkPlacement(Fuzz::Input& input)
{
    const int format = input.intIn(-0x10000, 0x10000);
    const HeaderLayout::Placement previous{input.byte() % 2 == 1, input.intIn(0, 6)};
    const HeaderLayout::Placement placement = HeaderLayout::placementOf(format, previous);
    FUZZ_CHECK(placement.code >= 0 && placement.code <= 6);
    FUZZ_CHECK(placement == previous ||
               placement.hasImage == (placement.code >= 1 && placement.code <= 3));

    const bool iconRight = input.byte() % 2 == 1;
    const int left = input.intIn(-kMaxCoordinate, kMaxCoordinate);
    const int right = input.intIn(-kMaxCoordinate, kMaxCoordinate);
    const int bottom = input.intIn(0, kMaxCoordinate);
    const QSize textSize(input.intIn(0, kMaxCoordinate), input.intIn(0, kMaxCoordinate));
    const QSize iconSize(input.intIn(0, kMaxCoordinate), input.intIn(0, kMaxCoordinate));
    const int code = input.intIn(0, 7);
    const HeaderLayout::ItemPositions p =
        HeaderLayout::itemPositions(code, iconRight, left, right, bottom, textSize, iconSize);
    const int m = HeaderLayout::kTextMargin;
    // Title and icon are centred on the item's height, to half a pixel.
    FUZZ_CHECK(std::abs(2 * p.ty + textSize.height() - bottom) <= 1);
    FUZZ_CHECK(std::abs(2 * p.iy + iconSize.height() - bottom) <= 1);
    if (code == 0 || code == 4 || code == 7 || (code == 1 && iconRight))
        FUZZ_CHECK(p.tx == left + m);
    if (code == 6 || (code == 3 && !iconRight))
        FUZZ_CHECK(p.tx + textSize.width() + m == right);
    if (code == 3 && iconRight)
        FUZZ_CHECK(p.ix + iconSize.width() + m == right);
    if (code == 1 && !iconRight)
        FUZZ_CHECK(p.ix == left + m);
    static_cast<void>(HeaderLayout::iconFits(left, right, iconSize.width(), p.ix));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::ensureApplication();
    Fuzz::Input input(data, size);
    checkPlacement(input);
    const int width = input.intIn(-kMaxCoordinate, kMaxCoordinate);
    const bool bold = input.byte() % 2 == 1;
    const QString text = input.utf16(256);
    checkFit(text, width);

    // With a real font only the shape of the answer is known.
    const QString fitted =
        HeaderLayout::FitTextToWidth(QFontMetrics(HeaderLayout::titleFont(bold)), text, width);
    FUZZ_CHECK(fitted == text || fitted.isEmpty() ||
               (fitted.endsWith(QLatin1String("...")) && text.startsWith(fitted.chopped(3))));
    return 0;
}
