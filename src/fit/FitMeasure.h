#pragma once

#include "FitResult.h"
#include "SourceLine.h"

namespace Fit {

// Will target fit where the source lines stand? The font's cap height is set
// to the median source box height; the target is broken into as many lines as
// the source has (see breakLines), each shaped and set on its box's baseline
// (the bottom edge) from the box's start edge, the left one or, for
// right-to-left text, the right one. Boxes with no area are skipped;
// source lines are taken in the order given, as the reading order.
// Plain code: safe on any thread.
FitResult measureFit(const SourceLines& source, const QString& target,
                     const QString& fontFamily = kDefaultFontFamily);

// The pixel size whose cap height comes nearest to capHeight in the family.
int pixelSizeForCapHeight(const QString& fontFamily, qreal capHeight);

} // namespace Fit
