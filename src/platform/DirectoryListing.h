#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <vector>

namespace Platform {

struct DirectoryEntry {
    enum class Kind { File, Folder, Other };
    QString name;
    Kind kind = Kind::Other;
    bool hidden = false;       // hidden (or, where the platform has one, system) entry
    bool symbolicLink = false; // Kind says what the link points at
};

// The entries of one folder, without "." and "..", in the order the file
// system returns them. Reads each entry's type from the directory itself where
// it can, so that listing a large folder costs no stat per file. Returns false
// when the folder cannot be read; entries that vanish meanwhile, and names
// that are no text in the file name encoding, are left out. A folder deeper
// than the system's path length limit can still be listed where the platform
// can open folders relative to one another (Unix).
bool listDirectory(const QString& folder, std::vector<DirectoryEntry>& entries);

// One entry as the folder holds it: its name in the file name encoding, valid
// only while the handler that receives it runs.
struct RawDirectoryEntry {
    QByteArrayView name;
    DirectoryEntry::Kind kind = DirectoryEntry::Kind::Other;
    bool hidden = false;
    bool symbolicLink = false; // kind says what the link points at
};

// The entries of one folder (its path in the file name encoding), without "."
// and "..", hidden ones and names that are no text included, in the order the
// file system returns them: for walks that decode only the names they keep.
// False when the folder cannot be read.
bool forEachDirectoryEntry(const QByteArray& folder,
                           const std::function<void(const RawDirectoryEntry&)>& handle);

// True when the path names an existing folder (a link to one included).
bool folderExists(const QString& path);

// The platform's path separator as the user sees it.
QChar pathSeparator();

} // namespace Platform
