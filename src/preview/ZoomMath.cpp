#include "ZoomMath.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ZoomMath {

namespace {

constexpr std::array kSteps{0.1,  0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 1.0,
                            1.25, 1.5,  2.0,     3.0, 4.0,     6.0,  8.0};
// A fitted zoom that lies a rounding error off a step counts as that step.
constexpr double kSlack = 1e-9;

} // namespace

double ZoomIn(double zoom)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), zoom + kSlack);
    return next == kSteps.end() ? kMaxZoom : *next;
}

double ZoomOut(double zoom)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), zoom - kSlack);
    return next == kSteps.begin() ? std::min(zoom, kMinZoom) : *std::prev(next);
}

double FitFactor(const QSize& natural, const QSize& area)
{
    if (natural.isEmpty())
        return 1.0;
    const double across = double(std::max(1, area.width())) / natural.width();
    const double down = double(std::max(1, area.height())) / natural.height();
    return std::min({1.0, across, down});
}

QSize ScaledSize(const QSize& natural, double zoom)
{
    return QSize(std::max(1, int(std::lround(natural.width() * zoom))),
                 std::max(1, int(std::lround(natural.height() * zoom))));
}

QSize DecodeSize(const QSize& natural, double zoom)
{
    return zoom < 1.0 ? ScaledSize(natural, zoom) : natural;
}

QPointF AnchoredOffset(const QPointF& offset, const QPointF& anchor, double from, double to)
{
    return (anchor + offset) / from * to - anchor;
}

} // namespace ZoomMath
