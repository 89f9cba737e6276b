#include "BoxColours.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <vector>

namespace Fit {

namespace {

constexpr int kRing = 3;
// Enough points for a colour; a large box is read on a grid.
constexpr int kMaxSamples = 16384;
// Squared RGB distance below which text would not stand out from its background.
constexpr int kMinContrast = 80 * 80;

int channelMedian(std::vector<int>& values)
{
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

QColor medianColour(const std::vector<QRgb>& pixels)
{
    std::vector<int> red, green, blue;
    for (const QRgb pixel : pixels) {
        red.push_back(qRed(pixel));
        green.push_back(qGreen(pixel));
        blue.push_back(qBlue(pixel));
    }
    return QColor(channelMedian(red), channelMedian(green), channelMedian(blue));
}

// Pixels of outer that are not in inner, both already inside the image.
std::vector<QRgb> ringPixels(const QImage& image, const QRect& outer, const QRect& inner)
{
    std::vector<QRgb> pixels;
    const auto addRun = [&](int y, int from, int to) {
        for (int x = from; x <= to; ++x)
            pixels.push_back(image.pixel(x, y));
    };
    for (int y = outer.top(); y <= outer.bottom(); ++y) {
        if (inner.isEmpty() || y < inner.top() || y > inner.bottom()) {
            addRun(y, outer.left(), outer.right());
        } else {
            addRun(y, outer.left(), inner.left() - 1);
            addRun(y, inner.right() + 1, outer.right());
        }
    }
    return pixels;
}

int distance(QRgb a, const QColor& b)
{
    const int red = qRed(a) - b.red();
    const int green = qGreen(a) - b.green();
    const int blue = qBlue(a) - b.blue();
    return red * red + green * green + blue * blue;
}

QColor contrasting(const QColor& background)
{
    return qGray(background.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor textColour(const QImage& image, const QRect& inside, const QColor& background)
{
    const qint64 area = qint64(inside.width()) * inside.height();
    int step = 1;
    while (area / (qint64(step) * step) > kMaxSamples)
        ++step;
    std::vector<int> distances;
    std::vector<QRgb> pixels;
    for (int y = inside.top(); y <= inside.bottom(); y += step) {
        for (int x = inside.left(); x <= inside.right(); x += step)
            pixels.push_back(image.pixel(x, y));
    }
    if (pixels.empty())
        return contrasting(background);
    std::sort(pixels.begin(), pixels.end(),
              [&](QRgb a, QRgb b) { return distance(a, background) < distance(b, background); });
    const QRgb chosen = pixels[(pixels.size() - 1) * 95 / 100];
    if (distance(chosen, background) < kMinContrast)
        return contrasting(background);
    return QColor(qRed(chosen), qGreen(chosen), qBlue(chosen));
}

} // namespace

BoxColours sampleBoxColours(const QImage& image, const QRect& box)
{
    const QRect inside = box & image.rect();
    if (inside.isEmpty())
        return {QColor(Qt::white), QColor(Qt::black)};
    const QRect outer = box.adjusted(-kRing, -kRing, kRing, kRing) & image.rect();
    std::vector<QRgb> ring = ringPixels(image, outer, inside);
    if (ring.empty())
        ring = ringPixels(image, inside, inside.adjusted(kRing, kRing, -kRing, -kRing));
    const QColor background = medianColour(ring);
    return {background, textColour(image, inside, background)};
}

} // namespace Fit
