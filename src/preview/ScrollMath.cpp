#include "ScrollMath.h"

#include "Rounding.h"

#include <algorithm>

namespace ScrollMath {

namespace {
constexpr double kMinValue = -32768.0;
constexpr double kMaxValue = 32767.0;
} // namespace

int ToScrollValue(double units)
{
    return Platform::roundHalfEven(std::clamp(units, kMinValue, kMaxValue));
}

int ScrollMaximum(double pictureTwips, double viewportTwips)
{
    return ToScrollValue((pictureTwips - viewportTwips) / kTwipsPerUnit);
}

bool ScrollEnabled(double pictureTwips, double viewportTwips)
{
    return !(pictureTwips < viewportTwips);
}

double ScrollOffset(int value)
{
    return -kTwipsPerUnit * value;
}

int PageStep(double viewportTwips)
{
    return std::max(1, ToScrollValue(viewportTwips / kTwipsPerUnit));
}

} // namespace ScrollMath
