#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

// The arithmetic of the skinned header: skin size, text fitting, placement of
// a column's title and icon. Plain functions, so they are tested without a window.
namespace HeaderLayout {

// Header item format bits.
enum Format : int {
    HDF_LEFT = 0x0000,
    HDF_RIGHT = 0x0001,
    HDF_CENTER = 0x0002,
    HDF_IMAGE = 0x0800,
    HDF_STRING = 0x4000,
};

// Gaps of the skin's look, in pixels.
constexpr int kTextMargin = 9;
constexpr int kTitleReserve = 18;
constexpr int kIconReserve = 5;
constexpr int kSlices = 9;
// The header font is this much smaller than the skin is high.
constexpr int kHeaderFontShrink = 4;
// Cell height of the normal-weight title font.
constexpr int kTitleFontHeight = 14;

// HiMetric (1/100 mm) <-> pixels at dpi, halves to even; 0 when dpi is not positive.
int convertHimetricAt(qint64 value, bool toPixels, int dpi);
// The display's logical DPI; 0 when there is no screen.
int displayDpi(bool horizontal);
// HiMetric <-> pixels with the display's DPI; 0 when there is no screen.
int ConvertHimetric(qint64 value, bool toPixels, bool horizontal);

// A picture's size kept in HiMetric, as a picture object reports it (one of
// device pixel ratio 2 by its logical size).
QSize himetricSizeOf(const QPixmap& picture);

struct SkinGeometry {
    int width = 0;
    int height = 0;
    int sliceWidth = 0;
};
// width / 9, halves to even.
int sliceWidthOf(int skinWidth);
// Skin width and height in pixels from the picture's HiMetric size, both with
// the display's horizontal resolution.
SkinGeometry skinGeometry(const QPixmap& picture);

// text, or its longest prefix that fits together with "..." followed by "...",
// or "" when not even one character fits. Measured in metrics.
QString FitTextToWidth(const QFontMetrics& metrics, const QString& text, int width);
// The same with widths from widthOf, for callers that keep measurements.
QString FitTextToWidth(const std::function<int(const QString&)>& widthOf, const QString& text,
                       int width);

struct Placement {
    bool hasImage = false;
    int code = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};
// The placement code of a format; a format outside the table keeps previous.
Placement placementOf(int format, const Placement& previous);

struct ItemPositions {
    int tx = 0;
    int ty = 0;
    int ix = 0;
    int iy = 0;
    friend bool operator==(const ItemPositions&, const ItemPositions&) = default;
};
// Title (tx, ty) and icon (ix, iy) of the item left..right with the given bottom.
// ix is left at 0 for the codes without an icon.
ItemPositions itemPositions(int code, bool IconAlingmentRight, int left, int right, int bottom,
                            const QSize& textSize, const QSize& iconSize);
// Whether an item with an image draws its icon at ix.
bool iconFits(int left, int right, int iconWidth, int ix);

// A font described as a window font record: height > 0 is the cell height
// (ascent + descent) to stay within, height < 0 the character height, 0 keeps
// base's size; weight 0 keeps the normal weight.
QFont fontOfLogicalHeight(const QFont& base, int height, int weight);
// The header's own font for a skin of skinHeight pixels.
QFont headerFont(int skinHeight);
// The titles' font: 14-pixel normal weight, or the system font in bold.
QFont titleFont(bool HedersFontBlod);

} // namespace HeaderLayout
