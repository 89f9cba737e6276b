#include "OcrPreprocess.h"

#include <QPainter>

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

} // namespace OcrPreprocess
