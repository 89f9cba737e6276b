#include "CommandLine.h"
#include "CommandSupport.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace CommandLine {

namespace {

bool isCsv(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

} // namespace

// IN's rows written to OUT, every row, in the formats their extensions name.
int convert(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts between list file, spreadsheet CSV, TSV and XLIFF, by extension:\n"
        ".xlf/.xliff XLIFF (2.0 unless --xliff-version 1.2; either is read), .tsv TSV,\n"
        ".csv a list file, except an input whose first line is the CSV header\n"
        "\"Name,Source Text,Target Text,Checked\". A list file's rows count as checked."));
    parser.addPositionalArgument(QStringLiteral("convert"),
                                 QCoreApplication::translate("CommandLine", "The command."));
    parser.addPositionalArgument(QStringLiteral("IN"),
                                 QCoreApplication::translate("CommandLine", "The file to read."));
    parser.addPositionalArgument(QStringLiteral("OUT"),
                                 QCoreApplication::translate("CommandLine", "The file to write."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QCoreApplication::translate("CommandLine", "What a .csv IN or OUT is: list or csv."),
        QStringLiteral("FORMAT"));
    const QCommandLineOption from(
        QStringLiteral("from"),
        QCoreApplication::translate("CommandLine", "IN's format: list, csv, tsv, xliff."),
        QStringLiteral("FORMAT"));
    const QCommandLineOption to(
        QStringLiteral("to"),
        QCoreApplication::translate("CommandLine", "OUT's format: list, csv, tsv, xliff, xliff12."),
        QStringLiteral("FORMAT"));
    const QCommandLineOption xliffVersion(
        QStringLiteral("xliff-version"),
        QCoreApplication::translate("CommandLine", "XLIFF to write: 2.0 (default) or 1.2."),
        QStringLiteral("VERSION"), QStringLiteral("2.0"));
    const QCommandLineOption sourceLanguage(
        QStringLiteral("source-language"),
        QCoreApplication::translate("CommandLine", "XLIFF source language (en)."),
        QStringLiteral("LANG"), QStringLiteral("en"));
    const QCommandLineOption targetLanguage(
        QStringLiteral("target-language"),
        QCoreApplication::translate("CommandLine", "XLIFF target language (the system's)."),
        QStringLiteral("LANG"), Exchange::XliffOptions::systemLanguage());
    const QCommandLineOption bom(
        QStringLiteral("bom"),
        QCoreApplication::translate("CommandLine", "Start a CSV or TSV file with a UTF-8 BOM."));
    parser.addOptions({format, from, to, xliffVersion, sourceLanguage, targetLanguage, bom});
    if (const std::optional<int> done = CommandSupport::parse(parser, arguments, 2))
        return *done;

    const QString in = parser.positionalArguments().at(1);
    const QString out = parser.positionalArguments().at(2);
    int exitCode = Success;
    // --from/--to, else --format for a .csv, else the extension.
    const auto resolve = [&](const QString& path, const QCommandLineOption& own,
                             Exchange::Format byName) -> std::optional<Exchange::Format> {
        if (parser.isSet(own))
            return CommandSupport::namedFormat(parser.value(own), &exitCode);
        if (parser.isSet(format) && isCsv(path))
            return CommandSupport::namedFormat(parser.value(format), &exitCode);
        if (byName != Exchange::Format::Unknown)
            return byName;
        exitCode = CommandSupport::fail(
            Usage, QCoreApplication::translate("CommandLine",
                                               "%1: Unknown file type; name its format with --%2")
                       .arg(path, own.names().constFirst()));
        return std::nullopt;
    };
    const std::optional<Exchange::Format> inFormat = resolve(in, from, Exchange::formatForFile(in));
    if (!inFormat)
        return exitCode;
    // An existing OUT is replaced whatever it holds: its extension alone decides.
    Exchange::Format outByName = Exchange::formatForFile(out);
    if (isCsv(out))
        outByName = Exchange::Format::ListFile;
    std::optional<Exchange::Format> outFormat = resolve(out, to, outByName);
    if (!outFormat)
        return exitCode;
    const QString version = parser.value(xliffVersion);
    if (version != QLatin1String("2.0") && version != QLatin1String("1.2"))
        return CommandSupport::fail(
            Usage, QCoreApplication::translate("CommandLine", "--xliff-version is 2.0 or 1.2"));
    if (*outFormat == Exchange::Format::Xliff20 && version == QLatin1String("1.2"))
        outFormat = Exchange::Format::Xliff12;

    std::vector<ImageListRow> rows;
    QString error;
    if (!Exchange::readFile(in, *inFormat, rows, &error))
        return CommandSupport::fail(BadInput, error);
    Exchange::WriteOptions options;
    options.sourceLanguage = parser.value(sourceLanguage);
    options.targetLanguage = parser.value(targetLanguage);
    options.original = QFileInfo(in).fileName();
    options.byteOrderMark = parser.isSet(bom);
    return CommandSupport::writeRows(out, *outFormat, rows, options);
}

} // namespace CommandLine
