#pragma once

#include <QByteArray>
#include <QString>

class ImageListModel;
class QIODevice;

// The HTML page of the checked rows: a head block, one table row per checked
// row in list order, a closing block; UTF-8, CR LF after every line. Every
// text is escaped and every link is a percent-encoded file URL, so that no
// file name or translation can turn into markup.
namespace ExportHTML {

struct Page {
    QString title;
    QString heading;
    QString footer;
    // The image root folder text; a row's image file is this followed by its Name.
    QString rootFolder;
};

// & < > " as entities; everything else as it stands.
QString escape(const QString& text);

// The file URL of rootFolder + name, encoded (spaces, "#", "%" and non-ASCII
// characters percent-encoded). A relative path is taken from the current folder.
QByteArray imageUrl(const QString& rootFolder, const QString& name);

// Writes the whole page to an open device. False with errorString set when
// the device refused a write.
bool write(QIODevice& device, const ImageListModel& list, const Page& page,
           QString* errorString = nullptr);

// Writes the page to filePath under the wait pointer, which is restored on
// every path out. The file is replaced only when every byte was written; on
// failure an earlier file stays whole.
bool ExportHTML(const QString& filePath, const ImageListModel& list, const Page& page,
                QString* errorString = nullptr);

} // namespace ExportHTML
