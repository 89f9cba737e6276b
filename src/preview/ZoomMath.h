#pragma once

#include <QPointF>
#include <QSize>

// The preview's zoom arithmetic, in pixels. A zoom is a factor: 1 shows an
// image at its natural size.
namespace ZoomMath {

inline constexpr double kMinZoom = 0.1;
inline constexpr double kMaxZoom = 8.0;

// The next step above, or kMaxZoom where there is none.
double ZoomIn(double zoom);
// The next step below; a zoom already at or under kMinZoom stays.
double ZoomOut(double zoom);

// The largest zoom, at most 1, at which the whole image fits the area. It may
// fall under kMinZoom: a fitted image is always whole.
double FitFactor(const QSize& natural, const QSize& area);

// The image's size at a zoom, rounded, never under one pixel each way.
QSize ScaledSize(const QSize& natural, double zoom);
// The size worth decoding for a zoom: the shown size when zoomed out, the
// natural size otherwise (enlarging is left to painting).
QSize DecodeSize(const QSize& natural, double zoom);

// How far the image must be shifted (left and up, in pixels) after a zoom so
// that the image point under `anchor` stays under it; `offset` is the shift
// before.
QPointF AnchoredOffset(const QPointF& offset, const QPointF& anchor, double from, double to);

} // namespace ZoomMath
