#include "CommandLine.h"
#include "CommandSupport.h"
#include "Functions.h"

#include <QCoreApplication>
#include <QDir>

namespace CommandLine {

// The images under DIR as rows with empty texts, checked, so that a list file
// written from them loads back as the search's rows.
int search(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Lists the images under DIR, as Search Images does, as a list file of\n"
                       "\"Name;;;\" lines (or in the format -o's extension or --to names)."));
    parser.addPositionalArgument(QStringLiteral("search"),
                                 QCoreApplication::translate("CommandLine", "The command."));
    parser.addPositionalArgument(
        QStringLiteral("DIR"),
        QCoreApplication::translate("CommandLine", "The image root folder."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("CommandLine", "Write to FILE, not to standard output."),
        QStringLiteral("FILE"));
    const QCommandLineOption to(
        QStringLiteral("to"),
        QCoreApplication::translate("CommandLine",
                                    "Output format: list, csv, tsv, xliff, xliff12."),
        QStringLiteral("FORMAT"));
    parser.addOptions({output, to});
    if (const std::optional<int> done = CommandSupport::parse(parser, arguments, 1))
        return *done;

    const QString outputPath = parser.value(output);
    Exchange::Format format = Exchange::Format::ListFile;
    int exitCode = Success;
    if (parser.isSet(to)) {
        const std::optional<Exchange::Format> named =
            CommandSupport::namedFormat(parser.value(to), &exitCode);
        if (!named)
            return exitCode;
        format = *named;
    } else if (!outputPath.isEmpty()) {
        // A new .csv is a list file; an existing spreadsheet CSV stays one.
        const Exchange::Format byName = Exchange::formatForFile(outputPath);
        format = byName == Exchange::Format::Unknown ? format : byName;
    }

    const QString folder = parser.positionalArguments().at(1);
    if (!Functions::FolderExists(folder))
        return CommandSupport::fail(
            BadInput, QDir::toNativeSeparators(folder) +
                          QCoreApplication::translate("CommandLine", ": No such folder"));
    const QString root = Functions::WithTrailingSeparator(folder);
    Functions::FoundImages found;
    if (Functions::FindImages(root, found) != Functions::WalkOutcome::Finished)
        return CommandSupport::fail(
            BadInput,
            QDir::toNativeSeparators(folder) +
                QCoreApplication::translate("CommandLine", ": The folder cannot be read"));
    for (const QString& skipped : std::as_const(found.UnreadableFolders))
        CommandSupport::fail(
            Success,
            QDir::toNativeSeparators(skipped) +
                QCoreApplication::translate("CommandLine", ": Skipped, the folder cannot be read"));

    std::vector<ImageListRow> rows;
    rows.reserve(static_cast<size_t>(found.Names.size()));
    for (const QString& name : std::as_const(found.Names))
        rows.push_back({name, {}, {}, true});
    return CommandSupport::writeRows(outputPath, format, rows, {});
}

} // namespace CommandLine
