#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The folder walk behind Search Images: breadth first, the files of a folder
// before its subfolders, each folder's entries sorted by name regardless of case.
namespace Functions {

// Called now and then during a walk; returning false stops it.
using KeepGoing = std::function<bool()>;

// The state of one walk, rebuilt by every CollectFiles.
struct WalkState {
    QString RootFolder;
    QStringList FoundFiles;     // full paths in the order found
    QStringList PendingFolders; // queue of folders still to list, each ending with a separator
};

bool FolderExists(const QString& path);

// Appends a separator when the folder text lacks one.
QString WithTrailingSeparator(const QString& folder);

// True for a file whose extension after the last "." is jpg, jpeg, bmp, gif
// or png, in any case.
bool IsImageFile(const QString& path);

// Walks the tree under root (which must end with a separator). False when
// keepGoing stopped it; state then holds what was found so far.
bool CollectFiles(const QString& root, WalkState& state, const KeepGoing& keepGoing = {});

// Appends the folder's plain files to FoundFiles and its subfolders to
// PendingFolders. Hidden entries, unreadable folders and folders reached
// through a symbolic link are left out.
void ListFolder(const QString& folder, WalkState& state);

// The path with the root text removed from its start (only there).
QString RemoveRoot(const QString& path, const QString& root);

// The Names of the images under root, in walk order; false when stopped.
bool FindImages(const QString& root, QStringList& names, const KeepGoing& keepGoing = {});

} // namespace Functions
