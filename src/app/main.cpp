#include "ApplicationIcon.h"
#include "CommandLine.h"
#include "Form1.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (CommandLine::isCommand(argc, argv))
        return CommandLine::run(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemarill"));
    QApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Vemarill"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vemarill"));
    // Dialogs and message boxes too, at every scale.
    QApplication::setWindowIcon(Platform::applicationIcon());
    MainWindow window;
    window.show();
    window.form()->restoreUnsavedWork();
    for (const QString& path : QApplication::arguments().mid(1))
        window.openFile(path);
    return QApplication::exec();
}
