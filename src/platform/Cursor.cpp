#include "Cursor.h"

#include "WindowHandles.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace Platform {

QPoint GetCursorPos()
{
    return QCursor::pos();
}

void SetCursorPos(const QPoint& screen)
{
    QCursor::setPos(screen);
}

Hwnd WindowFromPoint(const QPoint& screen)
{
    return hwndOf(QApplication::widgetAt(screen));
}

} // namespace Platform
