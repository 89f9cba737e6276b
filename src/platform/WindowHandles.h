#pragma once

#include "WindowTypes.h"

class QObject;
class QWidget;

// Window handles: a QObject (normally a widget) gets a small integer handle on
// first use and keeps it for its life. A destroyed object's handle is dead
// (IsWindow false) and is never given out again, so a stale handle can never
// reach a newer widget that happens to sit at the same address.
namespace Platform {

// 0 for nullptr. Thread-safe.
Hwnd hwndOf(QObject* object);
// The live object behind a handle; nullptr for 0, an unknown or a dead handle.
QObject* objectOf(Hwnd hwnd);
// As objectOf, but only for widgets.
QWidget* widgetOf(Hwnd hwnd);
bool IsWindow(Hwnd hwnd);
// Stands in for "the window belongs to this process": every window here is in
// this process, so the line drawn is the thread. True when the window's object
// lives in the calling thread, the only one that may hook or message it.
bool isWindowOfCurrentThread(Hwnd hwnd);

// Told once when a window is destroyed, while its handle is still valid and a
// widget is still a QWidget (QObject::destroyed time), as WM_DESTROY would be.
class WindowDestroyListener {
public:
    virtual void windowDestroyed(Hwnd hwnd) = 0;

protected:
    ~WindowDestroyListener() = default;
};

// Listeners of one window are told the last added first. A listener removed
// before its turn, even by another listener, is not told. Adding to a dead or
// unknown handle does nothing.
void addDestroyListener(Hwnd hwnd, WindowDestroyListener* listener);
void removeDestroyListener(Hwnd hwnd, WindowDestroyListener* listener);

} // namespace Platform
