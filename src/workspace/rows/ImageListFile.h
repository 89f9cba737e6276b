#pragma once

#include "ImageListRow.h"

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

// Reads every row of an open device. CR LF, LF and CR each end a line; blank
// lines are skipped. Rows come back unchecked. False with errorString set
// when the device cannot be read.
bool read(QIODevice& device, std::vector<ImageListRow>& rows, QString* errorString = nullptr);

// Writes the checked rows among the first rowLimit rows, in list order.
bool write(QIODevice& device, const std::vector<ImageListRow>& rows, int rowLimit,
           QString* errorString = nullptr);

// Whole-file commands: load never touches rows unless it succeeded; save
// replaces the file only when every byte was written.
bool load(const QString& path, std::vector<ImageListRow>& rows, QString* errorString = nullptr);
bool save(const QString& path, const std::vector<ImageListRow>& rows, int rowLimit,
          QString* errorString = nullptr);

} // namespace ImageListFile
