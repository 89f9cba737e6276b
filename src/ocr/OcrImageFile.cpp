#include "OcrImageFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace OcrImageFile {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OcrImageFile", text);
}

Loaded skipped(const char* text, const QString& path)
{
    return {QImage(), tr(text).arg(QFileInfo(path).fileName())};
}

} // namespace

Loaded load(const QString& path)
{
    const QFileInfo info(path);
    // A device or pipe given an image's name could block or never end.
    if (!info.isFile())
        return skipped("could not read %1", path);
    if (info.size() == 0)
        return skipped("%1 is empty", path);
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > kMaxDecodedBytes)
        return skipped("%1 is too large", path);
    QImage image;
    if (!reader.read(&image))
        return skipped("could not read %1", path);
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        return skipped("%1 is empty", path);
    return {image, {}};
}

} // namespace OcrImageFile
