#pragma once

#include "FolderWalk.h"

#include <QString>
#include <QStringList>

// The folder walk behind Search Images: breadth first, the files of a folder
// before its subfolders, each folder's entries sorted by name regardless of case.
namespace Functions {

// Called now and then during a walk with the folders listed and the files
// seen so far; returning false stops it (see FolderWalk).
using KeepGoing = FolderWalk::KeepGoing;

// The state of one walk, rebuilt by every CollectFiles.
struct WalkState {
    QString RootFolder;
    QStringList FoundFiles;        // full paths in the order found
    QStringList PendingFolders;    // queue of folders still to list, each ending with a separator
    QStringList UnreadableFolders; // folders that could not be listed, in walk order
};

enum class WalkOutcome {
    Finished,
    Stopped,        // keepGoing said stop
    RootUnreadable, // the root itself could not be listed
};

// What a finished search found under one root.
struct FoundImages {
    QStringList Names;             // in walk order
    QStringList UnreadableFolders; // full paths, skipped
};

bool FolderExists(const QString& path);

// Appends a separator when the folder text lacks one.
QString WithTrailingSeparator(const QString& folder);

// True for a file whose extension after the last "." is jpg, jpeg, bmp, gif
// or png, in any case.
bool IsImageFile(const QString& path);

// Walks the tree under root (which must end with a separator). When stopped,
// state holds what was found so far. helpers as for FolderWalk.
WalkOutcome CollectFiles(const QString& root, WalkState& state, const KeepGoing& keepGoing = {},
                         int helpers = -1);

// The path with the root text removed from its start (only there).
QString RemoveRoot(const QString& path, const QString& root);

// The images under root; found is left as it was unless the walk finished.
WalkOutcome FindImages(const QString& root, FoundImages& found, const KeepGoing& keepGoing = {},
                       int helpers = -1);

} // namespace Functions
