#include "Messages.h"
#include "TestWidgets.h"
#include "Timers.h"
#include "WindowHandles.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>

using namespace Platform;

namespace {

class Listener : public WindowDestroyListener {
public:
    Listener(QStringList& log, QString name) : m_log(log), m_name(std::move(name)) {}
    std::function<void()> then;
    void windowDestroyed(Hwnd hwnd) override
    {
        m_log.append(m_name + (IsWindow(hwnd) ? " live" : " dead") +
                     (widgetOf(hwnd) ? " widget" : ""));
        if (then)
            then();
    }

private:
    QStringList& m_log;
    QString m_name;
};

struct Tick {
    std::intptr_t hwnd, msg, id, time;
};
QList<Tick> g_ticks;
std::intptr_t recordTick(std::intptr_t hwnd, std::intptr_t msg, std::intptr_t id,
                         std::intptr_t time)
{
    g_ticks.append(Tick{hwnd, msg, id, time});
    return 0;
}
int g_selfKills = 0;
std::intptr_t killOwnTimer(std::intptr_t hwnd, std::intptr_t, std::intptr_t id, std::intptr_t)
{
    ++g_selfKills;
    KillTimer(static_cast<Hwnd>(hwnd), static_cast<std::uintptr_t>(id));
    return 0;
}

QList<Message> mapped(QObject* target, QEvent&& event)
{
    MappedEvent out;
    mapEvent(target, &event, out);
    return QList<Message>(out.messages.begin(), out.messages.begin() + out.count);
}

} // namespace

namespace QTest {
template <> char* toString(const Message& m)
{
    return qstrdup(QByteArray("{0x" + QByteArray::number(m.message, 16) + ", " +
                              QByteArray::number(qint64(m.wParam)) + ", " +
                              QByteArray::number(qint64(m.lParam)) + "}")
                       .constData());
}
} // namespace QTest

class TestWindowPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handlesAreStableAndDieWithTheirObject()
    {
        QWidget a;
        const Hwnd ha = hwndOf(&a);
        QCOMPARE(hwndOf(&a), ha);
        QCOMPARE(hwndOf(nullptr), 0);
        QCOMPARE(widgetOf(ha), &a);
        QObject plain;
        QCOMPARE(widgetOf(hwndOf(&plain)), nullptr);
        const Hwnd dead = hwndOf(std::make_unique<QWidget>().get()); // gone at the semicolon
        QCOMPARE(SendMessage(dead, WM_USER, 1, 2), 0);
        QCOMPARE(SetTimer(dead, 1, 5, &recordTick), 0u);
        // New widgets, often at the address of the dead one, never get its handle.
        for (int i = 0; i < 20; ++i) {
            const auto fresh = std::make_unique<QWidget>();
            QVERIFY(hwndOf(fresh.get()) > dead);
        }
        // A live object of another thread is not ours to message or time.
        QThread thread;
        auto foreign = std::make_unique<QObject>();
        foreign->moveToThread(&thread);
        const Hwnd hf = hwndOf(foreign.get());
        QCOMPARE(SendMessage(hf, WM_USER, 1, 2), 0);
        QCOMPARE(SetTimer(hf, 1, 5, &recordTick), 0u);
    }
    void destroyListenersAreToldLastFirstWhileTheHandleLives()
    {
        QStringList log;
        auto parent = std::make_unique<QWidget>();
        auto* child = new QWidget(parent.get());
        const Hwnd hc = hwndOf(child);
        Listener first(log, QStringLiteral("first"));
        Listener second(log, QStringLiteral("second"));
        Listener third(log, QStringLiteral("third"));
        Listener removed(log, QStringLiteral("removed"));
        addDestroyListener(hc, &first);
        addDestroyListener(hc, &removed);
        addDestroyListener(hc, &second);
        addDestroyListener(hc, &third);
        removeDestroyListener(hc, &removed);
        third.then = [&] { removeDestroyListener(hc, &second); };
        parent.reset(); // the child goes with its parent
        QCOMPARE(log, (QStringList{"third live widget", "first live widget"}));
        QVERIFY(!IsWindow(hc));
        addDestroyListener(hc, &first); // dead handle: nothing to listen to
    }
    void qtEventsBecomeMessages()
    {
        QWidget top;
        top.move(100, 200);
        auto* child = new QWidget(&top);
        const auto mouse = [child](QEvent::Type type, QPointF at, QPointF global,
                                   Qt::MouseButton button, Qt::MouseButtons buttons,
                                   Qt::KeyboardModifiers modifiers = {}) {
            return mapped(child, QMouseEvent(type, at, global, button, buttons, modifiers));
        };
        QCOMPARE(
            mouse(QEvent::MouseMove, {3, 4}, {103, 204}, Qt::NoButton, Qt::LeftButton,
                  Qt::ShiftModifier | Qt::ControlModifier),
            (QList<Message>{{WM_NCHITTEST, 0, makeLParam(103, 204)},
                            {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, makeLParam(3, 4)}}));
        const QList<Message> pressed =
            mouse(QEvent::MouseButtonPress, {-2, 7}, {98, 207}, Qt::RightButton, Qt::RightButton);
        QCOMPARE(pressed,
                 (QList<Message>{{WM_MOUSEACTIVATE, hwndOf(&top), makeLParam(1, WM_RBUTTONDOWN)},
                                 {WM_RBUTTONDOWN, MK_RBUTTON, makeLParam(-2, 7)}}));
        QCOMPARE(xFromLParam(pressed[1].lParam), -2);
        QCOMPARE(yFromLParam(makeLParam(0, -300)), -300);
        QCOMPARE(mouse(QEvent::MouseButtonRelease, {5, 6}, {}, Qt::MiddleButton, Qt::NoButton),
                 (QList<Message>{{WM_MBUTTONUP, 0, makeLParam(5, 6)}}));
        QCOMPARE(mouse(QEvent::MouseButtonDblClick, {1, 1}, {}, Qt::LeftButton, Qt::LeftButton)[0]
                     .message,
                 WM_LBUTTONDBLCLK);
        QCOMPARE(mouse(QEvent::MouseButtonPress, {1, 1}, {}, Qt::BackButton, Qt::BackButton),
                 (QList<Message>{{kQtEventMessage + QEvent::MouseButtonPress, 0, 0}}));
        QCOMPARE(mapped(child, QPaintEvent(QRect(0, 0, 5, 5))), (QList<Message>{{WM_PAINT, 0, 0}}));
        QCOMPARE(mapped(child, QResizeEvent(QSize(10, 10), QSize(5, 5))),
                 (QList<Message>{{WM_ERASEBKGND, 0, 0}}));
        QCOMPARE(mapped(child, QEvent(QEvent::Show)),
                 (QList<Message>{{kQtEventMessage + 17, 0, 0}}));
        QCOMPARE(mapped(child, WindowMessageEvent(WM_USER + 5, 6, 7)),
                 (QList<Message>{{WM_USER + 5, 6, 7}}));
    }
    void timersTickUntilKilledReplacedOrTheirWindowEnds()
    {
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        const std::uint32_t start = GetTickCount();
        QVERIFY(SetTimer(hwnd, 7, 5, &recordTick) != 0);
        QTRY_VERIFY(g_ticks.size() >= 2);
        const Tick tick = g_ticks.first();
        QCOMPARE((QList<std::intptr_t>{tick.hwnd, tick.msg, tick.id}),
                 (QList<std::intptr_t>{std::intptr_t(hwnd), WM_TIMER, 7}));
        QVERIFY(std::uint32_t(tick.time) - start < 5000u);
        QVERIFY(KillTimer(hwnd, 7) && !KillTimer(hwnd, 7));
        SetTimer(hwnd, 8, 5, &recordTick);
        SetTimer(hwnd, 8, 5, &killOwnTimer); // replaces the first; kills itself on its first tick
        QVERIFY(SetTimer(hwnd, 9, 5, nullptr) != 0); // no procedure: WM_TIMER to the window
        auto doomed = std::make_unique<QWidget>();
        const Hwnd gone = hwndOf(doomed.get());
        SetTimer(gone, 3, 5, &recordTick);
        doomed.reset();
        g_ticks.clear();
        QTRY_VERIFY(widget.received.contains(WM_TIMER));
        KillTimer(hwnd, 9);
        QTest::qWait(30);
        QCOMPARE(g_selfKills, 1);
        QVERIFY(g_ticks.isEmpty());
        QVERIFY(!KillTimer(gone, 3));
    }
};

QTEST_MAIN(TestWindowPlatform)
#include "tst_windowplatform.moc"
