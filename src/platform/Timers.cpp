#include "Timers.h"

#include "Messages.h"
#include "WindowHandles.h"

#include <QElapsedTimer>
#include <QGlobalStatic>
#include <QMutex>
#include <QMutexLocker>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace Platform {

namespace {

using Key = std::pair<Hwnd, std::uintptr_t>;

class TimerTable final : public WindowDestroyListener {
public:
    TimerTable() = default;
    TimerTable(const TimerTable&) = delete;
    TimerTable& operator=(const TimerTable&) = delete;
    // At exit the event dispatcher may be gone already; a QTimer left running
    // then cannot be stopped cleanly, and the process is ending anyway.
    ~TimerTable()
    {
        for (auto& entry : m_timers)
            static_cast<void>(entry.second.release());
    }

    std::uintptr_t set(Hwnd hwnd, std::uintptr_t id, unsigned elapseMs, TimerProc proc)
    {
        if (!isWindowOfCurrentThread(hwnd))
            return 0;
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(static_cast<int>(std::min<unsigned>(elapseMs, INT_MAX)));
        QObject::connect(timer.get(), &QTimer::timeout, [hwnd, id, proc] {
            if (proc)
                proc(hwnd, WM_TIMER, static_cast<std::intptr_t>(id), GetTickCount());
            else
                SendMessage(hwnd, WM_TIMER, static_cast<WParam>(id), 0);
        });
        timer->start();
        std::unique_ptr<QTimer> replaced;
        bool firstOfWindow = false;
        {
            const QMutexLocker lock(&m_mutex);
            std::unique_ptr<QTimer>& slot = m_timers[Key{hwnd, id}];
            replaced = std::exchange(slot, std::move(timer));
            firstOfWindow = m_watched.insert(hwnd).second;
        }
        dispose(std::move(replaced));
        if (firstOfWindow)
            addDestroyListener(hwnd, this);
        return id != 0 ? id : 1;
    }

    bool kill(Hwnd hwnd, std::uintptr_t id)
    {
        std::unique_ptr<QTimer> timer;
        {
            const QMutexLocker lock(&m_mutex);
            const auto it = m_timers.find(Key{hwnd, id});
            if (it == m_timers.end())
                return false;
            timer = std::move(it->second);
            m_timers.erase(it);
        }
        dispose(std::move(timer));
        return true;
    }

    void windowDestroyed(Hwnd hwnd) override
    {
        std::vector<std::unique_ptr<QTimer>> ended;
        {
            const QMutexLocker lock(&m_mutex);
            m_watched.erase(hwnd);
            auto it = m_timers.lower_bound(Key{hwnd, 0});
            while (it != m_timers.end() && it->first.first == hwnd) {
                ended.push_back(std::move(it->second));
                it = m_timers.erase(it);
            }
        }
        for (auto& timer : ended)
            dispose(std::move(timer));
    }

private:
    // A procedure may kill its own timer while the timer is emitting timeout,
    // so the QTimer is stopped now and deleted once control is back in the loop.
    static void dispose(std::unique_ptr<QTimer> timer)
    {
        if (!timer)
            return;
        timer->stop();
        timer->disconnect();
        timer.release()->deleteLater();
    }

    QMutex m_mutex;
    std::map<Key, std::unique_ptr<QTimer>> m_timers;
    std::set<Hwnd> m_watched;
};

Q_GLOBAL_STATIC(TimerTable, g_timers)

} // namespace

std::uintptr_t SetTimer(Hwnd hwnd, std::uintptr_t idEvent, unsigned elapseMs, TimerProc proc)
{
    return g_timers->set(hwnd, idEvent, elapseMs, proc);
}

bool KillTimer(Hwnd hwnd, std::uintptr_t idEvent)
{
    return g_timers->kill(hwnd, idEvent);
}

std::uint32_t GetTickCount()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return static_cast<std::uint32_t>(clock.msecsSinceReference() + clock.elapsed());
}

} // namespace Platform
