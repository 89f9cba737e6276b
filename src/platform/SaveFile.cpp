#include "SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Platform {

namespace {

bool failed(QString* errorString, const QString& error)
{
    if (errorString && errorString->isEmpty())
        *errorString = error;
    return false;
}

// Runs the writer and writes the buffered tail: a device error anywhere,
// the tail's too, is a failure.
bool writeAll(QFileDevice& file, const DeviceWriter& writer, QString* errorString)
{
    if (!writer(file, errorString) || !file.flush() || file.error() != QFileDevice::NoError)
        return failed(errorString, file.errorString());
    return true;
}

// Where the folder takes no temporary but the file itself is writable, as
// the first program did: a failure part-way cannot keep the earlier file.
bool saveInPlace(const QString& path, const DeviceWriter& writer, QString* errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failed(errorString, file.errorString());
    return writeAll(file, writer, errorString);
}

} // namespace

bool saveFile(const QString& path, const DeviceWriter& writer, QString* errorString)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // Only an unwritable folder: a full disk must never cost the earlier file.
        const QFileInfo target(path);
        if (target.isFile() && target.isWritable() && !QFileInfo(target.path()).isWritable())
            return saveInPlace(path, writer, errorString);
        return failed(errorString, file.errorString());
    }
    if (!writeAll(file, writer, errorString)) {
        // commit() would rename a cut-off temporary into place; this removes it.
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return failed(errorString, file.errorString());
    return true;
}

} // namespace Platform
