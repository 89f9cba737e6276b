#pragma once

#include "ImageListRow.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

class QIODevice;

// The image list file: one line per checked row, "Name;Source;Target;" in the
// system's 8-bit encoding, CR LF after every line, fields never quoted.
namespace ImageListFile {

// Parses one line. Name ends at the first ";", Source Text at the next one,
// and Target Text is the rest with every ";" dropped (this removes the ";"
// that ends each written line). Missing fields are empty.
ImageListRow parseLine(const QString& line);
QString formatLine(const ImageListRow& row);

// How a file's bytes were read: in the system encoding, or, where that is
// UTF-8 and the bytes are not, as Windows-1252.
enum class Encoding { System, Windows1252 };

// Every row in the bytes. CR LF, LF and CR each end a line; blank lines are
// skipped. Rows come back unchecked.
void readBytes(QByteArrayView bytes, std::vector<ImageListRow>& rows, Encoding* encoding = nullptr);
// The same from an open device; false with errorString set when it cannot be read.
bool read(QIODevice& device, std::vector<ImageListRow>& rows, QString* errorString = nullptr,
          Encoding* encoding = nullptr);

// Writes the checked rows among the first rowLimit rows, in list order.
bool write(QIODevice& device, const std::vector<ImageListRow>& rows, int rowLimit,
           QString* errorString = nullptr);

// Whole-file commands: load never touches rows unless it succeeded (a file
// that changes while it is read fails); save replaces the file only when
// every byte was written.
bool load(const QString& path, std::vector<ImageListRow>& rows, QString* errorString = nullptr,
          Encoding* encoding = nullptr);
bool save(const QString& path, const std::vector<ImageListRow>& rows, int rowLimit,
          QString* errorString = nullptr);

} // namespace ImageListFile
