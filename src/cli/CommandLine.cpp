#include "CommandLine.h"

#include "ApplicationIdentity.h"
#include "CommandSupport.h"
#include "Language.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace CommandLine {

namespace {

struct Subcommand {
    const char* name;
    int (*run)(const QStringList& arguments);
};

constexpr Subcommand kSubcommands[] = {
    {"search", &search}, {"export-html", &exportHtml}, {"convert", &convert}, {"ocr", &ocr}};

const char kHelp[] = QT_TRANSLATE_NOOP(
    "CommandLine", "Usage: vemarill [COMMAND] [ARGUMENTS]\n"
                   "Without a command, opens the window.\n"
                   "\n"
                   "Commands:\n"
                   "  search DIR [-o FILE]                 list the images under DIR\n"
                   "  export-html LIST --root DIR -o PAGE  write LIST's rows as an HTML page\n"
                   "  convert IN OUT                       convert between list file, CSV,\n"
                   "                                       TSV and XLIFF (2.0 or 1.2)\n"
                   "  ocr LIST --root DIR [-l LANGS] [-o FILE]\n"
                   "                                       read the images' text into\n"
                   "                                       LIST's Source Texts\n"
                   "\n"
                   "\"vemarill COMMAND --help\" describes a command's options.\n"
                   "Exit codes: 0 done, 1 bad input, 2 wrong usage.\n");

QByteArray help()
{
    return QCoreApplication::translate("CommandLine", kHelp).toLocal8Bit();
}

bool isOneOf(const char* argument, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (std::strcmp(argument, name) == 0)
            return true;
    }
    return false;
}

} // namespace

bool isCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    for (const Subcommand& subcommand : kSubcommands) {
        if (std::strcmp(argv[1], subcommand.name) == 0)
            return true;
    }
    return isOneOf(argv[1], {"--help", "-h", "help", "--version", "-v"});
}

int run(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Platform::identifyApplication();
    Language::install(app);
    const QStringList arguments = QCoreApplication::arguments();
    const QString first = arguments.value(1);
    for (const Subcommand& subcommand : kSubcommands) {
        if (first == QLatin1String(subcommand.name))
            return subcommand.run(arguments);
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        std::printf("vemarill %s\n", VEMARILL_VERSION);
        return Success;
    }
    if ((first == QLatin1String("--help") || first == QLatin1String("-h") ||
         first == QLatin1String("help")) &&
        arguments.size() == 2) {
        std::fputs(help().constData(), stdout);
        return Success;
    }
    std::fputs(help().constData(), stderr);
    return Usage;
}

} // namespace CommandLine
