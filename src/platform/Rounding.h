#pragma once

#include <cmath>

namespace Platform {

// Fractions become integers by rounding to nearest with halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4), as every twip and scroll computation expects.
inline int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // default FE_TONEAREST is half-even
}

} // namespace Platform
