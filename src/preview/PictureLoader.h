#pragma once

#include <QImage>
#include <QString>
#include <optional>

// Decodes an image file for the preview. Anything that is not a regular file,
// cannot be read or decoded, or would decode to more than kMaxDecodedBytes is
// a failed load. An animated image gives its first frame.
namespace PictureLoader {

inline constexpr qint64 kMaxDecodedBytes = qint64(128) * 1024 * 1024;

std::optional<QImage> LoadPicture(const QString& path);

} // namespace PictureLoader
