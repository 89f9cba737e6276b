#include "OcrPreprocess.h"

#include <QPainter>
#include <array>
#include <vector>

namespace OcrPreprocess {

namespace {

QImage flattenedGray(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_Grayscale8);
    // Transparent pixels hold whatever colour the writer left in them, often
    // black: painting over white shows what a viewer shows.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat.convertToFormat(QImage::Format_Grayscale8);
}

bool hasDarkEdge(const QImage& gray)
{
    const int width = gray.width();
    const int height = gray.height();
    qint64 sum = 0;
    qint64 count = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* line = gray.constScanLine(y);
        if (y == 0 || y == height - 1) {
            for (int x = 0; x < width; ++x)
                sum += line[x];
            count += width;
        } else {
            sum += line[0] + line[width - 1];
            count += 2;
        }
    }
    return count > 0 && sum < count * 128;
}

// Otsu's threshold: the gray level that best splits the image in two.
int splittingLevel(const QImage& gray)
{
    std::array<qint64, 256> histogram{};
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* line = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            ++histogram[line[x]];
    }
    const double total = double(gray.width()) * gray.height();
    double sumAll = 0;
    for (int level = 0; level < 256; ++level)
        sumAll += double(level) * double(histogram[size_t(level)]);
    double below = 0, sumBelow = 0, best = -1;
    int split = 128;
    for (int level = 0; level < 256; ++level) {
        below += double(histogram[size_t(level)]);
        sumBelow += double(level) * double(histogram[size_t(level)]);
        const double above = total - below;
        if (below == 0 || above == 0)
            continue;
        const double meanBelow = sumBelow / below;
        const double meanAbove = (sumAll - sumBelow) / above;
        const double spread = below * above * (meanBelow - meanAbove) * (meanBelow - meanAbove);
        if (spread > best) {
            best = spread;
            split = level + 1;
        }
    }
    return split;
}

} // namespace

Prepared prepare(const QImage& image)
{
    Prepared prepared;
    prepared.original = image.size();
    if (image.isNull())
        return prepared;
    QImage gray = flattenedGray(image);
    prepared.darkBackground = hasDarkEdge(gray);
    if (gray.height() < kSmallHeight) {
        prepared.scale = kUpscale;
        gray = gray.scaled(gray.size() * kUpscale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    prepared.gray = gray;
    return prepared;
}

QImage inverted(const QImage& gray)
{
    QImage copy = gray;
    copy.invertPixels();
    return copy;
}

QRect toOriginal(const QRect& box, const Prepared& prepared)
{
    const int scale = prepared.scale > 0 ? prepared.scale : 1;
    // Outward rounding, so that the mapped box still covers every pixel.
    const QPoint topLeft(box.left() / scale, box.top() / scale);
    const QPoint bottomRight((box.right() + scale) / scale - 1, (box.bottom() + scale) / scale - 1);
    return QRect(topLeft, bottomRight).intersected(QRect(QPoint(0, 0), prepared.original));
}

void clearFrame(QImage& gray)
{
    const int width = gray.width();
    const int height = gray.height();
    if (width < 3 || height < 3)
        return;
    const int split = splittingLevel(gray);
    const auto at = [width](int x, int y) { return size_t(y) * size_t(width) + size_t(x); };
    // 0: not reached, 1: dark and joined to the edge.
    std::vector<uchar> seen(size_t(width) * size_t(height), 0);
    std::vector<QPoint> stack;
    std::vector<QPoint> shape;
    const auto isDark = [&](int x, int y) { return gray.constScanLine(y)[x] < split; };
    const auto collect = [&](int startX, int startY) {
        shape.clear();
        stack.assign(1, QPoint(startX, startY));
        seen[at(startX, startY)] = 1;
        QRect bounds;
        while (!stack.empty()) {
            const QPoint p = stack.back();
            stack.pop_back();
            shape.push_back(p);
            bounds |= QRect(p, QSize(1, 1));
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = p.x() + dx;
                    const int y = p.y() + dy;
                    if (x >= 0 && y >= 0 && x < width && y < height && !seen[at(x, y)] &&
                        isDark(x, y)) {
                        seen[at(x, y)] = 1;
                        stack.emplace_back(x, y);
                    }
                }
            }
        }
        return bounds;
    };
    std::vector<QPoint> frame;
    const auto visit = [&](int x, int y) {
        if (seen[at(x, y)] || !isDark(x, y))
            return;
        const QRect bounds = collect(x, y);
        if (bounds.width() * 10 >= width * 9 && bounds.height() * 10 >= height * 9)
            frame.insert(frame.end(), shape.begin(), shape.end());
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    // One pixel beyond the shape too, so that no soft edge is left standing.
    for (const QPoint& p : frame) {
        for (int y = std::max(0, p.y() - 1); y <= std::min(height - 1, p.y() + 1); ++y) {
            uchar* line = gray.scanLine(y);
            for (int x = std::max(0, p.x() - 1); x <= std::min(width - 1, p.x() + 1); ++x)
                line[x] = 255;
        }
    }
}

QImage forReading(const Prepared& prepared, bool invert)
{
    QImage gray = invert ? inverted(prepared.gray) : prepared.gray;
    clearFrame(gray);
    return gray;
}

} // namespace OcrPreprocess
