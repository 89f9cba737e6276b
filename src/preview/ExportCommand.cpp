#include "ExportCommand.h"

#include "CommonDialog.h"
#include "ExportHTML.h"
#include "ImageListCommands.h"

#include <QCoreApplication>

namespace ExportHTML {

bool ExportToHTML(QWidget* parent, CommonDialog& dialog, const ImageListModel& list,
                  const QString& rootFolder)
{
    dialog.dialogTitle = QCoreApplication::translate("ExportHTML", "Specify an HTML file...");
    dialog.filter = QCoreApplication::translate("ExportHTML", "HTML files (*.htm)|*.htm");
    dialog.flags = 2;
    if (!dialog.showSave())
        return false;
    const QString path = dialog.fileName();
    const Page page{path, QStringLiteral("Image List"),
                    QStringLiteral("HTML generated with Vemarill"), rootFolder};
    // The wait pointer is gone by the time the message shows.
    if (!ExportHTML(path, list, page)) {
        ImageListCommands::ShowCantAccessFile(parent);
        return false;
    }
    return true;
}

} // namespace ExportHTML
