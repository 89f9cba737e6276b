// Mouse moves delivered to a widget hooked with a five-message before table
// whose callback does nothing, against the same widget unhooked. Prints
// "<hooked ms> <unhooked ms>", each the best of interleaved rounds, in
// process CPU time so that other work on the machine disturbs it less.
#include "HookRegistry.h"
#include "Messages.h"
#include "WindowHandles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <limits>

namespace {

constexpr int kMoves = 1'000'000;
constexpr int kRounds = 7;

class TrackingWidget : public QWidget {
public:
    QPoint last;

protected:
    void mouseMoveEvent(QMouseEvent* event) override { last = event->position().toPoint(); }
};

class IdleOwner : public HookOwner {
public:
    long long calls = 0;
    Routine callbackRoutine(int ordinal) const override
    {
        return ordinal == 1 ? Routine::Message : Routine::None;
    }
    void callMessageRoutine(int, bool, bool&, Platform::LResult&, Platform::Hwnd, Platform::Msg,
                            Platform::WParam, Platform::LParam, std::intptr_t&) override
    {
        ++calls;
    }
};

qint64 deliverMoves(QWidget& widget)
{
    const std::clock_t start = std::clock();
    for (int i = 0; i < kMoves; ++i) {
        const QPointF at(i % 97, i % 89);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &move);
    }
    return static_cast<qint64>((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TrackingWidget plain;
    TrackingWidget hooked;
    for (QWidget* widget : {static_cast<QWidget*>(&plain), static_cast<QWidget*>(&hooked)}) {
        widget->setMouseTracking(true);
        widget->resize(100, 100);
    }

    IdleOwner owner;
    HookRegistry hooks(owner);
    const Platform::Hwnd hwnd = Platform::hwndOf(&hooked);
    if (!hooks.ssc_Subclass(hwnd))
        return 1;
    for (const Platform::Msg message :
         {Platform::WM_PAINT, Platform::WM_MOUSEMOVE, Platform::WM_LBUTTONUP,
          Platform::WM_LBUTTONDOWN, Platform::WM_NCHITTEST})
        hooks.ssc_AddMsg(hwnd, message, MsgBefore);

    qint64 bestHooked = std::numeric_limits<qint64>::max();
    qint64 bestPlain = std::numeric_limits<qint64>::max();
    for (int round = 0; round < kRounds; ++round) {
        bestPlain = std::min(bestPlain, deliverMoves(plain));
        bestHooked = std::min(bestHooked, deliverMoves(hooked));
    }
    // Each move is WM_NCHITTEST then WM_MOUSEMOVE, both in the table.
    if (owner.calls != 2LL * kMoves * kRounds) {
        std::fprintf(stderr, "bench_hook: %lld callbacks, expected %lld\n", owner.calls,
                     2LL * kMoves * kRounds);
        return 1;
    }
    std::printf("%lld %lld\n", static_cast<long long>(bestHooked),
                static_cast<long long>(bestPlain));
    return 0;
}
