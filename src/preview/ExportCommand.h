#pragma once

#include <QString>

class CommonDialog;
class ImageListModel;
class QWidget;

namespace ExportHTML {

// Export to HTML: asks for the file with the main window's file dialog and
// writes the checked rows there. Cancelling writes nothing; a file that
// cannot be written is reported to the user.
bool ExportToHTML(QWidget* parent, CommonDialog& dialog, const ImageListModel& list,
                  const QString& rootFolder);

} // namespace ExportHTML
