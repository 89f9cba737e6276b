#include "BrowseForFolder.h"

#include "Dialogs.h"
#include "DirectoryListing.h"

#include <QDir>

namespace BrowseForFolder {

namespace {
QString g_selectedFolder;
bool g_folderSelected = false;
} // namespace

const QString& SelectedFolder()
{
    return g_selectedFolder;
}
bool FolderSelected()
{
    return g_folderSelected;
}

void BrowseFolder(QWidget* parent)
{
    g_folderSelected = false;
    QString chosen = Platform::browseForFolder(parent);
    if (chosen.isEmpty() || !Platform::folderExists(chosen))
        return;
    chosen = QDir::toNativeSeparators(chosen);
    // The root itself ("/" or "C:\") keeps its separator; strip it elsewhere.
    while (chosen.size() > 1 && chosen.endsWith(Platform::pathSeparator()) &&
           !QDir(chosen).isRoot())
        chosen.chop(1);
    g_selectedFolder = chosen;
    g_folderSelected = true;
}

} // namespace BrowseForFolder
