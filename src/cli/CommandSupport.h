#pragma once

#include "Exchange.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

// What the subcommands share: parsing with the exit codes of CommandLine,
// messages on stderr, and reading or writing rows.
namespace CommandSupport {

// Parses arguments (the program name first) with options added for one
// subcommand. On --help prints the help and returns 0; on an error prints it
// with a hint and returns 2; returns nothing when the command should go on.
// positionals is how many arguments follow the subcommand's name.
std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                         qsizetype positionals);

// "vemarill: message" on stderr; returns code.
int fail(int code, const QString& message);

// A format named on the command line (list, csv, tsv, xliff, xliff12); a
// usage error when the name is not one of them.
std::optional<Exchange::Format> namedFormat(const QString& name, int* exitCode);

// The rows of a LIST argument: a list file unless its name or header says
// otherwise. The format read, or nothing when it cannot be read (told on
// stderr, exitCode set).
std::optional<Exchange::Format> readList(const QString& path, std::vector<ImageListRow>& rows,
                                         int* exitCode);

// The arguments of a command over the rows of a list and their images: its
// name, LIST and --root DIR, which is returned for reading after parsing.
QCommandLineOption addListArguments(QCommandLineParser& parser, const QString& command,
                                    const QString& description);

// Writes rows to path, or to stdout when path is empty.
int writeRows(const QString& path, Exchange::Format format, const std::vector<ImageListRow>& rows,
              const Exchange::WriteOptions& options);

} // namespace CommandSupport

// The subcommands, each with the program's arguments (program name first,
// the subcommand's name second).
namespace CommandLine {
int search(const QStringList& arguments);
int exportHtml(const QStringList& arguments);
int convert(const QStringList& arguments);
int ocr(const QStringList& arguments);
} // namespace CommandLine
