#include "FakePlatform.h"
#include "HookRegistry.h"
#include "Painting.h"
#include "RecordingOwner.h"
#include "TestWidgets.h"
#include "WindowHandles.h"

#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <memory>

using namespace Platform;

namespace {

QList<Msg> onlyWindowMessages(const QList<Msg>& messages)
{
    QList<Msg> list;
    for (const Msg m : messages) {
        if (m < kQtEventMessage)
            list.append(m);
    }
    return list;
}

HookRecord* recordOf(HookRegistry& hooks, Hwnd hwnd)
{
    return dynamic_cast<HookRecord*>(hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind));
}

void pressLeft(QWidget* widget, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

} // namespace

class TestHookDispatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fake = std::make_unique<FakePlatform>(); }
    void cleanup()
    {
        QVERIFY2(m_fake->messages.isEmpty(), qPrintable(m_fake->messageTexts().join('|')));
        m_fake.reset();
    }

    void beforeThenPreviousThenAfter()
    {
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBeforeAndAfter);

        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QCOMPARE(owner.calls.size(), 2);
        QVERIFY(owner.calls[0].before);
        QCOMPARE(owner.calls[0].retValueIn, 0);
        QVERIFY(!owner.calls[1].before);
        QCOMPARE(owner.calls[1].retValueIn, 5); // the previous procedure's result
        QCOMPARE(owner.calls[1].wParam, 2);
        QCOMPARE(owner.calls[1].lParam, 3);

        // A before-call's value is replaced by the previous procedure's result;
        // the after-call may change the result.
        owner.calls.clear();
        owner.onMessage = [](const RecordingOwner::Call& call, bool&, LResult& retValue,
                             std::intptr_t&) { retValue = call.before ? 99 : retValue * 10; };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 50);
        QCOMPARE(owner.calls[1].retValueIn, 5);
        owner.hooks.ssc_DelMsg(hwnd, WM_USER, MsgAfter);
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QCOMPARE(widget.received.size(), 3);
    }

    void afterCallSeesTheWidgetsOwnHandlingOfAClick()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgBeforeAndAfter);
        QList<int> pressesSeen;
        owner.onMessage = [&](const RecordingOwner::Call&, bool&, LResult&, std::intptr_t&) {
            pressesSeen.append(widget.presses);
        };
        QTest::mousePress(&widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 5));
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_LBUTTONDOWN}));
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_LBUTTONDOWN}));
        QCOMPARE(pressesSeen, (QList<int>{0, 1}));
        QCOMPARE(owner.calls[0].lParam, makeLParam(4, 5));
        QCOMPARE(owner.calls[0].wParam, MK_LBUTTON | MK_SHIFT);
        QCOMPARE(owner.calls[1].retValueIn, 1);
        QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(4, 5));
        QCOMPARE(widget.presses, 1);
        QCOMPARE(widget.releases, 1);
    }

    void handledSkipsTheWidgetAndTheAfterCall()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBeforeAndAfter);
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgBeforeAndAfter);
        owner.onMessage = [](const RecordingOwner::Call&, bool& handled, LResult& retValue,
                             std::intptr_t&) {
            handled = true;
            retValue = 1;
        };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 1);
        QVERIFY(widget.received.isEmpty());
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(widget.presses, 0);
        QCOMPARE(widget.releases, 1);
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_USER, WM_LBUTTONDOWN}));
        QVERIFY(owner.messages(false).isEmpty());
    }

    void allMessagesSeesEveryEventAsAMessage()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.setMouseTracking(true);
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, ALL_MESSAGES, MsgBefore);

        QTest::mouseMove(&widget, QPoint(10, 12));
        QTRY_VERIFY(owner.messages(true).contains(WM_MOUSEMOVE));
        QCOMPARE(onlyWindowMessages(owner.messages(true)),
                 (QList<Msg>{WM_NCHITTEST, WM_MOUSEMOVE}));
        QCOMPARE(owner.calls.last().lParam, makeLParam(10, 12));
        QCOMPARE(widget.moves, 1);

        owner.calls.clear();
        QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(10, 12));
        QCOMPARE(onlyWindowMessages(owner.messages(true)),
                 (QList<Msg>{WM_MOUSEACTIVATE, WM_RBUTTONDOWN, WM_RBUTTONUP}));
        owner.calls.clear();
        QTest::mouseDClick(&widget, Qt::LeftButton, {}, QPoint(10, 12));
        QVERIFY(owner.messages(true).contains(WM_LBUTTONDBLCLK));

        owner.calls.clear();
        widget.resize(60, 60);
        widget.repaint();
        QVERIFY(owner.messages(true).contains(WM_ERASEBKGND));
        QVERIFY(owner.messages(true).contains(WM_PAINT));
        widget.hide();
        QVERIFY(owner.messages(true).contains(kQtEventMessage + QEvent::Hide));
    }

    void destroyAlwaysReachesTheWidgetAndUnhooks()
    {
        RecordingOwner owner;
        RecordingOwner outer; // hooked later, so it sees each message first
        auto parent = std::make_unique<QWidget>();
        auto* widget = new CountingWidget;
        widget->setParent(parent.get());
        const Hwnd hwnd = hwndOf(widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd, 3));
        owner.hooks.ssc_AddMsg(hwnd, WM_DESTROY, MsgBeforeAndAfter);
        QVERIFY(outer.hooks.ssc_Subclass(hwnd));
        outer.hooks.ssc_AddMsg(hwnd, WM_DESTROY, MsgBefore);
        bool liveDuringDestroy = false;
        const auto handleIt = [&](const RecordingOwner::Call& call, bool& handled, LResult&,
                                  std::intptr_t&) {
            handled = true;
            liveDuringDestroy = IsWindow(call.hwnd) && widgetOf(call.hwnd) != nullptr;
        };
        owner.onMessage = handleIt;
        outer.onMessage = handleIt;

        parent.reset();
        QCOMPARE(outer.messages(true), (QList<Msg>{WM_DESTROY}));
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_DESTROY}));
        QVERIFY(owner.messages(false).isEmpty()); // removed at once, no after-call
        QVERIFY(liveDuringDestroy);
        QVERIFY(!IsWindow(hwnd));

        // The hook is gone; its registry entry stays until withdrawn, silently.
        owner.hooks.ssc_AddMsg(hwnd, WM_PAINT, MsgBefore);
        QCOMPARE(owner.hooks.ssc_UserValue(hwnd), 0);
        QCOMPARE(owner.hooks.ssc_CallOriginal(hwnd, WM_USER, 1, 1), 0);
        owner.hooks.ssc_Terminate();
        owner.hooks.ssc_UnSubclass(hwnd);
        QCOMPARE(owner.hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind), nullptr);
    }

    void aCallbackSendsToItsOwnWindow()
    {
        RecordingOwner owner;
        CountingWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgBeforeAndAfter);
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBeforeAndAfter);
        LResult nested = 0;
        QList<int> depths;
        owner.onMessage = [&](const RecordingOwner::Call& call, bool&, LResult&, std::intptr_t&) {
            depths.append(recordOf(owner.hooks, hwnd)->activeCalls());
            if (call.message == WM_LBUTTONDOWN && call.before)
                nested = SendMessage(hwnd, WM_USER, 2, 3);
        };
        pressLeft(&widget, QPoint(1, 1));
        QCOMPARE(nested, 5);
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_LBUTTONDOWN, WM_USER}));
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_USER, WM_LBUTTONDOWN}));
        QCOMPARE(depths, (QList<int>{1, 2, 2, 1}));
        QCOMPARE(owner.calls[2].retValueIn, 5);
        QCOMPARE(widget.presses, 1);
        QCOMPARE(recordOf(owner.hooks, hwnd)->activeCalls(), 0);
    }

    void unhookingFromInsideACallbackWaitsForTheOutermostMessage()
    {
        RecordingOwner owner;
        CountingWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBeforeAndAfter);
        const QPointer<HookRecord> record = recordOf(owner.hooks, hwnd);
        QVERIFY(record);
        bool recordKept = false;
        owner.onMessage = [&](const RecordingOwner::Call&, bool&, LResult& retValue,
                              std::intptr_t&) {
            owner.hooks.ssc_UnSubclass(hwnd);
            recordKept = record && record->activeCalls() == 1 &&
                         record->shutdownFlag() == HookRecord::UnsubclassRequested;
            retValue = 77;
        };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5); // the previous procedure's result
        QVERIFY(recordKept);
        QVERIFY(!record); // released once the outer call was done
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_USER}));
        QVERIFY(owner.messages(false).isEmpty());
        QCOMPARE(widget.received, (QList<Msg>{WM_NULL, WM_USER}));

        // The same from an after-call of a real event, which the hook
        // passes to the widget itself.
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgAfter);
        const QPointer<HookRecord> second = recordOf(owner.hooks, hwnd);
        owner.calls.clear();
        pressLeft(&widget, QPoint(1, 1));
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_LBUTTONDOWN}));
        QCOMPARE(widget.presses, 1);
        QVERIFY(!second);
        pressLeft(&widget, QPoint(1, 1));
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(widget.presses, 2);
    }

    void aWindowDestroyedInsideItsOwnCallback()
    {
        RecordingOwner owner;
        QWidget parent;
        auto child = std::make_unique<CountingWidget>();
        child->setParent(&parent);
        const Hwnd hwnd = hwndOf(child.get());
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgBeforeAndAfter);
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBeforeAndAfter);
        owner.hooks.ssc_AddMsg(hwnd, WM_DESTROY, MsgBeforeAndAfter);
        owner.onMessage = [&](const RecordingOwner::Call& call, bool&, LResult&, std::intptr_t&) {
            if (call.before && call.message == WM_LBUTTONDOWN)
                child.reset();
        };
        pressLeft(child.get(), QPoint(1, 1));
        QVERIFY(!IsWindow(hwnd));
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_LBUTTONDOWN, WM_DESTROY}));
        // Nested inside the press, the destroy still gets its after-call; the
        // press does not, its window being gone.
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_DESTROY}));
        QCOMPARE(owner.hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind), nullptr);
    }

    void twoOwnersHookTheirOwnWindows()
    {
        RecordingOwner first;
        RecordingOwner second;
        AnsweringWidget a;
        AnsweringWidget b;
        QVERIFY(first.hooks.ssc_Subclass(hwndOf(&a), 1));
        QVERIFY(second.hooks.ssc_Subclass(hwndOf(&b), 2));
        first.hooks.ssc_AddMsg(hwndOf(&a), WM_USER, MsgBefore);
        second.hooks.ssc_AddMsg(hwndOf(&b), WM_USER, MsgBefore);
        SendMessage(hwndOf(&a), WM_USER, 0, 0);
        SendMessage(hwndOf(&b), WM_USER, 0, 0);
        QCOMPARE(first.calls.size(), 1);
        QCOMPARE(first.calls[0].hwnd, hwndOf(&a));
        QCOMPARE(second.calls.size(), 1);
        QCOMPARE(second.calls[0].userValue, 2);

        first.hooks.ssc_Terminate();
        SendMessage(hwndOf(&a), WM_USER, 0, 0);
        SendMessage(hwndOf(&b), WM_USER, 0, 0);
        QCOMPARE(first.calls.size(), 1);
        QCOMPARE(second.calls.size(), 2);

        // Both on one window: the later hook comes first, the earlier one
        // keeps working when the later one goes.
        QVERIFY(first.hooks.ssc_Subclass(hwndOf(&b)));
        first.hooks.ssc_AddMsg(hwndOf(&b), WM_USER, MsgBefore);
        QList<int> order;
        first.onMessage = [&](auto&&...) { order.append(1); };
        second.onMessage = [&](auto&&...) { order.append(2); };
        SendMessage(hwndOf(&b), WM_USER, 0, 0);
        QCOMPARE(order, (QList<int>{1, 2}));
        first.hooks.ssc_UnSubclass(hwndOf(&b));
        SendMessage(hwndOf(&b), WM_USER, 0, 0);
        QCOMPARE(order, (QList<int>{1, 2, 2}));
    }

    void aPaintingBeforeCallLeavesTheWidgetNothingToPaint()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.resize(30, 30);
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_PAINT, MsgBeforeAndAfter);
        owner.onMessage = [&](const RecordingOwner::Call& call, bool&, LResult&, std::intptr_t&) {
            if (!call.before)
                return;
            PaintStruct ps;
            if (QPainter* dc = BeginPaint(call.hwnd, ps))
                dc->fillRect(ps.rcPaint, Qt::red);
            EndPaint(call.hwnd, ps);
        };
        QCOMPARE(widget.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(widget.paints, 0);
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_PAINT}));
        QCOMPARE(owner.calls.last().retValueIn, 0);

        owner.onMessage = nullptr; // a before-call that does not paint
        QCOMPARE(widget.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));
        QCOMPARE(widget.paints, 1);
    }

    void aListViewportStillWorksUnderItsHook()
    {
        QStandardItemModel model(100, 1);
        for (int row = 0; row < 100; ++row)
            model.setItem(row, new QStandardItem(QStringLiteral("row %1").arg(row)));
        QTreeView view;
        view.setModel(&model);
        view.resize(200, 150);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        RecordingOwner owner;
        const Hwnd hwnd = hwndOf(view.viewport());
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        owner.hooks.ssc_AddMsg(hwnd, WM_LBUTTONDOWN, MsgBeforeAndAfter);
        owner.hooks.ssc_AddMsg(hwnd, WM_ERASEBKGND, MsgBefore);
        QList<int> currentRows;
        owner.onMessage = [&](const RecordingOwner::Call& call, bool&, LResult&, std::intptr_t&) {
            if (call.message == WM_LBUTTONDOWN)
                currentRows.append(view.currentIndex().row());
        };
        const QPoint row3 = view.visualRect(model.index(3, 0)).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, row3);
        QCOMPARE(currentRows.size(), 2);
        QVERIFY(currentRows[0] != 3);
        QCOMPARE(currentRows[1], 3); // the view handled the click before the after-call
        QCOMPARE(view.currentIndex().row(), 3);

        owner.calls.clear();
        view.verticalScrollBar()->setValue(20);
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_ERASEBKGND}));
        view.resize(220, 160);
        QTRY_COMPARE(owner.messages(true).size(), 2);
    }

private:
    std::unique_ptr<FakePlatform> m_fake;
};

QTEST_MAIN(TestHookDispatch)
#include "tst_hookdispatch.moc"
