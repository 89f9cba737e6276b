#include "Messages.h"
#include "Painting.h"
#include "Timers.h"
#include "WindowHandles.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QThread>
#include <QTreeView>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

using namespace Platform;

namespace {

// Answers every sent message with wParam + lParam and records it.
class AnsweringWidget : public QWidget {
public:
    QList<Msg> received;

protected:
    bool event(QEvent* event) override
    {
        if (WindowMessageEvent* message = WindowMessageEvent::from(event)) {
            received.append(message->message());
            message->setResult(message->wParam() + message->lParam());
            return true;
        }
        return QWidget::event(event);
    }
};

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

// Lets a test act inside a widget's paint event, as a hook's WM_PAINT callback does.
class PaintFilter : public QObject {
public:
    std::function<bool(QWidget*, QPaintEvent*)> onPaint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && onPaint)
            return onPaint(static_cast<QWidget*>(watched), static_cast<QPaintEvent*>(event));
        return false;
    }
};

class CountingPaintWidget : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::blue);
    }
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

QList<Message> mapped(QObject* target, QEvent* event)
{
    MappedEvent out;
    mapEvent(target, event, out);
    QList<Message> list;
    for (int i = 0; i < out.count; ++i)
        list.append(out.messages[static_cast<std::size_t>(i)]);
    return list;
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
    void init() { g_ticks.clear(); }

    void handlesAreStableAndDieWithTheirWidget()
    {
        QWidget a;
        QWidget b;
        const Hwnd ha = hwndOf(&a);
        QVERIFY(ha != 0);
        QCOMPARE(hwndOf(&a), ha);
        QVERIFY(hwndOf(&b) != ha);
        QCOMPARE(hwndOf(nullptr), 0);
        QVERIFY(!IsWindow(0));
        QVERIFY(IsWindow(ha));
        QCOMPARE(objectOf(ha), &a);
        QCOMPARE(widgetOf(ha), &a);
        QVERIFY(isWindowOfCurrentThread(ha));

        QObject plain;
        const Hwnd hp = hwndOf(&plain);
        QVERIFY(IsWindow(hp));
        QCOMPARE(widgetOf(hp), nullptr);

        Hwnd dead = 0;
        {
            const auto gone = std::make_unique<QWidget>();
            dead = hwndOf(gone.get());
        }
        QVERIFY(!IsWindow(dead));
        QCOMPARE(objectOf(dead), nullptr);
        QCOMPARE(SendMessage(dead, WM_USER, 1, 2), 0);
        // New widgets, often at the address of the dead one, never get its handle.
        for (int i = 0; i < 20; ++i) {
            const auto fresh = std::make_unique<QWidget>();
            QVERIFY(hwndOf(fresh.get()) > dead);
        }
    }

    void objectOfAnotherThreadIsForeign()
    {
        QThread thread;
        auto foreign = std::make_unique<QObject>();
        foreign->moveToThread(&thread);
        const Hwnd hwnd = hwndOf(foreign.get());
        QVERIFY(IsWindow(hwnd));
        QVERIFY(!isWindowOfCurrentThread(hwnd));
        QCOMPARE(SendMessage(hwnd, WM_USER, 1, 2), 0);
        QCOMPARE(SetTimer(hwnd, 1, 10, &recordTick), 0u);
        foreign.reset();
        QVERIFY(!IsWindow(hwnd));
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
        const Hwnd topHwnd = hwndOf(&top);

        QMouseEvent move(QEvent::MouseMove, QPointF(3, 4), QPointF(103, 204), Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(
            mapped(child, &move),
            (QList<Message>{{WM_NCHITTEST, 0, makeLParam(103, 204)},
                            {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, makeLParam(3, 4)}}));

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(-2, 7), QPointF(98, 207),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        const QList<Message> pressed = mapped(child, &press);
        QCOMPARE(pressed,
                 (QList<Message>{{WM_MOUSEACTIVATE, topHwnd, makeLParam(1, WM_RBUTTONDOWN)},
                                 {WM_RBUTTONDOWN, MK_RBUTTON, makeLParam(-2, 7)}}));
        QCOMPARE(xFromLParam(pressed[1].lParam), -2);
        QCOMPARE(yFromLParam(pressed[1].lParam), 7);
        QCOMPARE(yFromLParam(makeLParam(0, -300)), -300);

        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 6), QPointF(0, 0),
                            Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
        QCOMPARE(mapped(child, &release), (QList<Message>{{WM_MBUTTONUP, 0, makeLParam(5, 6)}}));
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(1, 1), QPointF(0, 0), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(mapped(child, &dbl)[0].message, WM_LBUTTONDBLCLK);
        QMouseEvent back(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(0, 0), Qt::BackButton,
                         Qt::BackButton, Qt::NoModifier);
        QCOMPARE(mapped(child, &back),
                 (QList<Message>{{kQtEventMessage + QEvent::MouseButtonPress, 0, 0}}));

        QPaintEvent paint(QRect(0, 0, 5, 5));
        QCOMPARE(mapped(child, &paint), (QList<Message>{{WM_PAINT, 0, 0}}));
        QResizeEvent resize(QSize(10, 10), QSize(5, 5));
        QCOMPARE(mapped(child, &resize), (QList<Message>{{WM_ERASEBKGND, 0, 0}}));
        QEvent show(QEvent::Show);
        QCOMPARE(mapped(child, &show), (QList<Message>{{kQtEventMessage + 17, 0, 0}}));
        WindowMessageEvent sent(WM_USER + 5, 6, 7);
        QCOMPARE(mapped(child, &sent), (QList<Message>{{WM_USER + 5, 6, 7}}));
    }

    void sendMessageReturnsTheWindowsAnswer()
    {
        AnsweringWidget answering;
        QCOMPARE(SendMessage(hwndOf(&answering), WM_USER + 1, 2, 3), 5);
        QCOMPARE(answering.received, (QList<Msg>{WM_USER + 1}));
        QWidget silent;
        QCOMPARE(SendMessage(hwndOf(&silent), WM_USER, 2, 3), 0);
    }

    void viewportsScrollAndAreHandledByTheirView()
    {
        QStandardItemModel model(200, 1);
        for (int row = 0; row < 200; ++row)
            model.setItem(row, new QStandardItem(QString::number(row)));
        QTreeView view;
        view.setModel(&model);
        view.resize(200, 150);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QList<Msg> erased;
        struct Recorder : QObject {
            QList<Msg>* out;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (const WindowMessageEvent* m = WindowMessageEvent::from(event))
                    out->append(m->message());
                return false;
            }
        } filter;
        filter.out = &erased;
        view.viewport()->installEventFilter(&filter);
        hwndOf(view.viewport());
        view.verticalScrollBar()->setValue(10);
        QCOMPARE(erased, (QList<Msg>{WM_ERASEBKGND}));

        // The widget's own handling of a viewport event is the view's.
        const QRect row13 = view.visualRect(model.index(13, 0));
        QMouseEvent press(QEvent::MouseButtonPress, row13.center(),
                          view.viewport()->mapToGlobal(row13.center()), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(CallWindowProc(view.viewport(), &press), 1);
        QCOMPARE(view.currentIndex().row(), 13);
        WindowMessageEvent message(WM_USER, 0, 0);
        QCOMPARE(CallWindowProc(view.viewport(), &message), 0);
    }

    void beginPaintValidatesOnlyInsideAPaint()
    {
        CountingPaintWidget widget;
        widget.resize(20, 20);
        const Hwnd hwnd = hwndOf(&widget);
        PaintStruct outside;
        QCOMPARE(BeginPaint(hwnd, outside), nullptr);
        QVERIFY(outside.rcPaint.isEmpty());
        QVERIFY(!EndPaint(hwnd, outside));

        PaintFilter filter;
        bool secondWasEmpty = false;
        QRect painted;
        filter.onPaint = [&](QWidget* target, QPaintEvent* event) {
            const PaintScope scope(target, event);
            PaintStruct ps;
            QPainter* dc = BeginPaint(hwnd, ps);
            if (dc)
                dc->fillRect(ps.rcPaint, Qt::red);
            painted = ps.rcPaint;
            PaintStruct again;
            secondWasEmpty = BeginPaint(hwnd, again) == nullptr;
            const bool ended = EndPaint(hwnd, ps);
            return ended && scope.validated();
        };
        widget.installEventFilter(&filter);
        const QImage image = widget.grab().toImage();
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(painted, QRect(0, 0, 20, 20));
        QVERIFY(secondWasEmpty);
        QCOMPARE(widget.paints, 0);

        widget.removeEventFilter(&filter);
        QCOMPARE(widget.grab().toImage().pixelColor(5, 5), QColor(Qt::blue));
        QCOMPARE(widget.paints, 1);
    }

    void timersCallThePlainProcedure()
    {
        QWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        const std::uint32_t before = GetTickCount();
        QVERIFY(SetTimer(hwnd, 7, 5, &recordTick) != 0);
        QTRY_VERIFY(g_ticks.size() >= 2);
        const Tick tick = g_ticks.first();
        QCOMPARE(tick.hwnd, hwnd);
        QCOMPARE(tick.msg, std::intptr_t(WM_TIMER));
        QCOMPARE(tick.id, 7);
        QVERIFY(std::uint32_t(tick.time) - before < 5000u);
        QVERIFY(KillTimer(hwnd, 7));
        QVERIFY(!KillTimer(hwnd, 7));
        const auto fired = g_ticks.size();
        QTest::qWait(30);
        QCOMPARE(g_ticks.size(), fired);

        // A second SetTimer with the same id replaces the first.
        g_selfKills = 0;
        SetTimer(hwnd, 8, 5, &recordTick);
        SetTimer(hwnd, 8, 5, &killOwnTimer);
        g_ticks.clear();
        QTRY_COMPARE(g_selfKills, 1);
        QTest::qWait(30);
        QCOMPARE(g_selfKills, 1); // it killed itself on its first tick
        QVERIFY(g_ticks.isEmpty());
        QCOMPARE(SetTimer(0, 1, 5, &recordTick), 0u);
    }

    void timersWithoutProcedureSendWmTimerAndEndWithTheirWindow()
    {
        AnsweringWidget answering;
        const Hwnd hwnd = hwndOf(&answering);
        QVERIFY(SetTimer(hwnd, 9, 5, nullptr) != 0);
        QTRY_VERIFY(answering.received.contains(WM_TIMER));
        KillTimer(hwnd, 9);

        auto doomed = std::make_unique<QWidget>();
        const Hwnd gone = hwndOf(doomed.get());
        SetTimer(gone, 3, 5, &recordTick);
        doomed.reset();
        QTest::qWait(30);
        QVERIFY(g_ticks.isEmpty());
        QVERIFY(!KillTimer(gone, 3));
    }
};

QTEST_MAIN(TestWindowPlatform)
#include "tst_windowplatform.moc"
