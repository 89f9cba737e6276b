#include "Exchange.h"

#include "CsvReader.h"
#include "CsvWriter.h"
#include "ImageListFile.h"
#include "SaveFile.h"
#include "XliffReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace Exchange {

namespace {

constexpr Format kFormats[] = {Format::ListFile, Format::Csv, Format::Tsv, Format::Xliff20,
                               Format::Xliff12};

QChar delimiterOf(Format format)
{
    return format == Format::Tsv ? QLatin1Char('\t') : QLatin1Char(',');
}

bool setError(QString* errorString, const QString& message)
{
    if (errorString)
        *errorString = message;
    return false;
}

bool csvStartsWithHeader(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           CsvReader::startsWithHeader(file.read(64), QLatin1Char(','));
}

} // namespace

Format formatForFile(const QString& path, const QString& chosenFilter)
{
    if (!chosenFilter.isEmpty()) {
        for (const Format format : kFormats) {
            const QString filter = dialogFilter(format);
            if (chosenFilter == filter || chosenFilter == filter.section(QLatin1Char('|'), 0, 0))
                return format;
        }
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xlf") || suffix == QLatin1String("xliff"))
        return Format::Xliff20;
    if (suffix == QLatin1String("tsv"))
        return Format::Tsv;
    if (suffix == QLatin1String("csv"))
        return csvStartsWithHeader(path) ? Format::Csv : Format::ListFile;
    return Format::Unknown;
}

Format formatFromName(const QString& name)
{
    for (const Format format : kFormats) {
        if (name.compare(formatName(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return Format::Unknown;
}

QString formatName(Format format)
{
    switch (format) {
    case Format::ListFile:
        return QStringLiteral("list");
    case Format::Csv:
        return QStringLiteral("csv");
    case Format::Tsv:
        return QStringLiteral("tsv");
    case Format::Xliff20:
        return QStringLiteral("xliff");
    case Format::Xliff12:
        return QStringLiteral("xliff12");
    case Format::Unknown:
        break;
    }
    return {};
}

QString dialogFilter(Format format)
{
    switch (format) {
    case Format::ListFile:
        return QCoreApplication::translate("Exchange", "Image list files (*.csv)|*.csv");
    case Format::Csv:
        return QCoreApplication::translate("Exchange", "Spreadsheet CSV files (*.csv)|*.csv");
    case Format::Tsv:
        return QCoreApplication::translate("Exchange", "Tab-separated files (*.tsv)|*.tsv");
    case Format::Xliff20:
        return QCoreApplication::translate("Exchange",
                                           "XLIFF 2.0 files (*.xlf *.xliff)|*.xlf *.xliff");
    case Format::Xliff12:
        return QCoreApplication::translate("Exchange",
                                           "XLIFF 1.2 files (*.xlf *.xliff)|*.xlf *.xliff");
    case Format::Unknown:
        break;
    }
    return {};
}

QStringList exportFilters()
{
    QStringList filters;
    for (const Format format : kFormats)
        filters.append(dialogFilter(format));
    return filters;
}

QString importFilter()
{
    return QCoreApplication::translate(
        "Exchange", "Translation files (*.xlf *.xliff *.csv *.tsv)|*.xlf *.xliff *.csv *.tsv");
}

bool read(QIODevice& device, Format format, std::vector<ImageListRow>& rows, QString* errorString,
          const Progress& progress)
{
    switch (format) {
    case Format::ListFile: {
        if (!ImageListFile::read(device, rows, errorString))
            return false;
        for (ImageListRow& row : rows)
            row.checked = true;
        return true;
    }
    case Format::Csv:
    case Format::Tsv: {
        CsvReader reader(delimiterOf(format));
        reader.setProgress(progress);
        return reader.read(device, rows) || setError(errorString, reader.errorString());
    }
    case Format::Xliff20:
    case Format::Xliff12: {
        XliffReader reader;
        reader.setProgress(progress);
        return reader.read(device, rows) || setError(errorString, reader.errorString());
    }
    case Format::Unknown:
        break;
    }
    return setError(errorString, QCoreApplication::translate("Exchange", "Unknown file format"));
}

bool readFile(const QString& path, Format format, std::vector<ImageListRow>& rows,
              QString* errorString, const Progress& progress)
{
    const QString shown = QDir::toNativeSeparators(path);
    QString error;
    std::vector<ImageListRow> found;
    if (format == Format::ListFile) {
        // load() also refuses a file that changes while it is read.
        if (!ImageListFile::load(path, found, &error))
            return setError(errorString, shown + QStringLiteral(": ") + error);
        for (ImageListRow& row : found)
            row.checked = true;
        rows = std::move(found);
        return true;
    }
    // Only a plain file: a pipe or a device could block or never end.
    if (!QFileInfo(path).isFile())
        return setError(errorString,
                        shown + QCoreApplication::translate("Exchange", ": Not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return setError(errorString, shown + QStringLiteral(": ") + file.errorString());
    if (!read(file, format, found, &error, progress))
        return setError(errorString, shown + QStringLiteral(": ") + error);
    rows = std::move(found);
    return true;
}

bool write(QIODevice& device, Format format, const std::vector<ImageListRow>& rows,
           const WriteOptions& options, QString* errorString)
{
    switch (format) {
    case Format::ListFile: {
        const int limit = static_cast<int>(rows.size());
        if (std::all_of(rows.begin(), rows.end(), [](const ImageListRow& r) { return r.checked; }))
            return ImageListFile::write(device, rows, limit, errorString);
        std::vector<ImageListRow> all = rows;
        for (ImageListRow& row : all)
            row.checked = true;
        return ImageListFile::write(device, all, limit, errorString);
    }
    case Format::Csv:
    case Format::Tsv: {
        CsvWriter writer(delimiterOf(format), options.byteOrderMark);
        return writer.write(device, rows) || setError(errorString, writer.errorString());
    }
    case Format::Xliff20:
    case Format::Xliff12: {
        XliffOptions xliff;
        xliff.version = format == Format::Xliff20 ? XliffVersion::V2_0 : XliffVersion::V1_2;
        xliff.sourceLanguage = options.sourceLanguage;
        xliff.targetLanguage = options.targetLanguage;
        xliff.original = options.original;
        XliffWriter writer(xliff);
        return writer.write(device, rows) || setError(errorString, writer.errorString());
    }
    case Format::Unknown:
        break;
    }
    return setError(errorString, QCoreApplication::translate("Exchange", "Unknown file format"));
}

bool writeFile(const QString& path, Format format, const std::vector<ImageListRow>& rows,
               const WriteOptions& options, QString* errorString)
{
    QString error;
    const bool written = Platform::saveFile(
        path,
        [&](QIODevice& device, QString* deviceError) {
            return write(device, format, rows, options, deviceError);
        },
        &error);
    return written ||
           setError(errorString, QDir::toNativeSeparators(path) + QStringLiteral(": ") + error);
}

} // namespace Exchange
