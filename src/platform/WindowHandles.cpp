#include "WindowHandles.h"

#include "Messages.h"

#include <QGlobalStatic>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <vector>

namespace Platform {

namespace {

// Far from small counts and indexes, so that a handle is never mistaken for one.
constexpr Hwnd kFirstHandle = 0x10000;

struct Window {
    QObject* object = nullptr;
    std::vector<WindowDestroyListener*> listeners;
};

struct HandleTable {
    QMutex mutex;
    QHash<Hwnd, Window> live;
    QHash<const QObject*, Hwnd> byObject;
    Hwnd next = kFirstHandle;
};

Q_GLOBAL_STATIC(HandleTable, g_table)

// False when the listener was not (or no longer) there.
bool detach(Hwnd hwnd, WindowDestroyListener* listener)
{
    const QMutexLocker lock(&g_table->mutex);
    const auto it = g_table->live.find(hwnd);
    if (it == g_table->live.end())
        return false;
    auto& listeners = it->listeners;
    const auto at = std::find(listeners.begin(), listeners.end(), listener);
    if (at == listeners.end())
        return false;
    listeners.erase(at);
    return true;
}

void windowDestroyed(Hwnd hwnd)
{
    if (g_table.isDestroyed())
        return;
    // The handle stays valid while the listeners run, as during WM_DESTROY.
    // One at a time, the last added first: a listener added meanwhile (a hook
    // installed from a WM_DESTROY callback) is told too, rather than left to
    // leak with its window gone.
    for (;;) {
        WindowDestroyListener* listener = nullptr;
        {
            const QMutexLocker lock(&g_table->mutex);
            const auto it = g_table->live.find(hwnd);
            if (it == g_table->live.end())
                return;
            if (it->listeners.empty())
                break;
            listener = it->listeners.back();
            it->listeners.pop_back();
        }
        listener->windowDestroyed(hwnd);
    }
    const QMutexLocker lock(&g_table->mutex);
    const auto it = g_table->live.find(hwnd);
    if (it == g_table->live.end())
        return;
    g_table->byObject.remove(it->object);
    g_table->live.erase(it);
}

} // namespace

Hwnd hwndOf(QObject* object)
{
    if (!object || g_table.isDestroyed())
        return 0;
    Hwnd hwnd = 0;
    {
        const QMutexLocker lock(&g_table->mutex);
        const auto found = g_table->byObject.constFind(object);
        if (found != g_table->byObject.cend())
            return found.value();
        if (g_table->next == std::numeric_limits<Hwnd>::max())
            return 0; // out of handles: behaves as "not a window"
        hwnd = g_table->next++;
        g_table->live.insert(hwnd, Window{object, {}});
        g_table->byObject.insert(object, hwnd);
    }
    QObject::connect(object, &QObject::destroyed, [hwnd] { windowDestroyed(hwnd); });
    detail::watchScrolling(object, hwnd);
    return hwnd;
}

QObject* objectOf(Hwnd hwnd)
{
    if (hwnd == 0 || g_table.isDestroyed())
        return nullptr;
    const QMutexLocker lock(&g_table->mutex);
    const auto it = g_table->live.constFind(hwnd);
    return it == g_table->live.cend() ? nullptr : it->object;
}

QWidget* widgetOf(Hwnd hwnd)
{
    QObject* object = objectOf(hwnd);
    return object && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
}

bool IsWindow(Hwnd hwnd)
{
    return objectOf(hwnd) != nullptr;
}

bool isWindowOfCurrentThread(Hwnd hwnd)
{
    const QObject* object = objectOf(hwnd);
    return object && object->thread() == QThread::currentThread();
}

void addDestroyListener(Hwnd hwnd, WindowDestroyListener* listener)
{
    if (!listener || g_table.isDestroyed())
        return;
    const QMutexLocker lock(&g_table->mutex);
    const auto it = g_table->live.find(hwnd);
    if (it != g_table->live.end())
        it->listeners.push_back(listener);
}

void removeDestroyListener(Hwnd hwnd, WindowDestroyListener* listener)
{
    if (!g_table.isDestroyed())
        detach(hwnd, listener);
}

} // namespace Platform
