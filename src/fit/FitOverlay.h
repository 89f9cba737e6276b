#pragma once

#include "FitResult.h"
#include "SourceLine.h"

class QImage;
class QPainter;

namespace Fit {

// Paints the target over the image as it would stand in it: each source box
// (and a pixel round it) filled with the colour around it, each line in the
// measured font and the box's text colour, and a red 2 px outline (cosmetic,
// so as wide at any zoom) round the part of a line that overruns its box.
// Works in image pixels: the caller sets the painter's transform for its zoom
// and draws the image itself first. Only reads the image; paints nothing for
// a result without lines. The painter's state is left as it was.
void paintOverlay(QPainter& painter, const QImage& image, const FitResult& fit);

// Measures, then paints.
void paintOverlay(QPainter& painter, const QImage& image, const SourceLines& source,
                  const QString& target, const QString& fontFamily = kDefaultFontFamily);

} // namespace Fit
