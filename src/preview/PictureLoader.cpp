#include "PictureLoader.h"

#include "ZoomMath.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace PictureLoader {

namespace {

// A file whose reads fail once the decode is no longer wanted, which ends a
// long decode early instead of letting it run to the last row.
class CancellableFile : public QFile {
public:
    CancellableFile(const QString& path, const std::atomic_bool& cancelled)
        : QFile(path), m_cancelled(cancelled)
    {}

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        return m_cancelled ? -1 : QFile::readData(data, maxSize);
    }

private:
    const std::atomic_bool& m_cancelled;
};

bool tooBig(const QSize& size)
{
    return qint64(size.width()) * size.height() * 4 > kMaxDecodedBytes;
}

} // namespace

std::optional<DecodedPicture> LoadPicture(const DecodeRequest& request,
                                          const std::atomic_bool& cancelled)
{
    // A device or pipe given a picture's name could block or never end.
    if (cancelled || !QFileInfo(request.path).isFile())
        return std::nullopt;
    CancellableFile file(request.path, cancelled);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&file);
    const QSize natural = reader.size();
    DecodedPicture picture;
    picture.zoom = request.zoom ? *request.zoom : ZoomMath::FitFactor(natural, request.fitArea);
    if (natural.isValid()) {
        // Refused from the header alone, before any pixel memory is taken.
        const QSize decode = ZoomMath::DecodeSize(natural, picture.zoom);
        if (tooBig(decode))
            return std::nullopt;
        if (decode != natural)
            reader.setScaledSize(decode);
    }
    if (!reader.read(&picture.image) || picture.image.isNull() || cancelled)
        return std::nullopt;
    picture.naturalSize = natural.isValid() ? natural : picture.image.size();
    if (!natural.isValid() && !request.zoom)
        picture.zoom = ZoomMath::FitFactor(picture.naturalSize, request.fitArea);
    return picture;
}

} // namespace PictureLoader
