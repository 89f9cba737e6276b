#pragma once

#include <QImage>
#include <QString>

// Reads an image to recognise, saying why when it cannot: the reason goes into
// the run's summary as it stands ("could not read x.png").
namespace OcrImageFile {

// The preview's limit: an image that would need more than this to decode is
// refused from its header, before any pixel memory is taken.
inline constexpr qint64 kMaxDecodedBytes = qint64(128) * 1024 * 1024;

struct Loaded {
    QImage image;   // null when the file was skipped
    QString reason; // why, naming the file; empty when image is good
};

Loaded load(const QString& path);

} // namespace OcrImageFile
