#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// UI labels drawn in DejaVu Sans, with the text known.
namespace LabelArt {

struct Label {
    QImage image;
    QRect ink; // the pixels the text covers
};

// text may hold "\n" for a second line. A transparent background gives an
// image with an alpha channel.
Label render(const QString& text, int pixelSize, const QColor& ink, const QColor& background);

// A GIF of a label (Qt writes none): fully transparent pixels take palette
// index 0, which is black, so that a reader ignoring transparency sees black.
QByteArray gif(const QImage& label);

} // namespace LabelArt
