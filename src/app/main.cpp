#include "ApplicationIcon.h"
#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "Form1.h"
#include "Language.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (CommandLine::isCommand(argc, argv))
        return CommandLine::run(argc, argv);
    QApplication app(argc, argv);
    Platform::identifyApplication();
    Language::install(app);
    // Dialogs and message boxes too, at every scale.
    QApplication::setWindowIcon(Platform::applicationIcon());
    MainWindow window;
    window.show();
    window.form()->restoreUnsavedWork();
    for (const QString& path : QApplication::arguments().mid(1))
        window.openFile(path);
    return QApplication::exec();
}
