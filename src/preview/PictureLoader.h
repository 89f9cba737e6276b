#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <atomic>
#include <optional>

// Decodes an image file for the preview. Anything that is not a regular file,
// cannot be read or decoded, or would decode to more than kMaxDecodedBytes is
// a failed load. An animated image gives its first frame.
namespace PictureLoader {

inline constexpr qint64 kMaxDecodedBytes = qint64(128) * 1024 * 1024;

struct DecodeRequest {
    QString path;
    // The zoom the picture is wanted at; none to fit it to fitArea.
    std::optional<double> zoom;
    QSize fitArea;
};

struct DecodedPicture {
    // At the natural size, or smaller when the zoom shows it smaller.
    QImage image;
    QSize naturalSize;
    // The request's zoom, or the one that fits the picture.
    double zoom = 1.0;
};

// The size limit applies to the pixels actually decoded, so a picture too big
// to hold whole can still be seen zoomed out. Once `cancelled` is set the
// decode stops at its next read of the file and fails.
std::optional<DecodedPicture> LoadPicture(const DecodeRequest& request,
                                          const std::atomic_bool& cancelled);

} // namespace PictureLoader
