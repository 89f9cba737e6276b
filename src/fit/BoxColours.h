#pragma once

#include <QColor>

class QImage;
class QRect;

namespace Fit {

// The colours a box of an image shows: what lies around it and what its text is in.
struct BoxColours {
    QColor background;
    QColor text;
};

// background: the per-channel median of a 3 px ring just outside the box,
// clipped to the image (the box's own edge where no ring is left, white where
// the box misses the image). text: the colour inside the box that differs
// most from the background, ignoring the farthest 5% as noise; black or white,
// whichever stands out, where the box holds nothing distinct. Only reads the image.
BoxColours sampleBoxColours(const QImage& image, const QRect& box);

} // namespace Fit
