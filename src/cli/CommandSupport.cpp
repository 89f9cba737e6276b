#include "CommandSupport.h"

#include "CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace CommandSupport {

std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                         qsizetype positionals)
{
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        return fail(CommandLine::Usage,
                    parser.errorText() +
                        QCoreApplication::translate("CommandLine", "\nTry \"vemarill %1 --help\".")
                            .arg(arguments.value(1)));
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return CommandLine::Success;
    }
    // The first positional argument is the subcommand's own name.
    if (parser.positionalArguments().size() != positionals + 1)
        return fail(CommandLine::Usage,
                    QCoreApplication::translate("CommandLine", "%1 takes %2 argument(s).\n")
                            .arg(arguments.value(1))
                            .arg(positionals) +
                        parser.helpText());
    return std::nullopt;
}

QCommandLineOption addListArguments(QCommandLineParser& parser, const QString& command,
                                    const QString& description)
{
    parser.setApplicationDescription(description);
    parser.addPositionalArgument(command,
                                 QCoreApplication::translate("CommandLine", "The command."));
    parser.addPositionalArgument(
        QStringLiteral("LIST"),
        QCoreApplication::translate("CommandLine", "A list file (or CSV, TSV, XLIFF file)."));
    const QCommandLineOption root(
        QStringLiteral("root"),
        QCoreApplication::translate("CommandLine", "The image root folder the Names are under."),
        QStringLiteral("DIR"));
    parser.addOption(root);
    return root;
}

int fail(int code, const QString& message)
{
    std::fputs(qPrintable(QStringLiteral("vemarill: ") + message + QLatin1Char('\n')), stderr);
    return code;
}

std::optional<Exchange::Format> namedFormat(const QString& name, int* exitCode)
{
    const Exchange::Format format = Exchange::formatFromName(name);
    if (format != Exchange::Format::Unknown)
        return format;
    *exitCode =
        fail(CommandLine::Usage,
             QCoreApplication::translate(
                 "CommandLine", "Unknown format \"%1\": use list, csv, tsv, xliff or xliff12")
                 .arg(name));
    return std::nullopt;
}

int writeRows(const QString& path, Exchange::Format format, const std::vector<ImageListRow>& rows,
              const Exchange::WriteOptions& options)
{
    QString error;
    if (!path.isEmpty()) {
        return Exchange::writeFile(path, format, rows, options, &error)
                   ? CommandLine::Success
                   : fail(CommandLine::BadInput, error);
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) ||
        !Exchange::write(out, format, rows, options, &error))
        return fail(CommandLine::BadInput,
                    QCoreApplication::translate("CommandLine", "standard output: ") + error);
    return CommandLine::Success;
}

std::optional<Exchange::Format> readList(const QString& path, std::vector<ImageListRow>& rows,
                                         int* exitCode)
{
    Exchange::Format format = Exchange::formatForFile(path);
    if (format == Exchange::Format::Unknown)
        format = Exchange::Format::ListFile;
    QString error;
    if (!Exchange::readFile(path, format, rows, &error)) {
        *exitCode = fail(CommandLine::BadInput, error);
        return std::nullopt;
    }
    return format;
}

} // namespace CommandSupport
