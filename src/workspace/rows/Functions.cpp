#include "Functions.h"

#include "DirectoryListing.h"

#include <algorithm>

namespace Functions {

namespace {

bool lessByName(const Platform::DirectoryEntry& a, const Platform::DirectoryEntry& b)
{
    const int order = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.name < b.name; // stable across file systems
}

} // namespace

bool FolderExists(const QString& path)
{
    return Platform::folderExists(path);
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(Platform::pathSeparator()) ||
        folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + Platform::pathSeparator();
}

bool IsImageFile(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = QStringView(path).mid(dot + 1);
    for (const char* known : {"jpg", "jpeg", "bmp", "gif", "png"}) {
        if (extension.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool ListFolder(const QString& folder, WalkState& state)
{
    thread_local std::vector<Platform::DirectoryEntry> entries;
    if (!Platform::listDirectory(folder, entries))
        return false;
    std::sort(entries.begin(), entries.end(), lessByName);
    // Files first, then folders, as two passes over the folder.
    for (const Platform::DirectoryEntry& entry : entries) {
        if (!entry.hidden && entry.kind == Platform::DirectoryEntry::Kind::File)
            state.FoundFiles.append(folder + entry.name);
    }
    for (const Platform::DirectoryEntry& entry : entries) {
        if (!entry.hidden && !entry.symbolicLink &&
            entry.kind == Platform::DirectoryEntry::Kind::Folder)
            state.PendingFolders.append(folder + entry.name + Platform::pathSeparator());
    }
    return true;
}

WalkOutcome CollectFiles(const QString& root, WalkState& state, const KeepGoing& keepGoing)
{
    state.RootFolder = root;
    state.FoundFiles.clear();
    state.UnreadableFolders.clear();
    state.PendingFolders = QStringList{root};
    // A list used as a queue: walk with a head index rather than shifting.
    qsizetype head = 0;
    qsizetype listed = 0; // head restarts when the queue is trimmed
    while (head < state.PendingFolders.size()) {
        if (keepGoing && !keepGoing(listed, state.FoundFiles.size()))
            return WalkOutcome::Stopped;
        // A copy: listing appends to the queue, which may move its elements.
        const QString folder = state.PendingFolders.at(head);
        if (!ListFolder(folder, state)) {
            if (listed == 0) {
                state.PendingFolders.clear();
                return WalkOutcome::RootUnreadable;
            }
            state.UnreadableFolders.append(folder);
        }
        ++head;
        ++listed;
        if (head > 4096 && head * 2 > state.PendingFolders.size()) {
            state.PendingFolders.remove(0, head);
            head = 0;
        }
    }
    state.PendingFolders.clear();
    return WalkOutcome::Finished;
}

QString RemoveRoot(const QString& path, const QString& root)
{
    return path.startsWith(root) ? path.mid(root.size()) : path;
}

WalkOutcome FindImages(const QString& root, FoundImages& found, const KeepGoing& keepGoing)
{
    WalkState state;
    const WalkOutcome outcome = CollectFiles(root, state, keepGoing);
    if (outcome != WalkOutcome::Finished)
        return outcome;
    found.Names.clear();
    for (const QString& file : std::as_const(state.FoundFiles)) {
        if (IsImageFile(file))
            found.Names.append(RemoveRoot(file, root));
    }
    found.UnreadableFolders = std::move(state.UnreadableFolders);
    return outcome;
}

} // namespace Functions
