#include "CommandLine.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (CommandLine::isCommand(argc, argv))
        return CommandLine::run(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemarill"));
    QApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
    Form1 window;
    window.show();
    window.restoreUnsavedWork();
    return QApplication::exec();
}
