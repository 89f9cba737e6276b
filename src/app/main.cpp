#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemarill"));
    QApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
    Form1 window;
    window.show();
    window.restoreUnsavedWork();
    return QApplication::exec();
}
