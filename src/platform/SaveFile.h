#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace Platform {

// Writes a whole file through a temporary that replaces the target only once
// every byte is written, so a failed write leaves an earlier file whole.
// writer returns false (setting the error text) to abandon the file. Where the
// folder cannot hold the temporary but the file is writable, it is written in place.
using DeviceWriter = std::function<bool(QIODevice& device, QString* errorString)>;
bool saveFile(const QString& path, const DeviceWriter& writer, QString* errorString = nullptr);

} // namespace Platform
