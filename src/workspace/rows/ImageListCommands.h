#pragma once

#include "SearchProgress.h"

#include <QString>
#include <QStringList>
#include <optional>

class CommonDialog;
class ImageListModel;
class QWidget;

// The commands that fill and store the image list. Each keeps ImageCount equal
// to the list's row count and reports failures to the user itself.
namespace ImageListCommands {

enum class SearchOutcome {
    NoFolder,   // the root text names no folder: the user was told, nothing changed
    Unreadable, // the root folder cannot be read: the user was told, nothing changed
    Cancelled,  // stopped from the progress dialog: nothing changed
    Done,       // the list holds the images found; skipped folders were reported
};

// What the user is told about folders a search had to skip.
QString SkippedFoldersText(const QStringList& folders);

// rootFolder gets a trailing separator when it lacks one.
// report hears the folders and files seen while the search runs.
SearchOutcome SearchImages(QWidget* parent, QString& rootFolder, ImageListModel& model,
                           const SearchProgress::Report& report = {});

// Cancelling the dialog or a file that cannot be read changes nothing. The
// path loaded, or nothing.
// Loads path, or what the dialog says when path is empty.
std::optional<QString> LoadImageList(QWidget* parent, CommonDialog& dialog, ImageListModel& model,
                                     const QString& path = {});
// Saves to path, or where the dialog says when path is empty. The path
// written, or nothing when cancelled or failed (the user was told).
std::optional<QString> SaveImageList(QWidget* parent, CommonDialog& dialog,
                                     const ImageListModel& model, const QString& path = {});

void ShowCantAccessFile(QWidget* parent);

} // namespace ImageListCommands
