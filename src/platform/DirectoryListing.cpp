#include "DirectoryListing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <memory>

#if defined(Q_OS_UNIX)
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Platform {

namespace {

#if defined(Q_OS_UNIX)
DirectoryEntry::Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return DirectoryEntry::Kind::File;
    if (S_ISDIR(mode))
        return DirectoryEntry::Kind::Folder;
    return DirectoryEntry::Kind::Other;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// A path longer than the system takes in one call is opened piece by piece,
// each piece relative to the folder opened before it, so that depth is not
// limited by the path length. At most two descriptors are open at a time, so
// a wide tree cannot run out of them.
int openFolder(const QByteArray& path)
{
#if defined(PATH_MAX)
    constexpr qsizetype kLongest = PATH_MAX - 1;
#else
    constexpr qsizetype kLongest = 1023;
#endif
    if (path.size() <= kLongest)
        return ::open(path.constData(), kOpenFolder);
    int at = AT_FDCWD;
    qsizetype start = 0;
    while (start < path.size()) {
        qsizetype end = path.size();
        if (end - start > kLongest) {
            end = path.lastIndexOf('/', start + kLongest);
            if (end < start) {
                if (at != AT_FDCWD)
                    ::close(at);
                return -1; // one name longer than any path: nothing can open it
            }
            if (end == start) // an absolute path's leading "/"
                end = start + 1;
        }
        const QByteArray piece = path.mid(start, end - start);
        const int next = ::openat(at, piece.constData(), kOpenFolder);
        if (at != AT_FDCWD)
            ::close(at);
        if (next < 0)
            return -1;
        at = next;
        start = end;
        while (start < path.size() && path.at(start) == '/')
            ++start;
    }
    return at;
}
#endif

} // namespace

bool forEachDirectoryEntry(const QByteArray& folder,
                           const std::function<void(const RawDirectoryEntry&)>& handle)
{
#if defined(Q_OS_UNIX)
    if (folder.isEmpty())
        return false;
    const int fd = openFolder(folder);
    if (fd < 0)
        return false;
    std::unique_ptr<DIR, DirCloser> dir(::fdopendir(fd));
    if (!dir) {
        ::close(fd);
        return false;
    }
    const int at = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        RawDirectoryEntry item;
        item.name = QByteArrayView(name, qstrlen(name));
        item.hidden = name[0] == '.';
        const unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat info;
            if (::fstatat(at, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished meanwhile
            if (S_ISLNK(info.st_mode)) {
                item.symbolicLink = true;
                item.kind = ::fstatat(at, name, &info, 0) == 0 ? kindOfMode(info.st_mode)
                                                               : DirectoryEntry::Kind::Other;
            } else {
                item.kind = kindOfMode(info.st_mode);
            }
        } else if (type == DT_REG) {
            item.kind = DirectoryEntry::Kind::File;
        } else if (type == DT_DIR) {
            item.kind = DirectoryEntry::Kind::Folder;
        }
        handle(item);
    }
    return true;
#else
    const QString path = QFile::decodeName(folder);
    const QDir dir(path);
    if (!dir.exists() || !dir.isReadable())
        return false;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QByteArray name = QFile::encodeName(info.fileName());
        RawDirectoryEntry item;
        item.name = name;
        item.hidden = info.isHidden();
        item.symbolicLink = info.isSymLink();
        item.kind = info.isDir()    ? DirectoryEntry::Kind::Folder
                    : info.isFile() ? DirectoryEntry::Kind::File
                                    : DirectoryEntry::Kind::Other;
        handle(item);
    }
    return true;
#endif
}

bool listDirectory(const QString& folder, std::vector<DirectoryEntry>& entries)
{
    entries.clear();
    return forEachDirectoryEntry(QFile::encodeName(folder), [&](const RawDirectoryEntry& raw) {
        DirectoryEntry item;
        item.name = QFile::decodeName(raw.name.toByteArray());
        // A name that is no text in the file name encoding would come back as
        // another path: skipped as unreadable.
        if (item.name.contains(QChar::ReplacementCharacter) &&
            QFile::encodeName(item.name) != raw.name)
            return;
        item.hidden = raw.hidden;
        item.symbolicLink = raw.symbolicLink;
        item.kind = raw.kind;
        entries.push_back(std::move(item));
    });
}

bool folderExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isDir();
}

QChar pathSeparator()
{
    return QDir::separator();
}

} // namespace Platform
