// Start-up to the first painted window of the least a Qt Widgets program can
// be, one empty QWidget: the peer of bench_startup.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    QWidget window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
