#include "../platform/TestWidgets.h"
#include "FakePlatform.h"
#include "HookRegistry.h"
#include "Painting.h"
#include "RecordingOwner.h"
#include "WindowHandles.h"

#include <QPointer>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>
#include <array>
#include <memory>

using namespace Platform;
using Call = RecordingOwner::Call;

namespace {

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
        const Hwnd hwnd = owner.hook(&widget, {WM_USER});
        // A before-call's value is replaced by the previous procedure's result,
        // which the after-call gets and may change.
        owner.onMessage = [](const Call& call, bool&, LResult& retValue, std::intptr_t&) {
            retValue = call.before ? 99 : retValue * 10;
        };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 50);
        QCOMPARE(owner.calls.size(), 2);
        QCOMPARE(QList<LResult>({owner.calls[0].retValueIn, owner.calls[1].retValueIn}),
                 QList<LResult>({0, 5}));
        owner.hooks.ssc_DelMsg(hwnd, WM_USER, MsgAfter);
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QCOMPARE(widget.received.size(), 2);
    }
    void aClickReachesTheWidgetBetweenTheCallsUnlessHandled()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const Hwnd hwnd = owner.hook(&widget, {WM_USER, WM_LBUTTONDOWN});
        QList<int> pressesSeen;
        bool handle = false;
        owner.onMessage = [&](const Call&, bool& handled, LResult& retValue, std::intptr_t&) {
            pressesSeen.append(widget.presses);
            handled = handle;
            if (handle)
                retValue = 1;
        };
        QTest::mousePress(&widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 5));
        QCOMPARE(pressesSeen, (QList<int>{0, 1}));
        QCOMPARE(std::pair(owner.calls[0].wParam, owner.calls[0].lParam),
                 std::pair(WParam(MK_LBUTTON | MK_SHIFT), makeLParam(4, 5)));
        QCOMPARE(owner.calls[1].retValueIn, 1);
        QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(4, 5));
        // Handled: neither the widget nor the after-call sees the message.
        handle = true;
        owner.calls.clear();
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 1);
        QVERIFY(widget.received.isEmpty());
        QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(std::pair(widget.presses, widget.releases), std::pair(1, 2));
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_USER, WM_LBUTTONDOWN}));
        QVERIFY(owner.messages(false).isEmpty());
    }
    void destroyAlwaysReachesTheWidgetAndUnhooks()
    {
        RecordingOwner owner;
        RecordingOwner outer; // hooked later, so it sees each message first
        auto parent = std::make_unique<QWidget>();
        auto* widget = new CountingWidget;
        widget->setParent(parent.get());
        const Hwnd hwnd = owner.hook(widget, {WM_DESTROY});
        outer.hook(widget, {WM_DESTROY}, MsgBefore);
        bool liveDuringDestroy = false;
        const auto handleIt = [&](const Call& call, bool& handled, LResult&, std::intptr_t&) {
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
        const Hwnd hwnd = owner.hook(&widget, {WM_LBUTTONDOWN, WM_USER});
        LResult nested = 0;
        QList<int> depths;
        owner.onMessage = [&](const Call& call, bool&, LResult&, std::intptr_t&) {
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
        const Hwnd hwnd = owner.hook(&widget, {WM_USER});
        const QPointer<HookRecord> record = recordOf(owner.hooks, hwnd);
        bool recordKept = false;
        owner.onMessage = [&](const Call&, bool&, LResult& retValue, std::intptr_t&) {
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
        // The same from the after-call of a real event, which the hook passes
        // to the widget itself; the window can be hooked again.
        owner.hook(&widget, {WM_LBUTTONDOWN}, MsgAfter);
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
        const Hwnd hwnd = owner.hook(child.get(), {WM_LBUTTONDOWN, WM_USER, WM_DESTROY});
        owner.onMessage = [&](const Call& call, bool&, LResult&, std::intptr_t&) {
            if (call.before && call.message == WM_LBUTTONDOWN)
                child.reset();
        };
        pressLeft(child.get(), QPoint(1, 1));
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_LBUTTONDOWN, WM_DESTROY}));
        // Nested inside the press, the destroy still gets its after-call; the
        // press does not, its window being gone.
        QCOMPARE(owner.messages(false), (QList<Msg>{WM_DESTROY}));
        QCOMPARE(owner.hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind), nullptr);
    }
    // Hooks of several owners on one window, installed E (earliest), M, L:
    // each hook's previous procedure is the hook installed before it.
    void stackedHooksCallTheirPreviousHook_data()
    {
        QTest::addColumn<QList<int>>("tables"); // MsgWhen of each hook, earliest first
        QTest::addColumn<int>("handler");       // its before-call handles; -1 none
        QTest::addColumn<int>("unhooked");      // removed before the message; -1 none
        QTest::addColumn<QString>("via");       // SendMessage, a click or L's ssc_CallOriginal
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("reached"); // the widget handled the message
        const auto row = [](const char* name, const QList<int>& tables, int handler, int unhooked,
                            const char* via, const char* order, bool reached) {
            QTest::newRow(name) << tables << handler << unhooked << QString(via) << QString(order)
                                << reached;
        };
        const QList<int> two{MsgBeforeAndAfter, MsgBeforeAndAfter};
        const QList<int> three{MsgBeforeAndAfter, MsgBeforeAndAfter, MsgBeforeAndAfter};
        row("after tables", two, -1, -1, "send", "Lb Eb Ea La", true);
        row("a click", two, -1, -1, "click", "Lb Eb Ea La", true);
        row("only L after", {MsgBefore, MsgAfter}, -1, -1, "send", "Eb La", true);
        row("E handles", two, 0, -1, "send", "Lb Eb La", false);
        row("L handles", two, 1, -1, "send", "Lb", false);
        row("three", three, -1, -1, "send", "Lb Mb Eb Ea Ma La", true);
        row("three, M before only", {MsgBeforeAndAfter, MsgBefore, MsgBeforeAndAfter}, -1, -1,
            "send", "Lb Mb Eb Ea La", true);
        row("three, M handles", three, 1, -1, "send", "Lb Mb La", false);
        row("L unhooked", two, -1, 1, "send", "Eb Ea", true);
        row("three, M unhooked", three, -1, 1, "send", "Lb Eb Ea La", true);
        row("call original", two, -1, -1, "original", "Eb Ea", true);
        row("call original, E handles", two, 0, -1, "original", "Eb", false);
        row("call original, M unhooked", three, -1, 1, "original", "Eb Ea", true);
    }
    void stackedHooksCallTheirPreviousHook()
    {
        QFETCH(QList<int>, tables);
        QFETCH(int, handler);
        QFETCH(int, unhooked);
        QFETCH(QString, via);
        QFETCH(QString, order);
        QFETCH(bool, reached);
        CountingWidget widget;
        std::array<RecordingOwner, 3> owners;
        const QString names = tables.size() == 2 ? QStringLiteral("EL") : QStringLiteral("EML");
        QStringList seen;
        Hwnd hwnd = 0;
        for (int i = 0; i < tables.size(); ++i) {
            RecordingOwner& owner = owners[static_cast<std::size_t>(i)];
            hwnd = owner.hook(&widget, {WM_USER, WM_LBUTTONDOWN}, MsgWhen(tables[i]));
            owner.onMessage = [&, i](const Call& call, bool& handled, LResult& retValue,
                                     std::intptr_t&) {
                seen.append(names[i] + QLatin1Char(call.before ? 'b' : 'a'));
                if (call.before && i == handler) {
                    handled = true;
                    retValue = 7;
                }
            };
        }
        if (unhooked >= 0)
            owners[static_cast<std::size_t>(unhooked)].hooks.ssc_UnSubclass(hwnd);
        RecordingOwner& latest = owners[static_cast<std::size_t>(tables.size() - 1)];
        if (via == QLatin1String("click")) {
            pressLeft(&widget, QPoint(1, 1));
            QCOMPARE(widget.presses, reached ? 1 : 0);
        } else {
            const LResult result = via == QLatin1String("original")
                                       ? latest.hooks.ssc_CallOriginal(hwnd, WM_USER, 2, 3)
                                       : SendMessage(hwnd, WM_USER, 2, 3);
            QCOMPARE(result, reached ? 5 : 7);
            QCOMPARE(widget.received.count(WM_USER), reached ? 1 : 0);
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), order);
    }
    void aPaintingBeforeCallLeavesTheWidgetNothingToPaint()
    {
        RecordingOwner owner;
        CountingWidget widget;
        widget.resize(30, 30);
        const Hwnd hwnd = owner.hook(&widget, {WM_PAINT});
        PaintStruct outside; // outside a WM_PAINT there is nothing to paint
        QCOMPARE(BeginPaint(hwnd, outside), nullptr);
        QVERIFY(!EndPaint(hwnd, outside));
        QRect painted;
        bool secondEmpty = false;
        bool ended = false;
        owner.onMessage = [&](const Call& call, bool&, LResult&, std::intptr_t&) {
            if (!call.before)
                return;
            PaintStruct ps;
            if (QPainter* dc = BeginPaint(call.hwnd, ps))
                dc->fillRect(ps.rcPaint, Qt::red);
            painted = ps.rcPaint;
            PaintStruct again;
            secondEmpty = BeginPaint(call.hwnd, again) == nullptr;
            ended = EndPaint(call.hwnd, ps);
        };
        QCOMPARE(widget.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(painted, QRect(0, 0, 30, 30));
        QVERIFY(secondEmpty && ended);
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
        QTreeView view;
        view.setModel(&model);
        view.resize(200, 150);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        RecordingOwner owner;
        const Hwnd hwnd = owner.hook(view.viewport(), {WM_LBUTTONDOWN});
        owner.hooks.ssc_AddMsg(hwnd, WM_ERASEBKGND, MsgBefore);
        QList<int> currentRows;
        owner.onMessage = [&](const Call& call, bool&, LResult&, std::intptr_t&) {
            if (call.message == WM_LBUTTONDOWN)
                currentRows.append(view.currentIndex().row());
        };
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                          view.visualRect(model.index(3, 0)).center());
        // The view handled the click between the before-call and the after-call.
        QVERIFY(currentRows.size() == 2 && currentRows[0] != 3 && currentRows[1] == 3);
        owner.calls.clear();
        view.verticalScrollBar()->setValue(20);
        QCOMPARE(owner.messages(true), (QList<Msg>{WM_ERASEBKGND}));
    }

private:
    std::unique_ptr<FakePlatform> m_fake;
};

QTEST_MAIN(TestHookDispatch)
#include "tst_hookdispatch.moc"
