#include "Functions.h"

#include "DirectoryListing.h"

#include <algorithm>

namespace Functions {

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
    return FolderWalk::isImageName(path);
}

namespace {

WalkOutcome outcomeOf(FolderWalk::Outcome outcome)
{
    switch (outcome) {
    case FolderWalk::Outcome::Finished:
        return WalkOutcome::Finished;
    case FolderWalk::Outcome::Stopped:
        return WalkOutcome::Stopped;
    case FolderWalk::Outcome::RootUnreadable:
        break;
    }
    return WalkOutcome::RootUnreadable;
}

} // namespace

WalkOutcome CollectFiles(const QString& root, WalkState& state, const KeepGoing& keepGoing,
                         int helpers)
{
    FolderWalk walk(root, FolderWalk::Keep::AllFiles, helpers);
    const WalkOutcome outcome = outcomeOf(walk.run(keepGoing));
    state.RootFolder = root;
    state.FoundFiles = std::move(walk.kept());
    state.UnreadableFolders = std::move(walk.unreadable());
    state.PendingFolders = walk.pending();
    return outcome;
}

QString RemoveRoot(const QString& path, const QString& root)
{
    return path.startsWith(root) ? path.mid(root.size()) : path;
}

WalkOutcome FindImages(const QString& root, FoundImages& found, const KeepGoing& keepGoing,
                       int helpers)
{
    FolderWalk walk(root, FolderWalk::Keep::Images, helpers);
    const WalkOutcome outcome = outcomeOf(walk.run(keepGoing));
    if (outcome != WalkOutcome::Finished)
        return outcome;
    found.Names = std::move(walk.kept());
    found.UnreadableFolders = std::move(walk.unreadable());
    return outcome;
}

} // namespace Functions
