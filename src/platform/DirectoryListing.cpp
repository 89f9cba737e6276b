#include "DirectoryListing.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <memory>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <sys/stat.h>
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
#endif

} // namespace

bool listDirectory(const QString& folder, std::vector<DirectoryEntry>& entries)
{
    entries.clear();
#if defined(Q_OS_UNIX)
    QByteArray path = QFile::encodeName(folder);
    if (path.isEmpty())
        return false;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(path.constData()));
    if (!dir)
        return false;
    if (!path.endsWith('/'))
        path.append('/');
    const qsizetype prefixLength = path.size();
    while (const dirent* entry = ::readdir(dir.get())) {
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        DirectoryEntry item;
        item.name = QFile::decodeName(name);
        // A name that is no text in the file name encoding would come back as
        // another path: skipped as unreadable.
        if (item.name.contains(QChar::ReplacementCharacter) &&
            QFile::encodeName(item.name) != QByteArrayView(name))
            continue;
        item.hidden = name[0] == '.';
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            path.truncate(prefixLength);
            path.append(name);
            struct stat info;
            if (::lstat(path.constData(), &info) != 0)
                continue; // vanished meanwhile
            if (S_ISLNK(info.st_mode)) {
                item.symbolicLink = true;
                item.kind = ::stat(path.constData(), &info) == 0 ? kindOfMode(info.st_mode)
                                                                 : DirectoryEntry::Kind::Other;
            } else {
                item.kind = kindOfMode(info.st_mode);
            }
        } else if (type == DT_REG) {
            item.kind = DirectoryEntry::Kind::File;
        } else if (type == DT_DIR) {
            item.kind = DirectoryEntry::Kind::Folder;
        }
        entries.push_back(std::move(item));
    }
    return true;
#else
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        DirectoryEntry item;
        item.name = info.fileName();
        item.hidden = info.isHidden();
        item.symbolicLink = info.isSymLink();
        item.kind = info.isDir()    ? DirectoryEntry::Kind::Folder
                    : info.isFile() ? DirectoryEntry::Kind::File
                                    : DirectoryEntry::Kind::Other;
        entries.push_back(std::move(item));
    }
    return true;
#endif
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
