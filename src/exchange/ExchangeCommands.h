#pragma once

#include "Exchange.h"

#include <QString>
#include <optional>

class CommonDialog;
class ImageListModel;
class QWidget;

// The window's Import... and Export As... commands. The format is the one the
// file dialog's filter names; failures are told to the user.
namespace ExchangeCommands {

// Every row, checked or not, to the file the dialog names. The path written,
// or nothing.
std::optional<QString> ExportAs(QWidget* parent, CommonDialog& dialog, const ImageListModel& model,
                                const Exchange::WriteOptions& options);

// Reads a file off the GUI thread, matches its rows to the list's and takes
// their texts, as one step to undo; rows the list lacks are appended when the
// user agrees. A summary for the status bar, or nothing when the list was
// left alone (cancelled, or a file that cannot be read).
std::optional<QString> Import(QWidget* parent, CommonDialog& dialog, ImageListModel& model);

} // namespace ExchangeCommands
