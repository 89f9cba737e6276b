#include "SaveFile.h"

#include <QSaveFile>

namespace Platform {

bool saveFile(const QString& path, const DeviceWriter& writer, QString* errorString)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    if (!writer(file, errorString)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

} // namespace Platform
