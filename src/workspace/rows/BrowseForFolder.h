#pragma once

#include <QString>

class QWidget;

// The folder picker and what it chose last.
namespace BrowseForFolder {

// The folder chosen last, without a trailing separator.
const QString& SelectedFolder();
// True when the last BrowseFolder returned a folder.
bool FolderSelected();

// A choice without a file-system path counts as cancelled.
void BrowseFolder(QWidget* parent = nullptr);

} // namespace BrowseForFolder
