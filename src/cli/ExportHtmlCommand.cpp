#include "CommandLine.h"
#include "CommandSupport.h"
#include "ExportHTML.h"
#include "Functions.h"
#include "ImageListModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace CommandLine {

// The page Export to HTML writes, of the checked rows of LIST (every row of a
// list file).
int exportHtml(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption root = CommandSupport::addListArguments(
        parser, QStringLiteral("export-html"),
        QCoreApplication::translate(
            "CommandLine", "Writes the rows of LIST as the HTML page Export to HTML writes."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("CommandLine", "The page to write."), QStringLiteral("PAGE"));
    parser.addOption(output);
    if (const std::optional<int> done = CommandSupport::parse(parser, arguments, 1))
        return *done;
    if (!parser.isSet(root) || !parser.isSet(output))
        return CommandSupport::fail(
            Usage, QCoreApplication::translate("CommandLine", "export-html needs --root DIR and -o "
                                                              "PAGE.\n") +
                       parser.helpText());

    const QString listPath = parser.positionalArguments().at(1);
    std::vector<ImageListRow> rows;
    int exitCode = Success;
    if (!CommandSupport::readList(listPath, rows, &exitCode))
        return exitCode;
    QString error;

    ImageListModel list;
    list.setRows(std::move(rows));
    const QString pagePath = parser.value(output);
    // The page's title is its own path, as the window writes it.
    const ExportHTML::Page page{QDir::toNativeSeparators(QFileInfo(pagePath).absoluteFilePath()),
                                QStringLiteral("Image List"),
                                QStringLiteral("HTML generated with Vemarill"),
                                Functions::WithTrailingSeparator(parser.value(root))};
    if (!ExportHTML::ExportHTML(pagePath, list, page, &error))
        return CommandSupport::fail(BadInput, QDir::toNativeSeparators(pagePath) +
                                                  QStringLiteral(": ") + error);
    return Success;
}

} // namespace CommandLine
