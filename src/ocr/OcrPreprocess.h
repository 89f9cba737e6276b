#pragma once

#include <QImage>
#include <QRect>

// Turns UI art into what the engine reads best: 8-bit gray, transparency
// flattened on white, small art enlarged, frames cleared. Boxes found on the prepared image
// map back to the original's pixels.
namespace OcrPreprocess {

// Below this height text is too small for the engine's line finder.
inline constexpr int kSmallHeight = 32;
inline constexpr int kUpscale = 3;

struct Prepared {
    QImage gray; // Format_Grayscale8
    int scale = 1;
    QSize original;
    // The art's edge is dark, so its text is most likely light.
    bool darkBackground = false;
};

Prepared prepare(const QImage& image);
QImage inverted(const QImage& gray);
// Whitens each dark shape that touches the edge and spans nearly the whole
// image: the outline of a button or panel, which the engine would take for
// one huge letter and so lose the line inside it.
void clearFrame(QImage& gray);
// What one reading gets: inverted or not, with its frame cleared.
QImage forReading(const Prepared& prepared, bool invert);
// Clamped to the original image; empty when the box falls outside it.
QRect toOriginal(const QRect& box, const Prepared& prepared);

} // namespace OcrPreprocess
