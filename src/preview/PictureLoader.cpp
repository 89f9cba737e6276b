#include "PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureLoader {

std::optional<QImage> LoadPicture(const QString& path)
{
    // A device or pipe given a picture's name could block or never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    const QSize size = reader.size();
    // Refused from the header alone, before any pixel memory is taken.
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > kMaxDecodedBytes)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

} // namespace PictureLoader
