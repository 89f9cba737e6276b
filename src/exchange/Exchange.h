#pragma once

#include "ImageListRow.h"
#include "ImportPlan.h"
#include "Progress.h"
#include "XliffWriter.h"

#include <QString>
#include <QStringList>
#include <vector>

class QIODevice;

// The files translation tools and pipelines exchange, read and written whole,
// for the Import... and Export As... commands and the command line.
namespace Exchange {

enum class Format {
    Unknown,
    ListFile, // the image list file; it cannot carry the check
    Csv,      // spreadsheet CSV with a header row
    Tsv,      // the same, tab-separated
    Xliff20,  // reading takes XLIFF 1.2 too
    Xliff12,
};

struct WriteOptions {
    QString sourceLanguage = QStringLiteral("en");
    QString targetLanguage = XliffOptions::systemLanguage();
    QString original;           // XLIFF: what the file was made from
    bool byteOrderMark = false; // CSV and TSV
};

// The format the dialog filter chosen names (one of dialogFilter()'s strings,
// or its description alone), else the one the extension names: .xlf and
// .xliff XLIFF 2.0, .tsv TSV, .csv a spreadsheet CSV when the file exists and
// starts with the header row, else a list file. Unknown for anything else.
Format formatForFile(const QString& path, const QString& chosenFilter = {});

// Names for the command line: list, csv, tsv, xliff (2.0), xliff12.
Format formatFromName(const QString& name);
QString formatName(Format format);

// The file dialog filter of a format, in CommonDialog's "description|pattern"
// form; importFilter() takes every readable file at once.
QString dialogFilter(Format format);
QStringList exportFilters();
QString importFilter();

// Rows from a device or a file. Every row of a list file comes back checked:
// a list file holds the rows that were checked when it was saved. Errors name
// the file (readFile), then the line and column.
bool read(QIODevice& device, Format format, std::vector<ImageListRow>& rows,
          QString* errorString = nullptr, const Progress& progress = {});
bool readFile(const QString& path, Format format, std::vector<ImageListRow>& rows,
              QString* errorString = nullptr, const Progress& progress = {});

// Every row, in list order. A list file gets every row too, checked or not, as
// it has no place for the check. writeFile replaces the file only when every
// byte was written.
bool write(QIODevice& device, Format format, const std::vector<ImageListRow>& rows,
           const WriteOptions& options = {}, QString* errorString = nullptr);
bool writeFile(const QString& path, Format format, const std::vector<ImageListRow>& rows,
               const WriteOptions& options = {}, QString* errorString = nullptr);

} // namespace Exchange
