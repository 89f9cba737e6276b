// Start-up to the first painted main window, made as the program makes it;
// prints the time of that frame (see FirstPaint.h).
#include "FirstPaint.h"
#include "Form1.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    QApplication::setApplicationName(QStringLiteral("Vemarill"));
    QApplication::setOrganizationName(QStringLiteral("Vemarill"));
    MainWindow window;
    window.show();
    window.form()->restoreUnsavedWork();
    return QApplication::exec();
}
