#pragma once

// The preview's scroll arithmetic, in twips. One scroll unit is 120 twips of
// image; scroll values are 16-bit signed.
namespace ScrollMath {

inline constexpr double kTwipsPerUnit = 120.0;

// A fraction as a 16-bit scroll value: nearest integer, halves to even,
// clamped to the 16-bit range instead of overflowing.
int ToScrollValue(double units);

// (picture - viewport) / 120: negative when the picture is the smaller one.
int ScrollMaximum(double pictureTwips, double viewportTwips);

// A bar is usable unless the picture is smaller than the viewport; equal sizes
// keep it enabled with maximum 0.
bool ScrollEnabled(double pictureTwips, double viewportTwips);

// Picture position for a scroll value: the image moves left or up as it grows.
double ScrollOffset(int value);

// One viewport's worth of units, at least 1, so a page click turns one page.
int PageStep(double viewportTwips);

} // namespace ScrollMath
