#include "LabelArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace LabelArt {

Label render(const QString& text, int pixelSize, const QColor& ink, const QColor& background)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int margin = pixelSize / 2;
    QImage image(width + 2 * margin, int(lines.size()) * metrics.lineSpacing() + 2 * margin,
                 QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink);
    for (qsizetype i = 0; i < lines.size(); ++i)
        painter.drawText(margin, margin + int(i) * metrics.lineSpacing() + metrics.ascent(),
                         lines.at(i));
    painter.end();

    QRect inkBox;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background.rgba())
                inkBox |= QRect(x, y, 1, 1);
        }
    }
    if (background.alpha() == 255)
        image = image.convertToFormat(QImage::Format_RGB32);
    return {image, inkBox};
}

namespace {

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
}

// 9-bit LZW codes, a clear code before the table would need a 10th bit, so
// every pixel is sent as its own literal.
QByteArray lzw(const QList<uchar>& pixels)
{
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kLiteralsPerClear = 254;
    QByteArray bytes;
    quint32 buffer = 0;
    int bits = 0;
    const auto code = [&](int value) {
        buffer |= quint32(value) << bits;
        for (bits += 9; bits >= 8; bits -= 8) {
            bytes.append(char(buffer & 0xff));
            buffer >>= 8;
        }
    };
    for (qsizetype i = 0; i < pixels.size(); ++i) {
        if (i % kLiteralsPerClear == 0)
            code(kClear);
        code(pixels.at(i));
    }
    code(kEnd);
    if (bits > 0)
        bytes.append(char(buffer & 0xff));
    return bytes;
}

} // namespace

QByteArray gif(const QImage& label)
{
    const QImage image = label.convertToFormat(QImage::Format_ARGB32);
    QByteArray out("GIF89a");
    for (const int value : {image.width(), image.height()})
        put16(out, value);
    out.append(char(0xf7)).append(char(0)).append(char(0)); // 256-entry global table
    out.append(3, char(0));                                 // 0: transparent, black
    for (int i = 1; i < 256; ++i)
        out.append(3, char((i - 1) * 255 / 254));
    out.append("\x21\xf9\x04\x01\x00\x00\x00\x00", 8); // index 0 is transparent
    out.append(char(0x2c));                            // the image at (0, 0), full size
    for (const int value : {0, 0, image.width(), image.height()})
        put16(out, value);
    out.append(char(0)).append(char(8));
    QList<uchar> pixels;
    pixels.reserve(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int alpha = qAlpha(pixel);
            // Edges blended onto a white matte, as painting programs export.
            const int gray = 255 - alpha * (255 - qGray(pixel)) / 255;
            pixels.append(alpha < 32 ? 0 : uchar(1 + gray * 254 / 255));
        }
    }
    const QByteArray data = lzw(pixels);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size())).append(block);
    }
    out.append(char(0)).append(char(0x3b));
    return out;
}

} // namespace LabelArt
