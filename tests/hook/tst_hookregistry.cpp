#include "../platform/TestWidgets.h"
#include "FakePlatform.h"
#include "HookRegistry.h"
#include "RecordingOwner.h"
#include "WindowHandles.h"

#include <QTest>
#include <QThread>
#include <algorithm>
#include <memory>
#include <utility>

using namespace Platform;

namespace {
// Steps on a message table: zAddMsg or zDelMsg of a message.
constexpr bool Add = true;
constexpr bool Del = false;
using TableOps = QList<std::pair<bool, Msg>>;
} // namespace

class TestHookRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fake = std::make_unique<FakePlatform>(); }
    void cleanup() { m_fake.reset(); }

    void messageTables_data()
    {
        QTest::addColumn<TableOps>("ops");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<Msg>>("messages");
        QTest::addColumn<QString>("error"); // the log line, if any
        const auto row = [](const char* name, const TableOps& ops, int count,
                            const QList<Msg>& messages, const QString& error = {}) {
            QTest::newRow(name) << ops << count << messages << error;
        };
        const Msg move = WM_MOUSEMOVE;
        const Msg down = WM_LBUTTONDOWN;
        const QString notFound = "cSubclassListView.zDelMsg: Message &H200 not found in table";
        const QString overflow =
            "cSubclassListView.zAddMsg: Message table overflow. Either increase the value of "
            "Const MSG_ENTRIES or use ALL_MESSAGES instead of specific message values";
        TableOps full;
        QList<Msg> fullMessages;
        for (Msg m = WM_USER + 1; m <= WM_USER + MSG_ENTRIES; ++m) {
            full.append({Add, m});
            fullMessages.append(m);
        }
        QList<Msg> fullWithAGap = fullMessages;
        fullWithAGap[4] = 0;
        row("duplicate", {{Add, move}, {Add, move}}, 1, {move});
        row("freed slot reused", {{Add, move}, {Add, down}, {Del, move}, {Add, WM_PAINT}}, 2,
            {WM_PAINT, down});
        row("held behind a freed slot",
            {{Add, move}, {Add, down}, {Del, move}, {Add, down}, {Del, down}}, 2, {0, 0});
        row("delete missing", {{Add, down}, {Del, move}}, 1, {down}, notFound);
        row("delete from empty", {{Del, WM_PAINT}}, 0, {},
            "cSubclassListView.zDelMsg: Message &HF not found in table");
        row("all", {{Add, ALL_MESSAGES}}, -1, {});
        row("all, then one", {{Add, ALL_MESSAGES}, {Del, move}, {Add, move}}, 1, {move}, notFound);
        row("all removed", {{Add, move}, {Add, ALL_MESSAGES}, {Del, ALL_MESSAGES}}, 0, {});
        row("33rd", full + TableOps{{Add, WM_USER + 33}}, MSG_ENTRIES, fullMessages, overflow);
        row("full, after a delete", full + TableOps{{Del, WM_USER + 5}, {Add, WM_USER + 5}},
            MSG_ENTRIES, fullWithAGap, overflow);
    }
    void messageTables()
    {
        QFETCH(TableOps, ops);
        QFETCH(int, count);
        QFETCH(QList<Msg>, messages);
        QFETCH(QString, error);
        if (!error.isEmpty())
            QTest::ignoreMessage(QtCriticalMsg, qPrintable(error));
        RecordingOwner owner;
        MessageTable table;
        for (const auto& [add, message] : ops) {
            if (add)
                owner.hooks.zAddMsg(message, table);
            else
                owner.hooks.zDelMsg(message, table);
        }
        QCOMPARE(table.count, count);
        QCOMPARE(QList<Msg>(table.messages.begin(), table.messages.begin() + std::max(count, 0)),
                 messages);
        QCOMPARE(m_fake->messages.size(), error.isEmpty() ? 0 : 1);
        // A free slot (0) is no WM_NULL entry.
        for (const Msg probe : {WM_NULL, WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_USER + 5,
                                WM_USER + 32, WM_USER + 33})
            QCOMPARE(table.matches(probe),
                     count < 0 || (probe != WM_NULL && messages.contains(probe)));
    }
    void subclassChecksInOrder()
    {
        for (int i = 0; i < 7; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^cSubclassListView\\."));
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(!owner.hooks.ssc_Subclass(0));
        const Hwnd dead = hwndOf(std::make_unique<QWidget>().get()); // gone at the semicolon
        QVERIFY(!owner.hooks.ssc_Subclass(dead));
        owner.hooks.ssc_AddMsg(hwnd, WM_PAINT, MsgBefore); // no hook yet: no window registry
        QThread thread;
        auto foreign = std::make_unique<QObject>();
        foreign->moveToThread(&thread);
        QVERIFY(!owner.hooks.ssc_Subclass(hwndOf(foreign.get())));
        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 0, 3));
        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 0, 2)); // a procedure, not a message callback
        // Hooking twice keeps the first hook.
        QCOMPARE(owner.hook(&widget, {WM_USER}, MsgBefore, 5), hwnd);
        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 9));
        QCOMPARE(SendMessage(hwnd, WM_USER, 1, 2), 3);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(owner.calls[0].userValue, 5);
        QCOMPARE(owner.calls[0].hwnd, hwnd);
        QCOMPARE(
            m_fake->messageTexts(),
            (QStringList{"Invalid window handle.", "Invalid window handle.",
                         "Thunk hasn't been initialized.",
                         "Window handle belongs to another process.", "Callback method not found.",
                         "Callback method not found.", "Window handle is already subclassed."}));
        QCOMPARE(m_fake->messages[6].title,
                 QStringLiteral("Error in cSubclassListView.ssc_Subclass"));
        QCOMPARE(m_fake->messages[6].icon, MessageIcon::Warning);
    }
    void mapFunctionUserValueAndOriginalProcedure()
    {
        RecordingOwner owner;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_Vfunction: Invalid thunk type passed");
        QCOMPARE(owner.hooks.zMap_VFunction(1, 1), nullptr);
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_VFunction: Thunk hasn't been initialized");
        QCOMPARE(owner.hooks.zMap_VFunction(2, HookRegistry::kCallbackKind), nullptr);
        QCOMPARE(m_fake->messages[0].title,
                 QStringLiteral("Error in cSubclassListView.zMap_Vfunction"));
        AnsweringWidget widget;
        AnsweringWidget other;
        const Hwnd hwnd = owner.hook(&widget, {ALL_MESSAGES}, MsgBefore, 42);
        QCOMPARE(owner.hooks.ssc_UserValue(hwnd), 42);
        owner.hooks.ssc_UserValue(hwnd, 7);
        owner.onMessage = [](const RecordingOwner::Call&, bool&, LResult&,
                             std::intptr_t& userValue) { userValue = 9; };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QCOMPARE(owner.calls[0].userValue, 7);
        QCOMPARE(owner.hooks.ssc_UserValue(hwnd), 9);
        // The original procedure answers without passing the hook.
        QCOMPARE(owner.hooks.ssc_CallOriginal(hwnd, WM_USER + 1, 4, 5), 9);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(widget.received, (QList<Msg>{WM_USER, WM_USER + 1}));
        // A window the registry does not hold: every operation is silent.
        const Hwnd unhooked = hwndOf(&other);
        owner.hooks.ssc_AddMsg(unhooked, WM_USER, MsgBefore);
        owner.hooks.ssc_DelMsg(unhooked, WM_USER, MsgBefore);
        owner.hooks.ssc_UserValue(unhooked, 3);
        QCOMPARE(owner.hooks.ssc_UserValue(unhooked), 0);
        QCOMPARE(owner.hooks.ssc_CallOriginal(unhooked, WM_USER, 1, 1), 0);
        owner.hooks.ssc_UnSubclass(unhooked);
        QCOMPARE(m_fake->messages.size(), 2);
        QCOMPARE(SendMessage(unhooked, WM_USER, 1, 1), 2);
        QCOMPARE(owner.calls.size(), 1);
    }
    void theRegistryEndRemovesEveryHookSilently()
    {
        AnsweringWidget first;
        AnsweringWidget second;
        RecordingOwner watcher; // sees what reaches the widgets after the owner ends
        watcher.hook(&first, {WM_USER}, MsgBefore);
        int ownerCalls = 0;
        {
            RecordingOwner owner;
            owner.hook(&first, {ALL_MESSAGES});
            owner.hook(&second, {ALL_MESSAGES});
            owner.onMessage = [&](auto&&...) { ++ownerCalls; };
        }
        QCOMPARE(second.received, (QList<Msg>{WM_NULL}));
        QCOMPARE(SendMessage(hwndOf(&first), WM_USER, 1, 1), 2);
        QCOMPARE(SendMessage(hwndOf(&second), WM_USER, 1, 1), 2);
        QCOMPARE(ownerCalls, 0); // not even the WM_NULL that removed each hook
        QCOMPARE(watcher.calls.size(), 1);
        QVERIFY(m_fake->messages.isEmpty());
        // Hooked again, each window's chain goes on from the hooks still there.
        RecordingOwner again;
        again.hook(&first, {WM_USER}, MsgBefore);
        again.hook(&second, {WM_USER}, MsgBefore);
        QCOMPARE(again.hooks.ssc_CallOriginal(hwndOf(&first), WM_USER, 1, 1), 2);
        QCOMPARE(again.hooks.ssc_CallOriginal(hwndOf(&second), WM_USER, 1, 1), 2);
        QCOMPARE(watcher.calls.size(), 2);
        QVERIFY(again.calls.isEmpty());
    }
    void setCallbackAddrReusesAnEntryOrRefuses()
    {
        RecordingOwner owner;
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^cSubclassListView\\."));
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(-1, 2));
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(CallbackEntry::kMaxParamCount + 1, 2));
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(4, 7));
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(4, 1)); // a message callback
        QCOMPARE(m_fake->messageTexts(),
                 (QStringList{"Invalid Parameter count.", "Invalid Parameter count.",
                              "Callback address not found..", "Callback address not found.."}));
        QCOMPARE(m_fake->messages[0].title,
                 QStringLiteral("Error in cSubclassListView.scb_SetCallbackAddr"));
        QCOMPARE(owner.hooks.zMap_VFunction(2, HookRegistry::kCallbackKind), nullptr);
        const ProcAddress first = owner.hooks.scb_SetCallbackAddr(4, 2);
        QVERIFY(first && owner.hooks.scb_SetCallbackAddr(4, 2) == first);
        // The parameter count of an existing entry is not compared.
        QVERIFY(owner.hooks.scb_SetCallbackAddr(-1, 2) == first);
        // Another registry's entry, for the first owner's routine.
        RecordingOwner other;
        owner.onProcedure = [](int, std::span<const std::intptr_t> a, std::intptr_t& r) {
            r = a[0] - a[1];
        };
        const ProcAddress lent = other.hooks.scb_SetCallbackAddr(2, 2, &owner);
        QVERIFY(lent != first);
        QCOMPARE(procCast<EntryProc2>(lent)(5, 6), -1);
        QCOMPARE(m_fake->messages.size(), 4);
    }
    void releaseAndTerminate()
    {
        RecordingOwner owner;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_VFunction: Thunk hasn't been initialized");
        owner.hooks.scb_Release(2); // no callback registry yet
        owner.hooks.scb_Terminate();
        owner.routines[3] = HookOwner::Routine::Procedure;
        owner.onProcedure = [](int, std::span<const std::intptr_t> a, std::intptr_t& r) {
            r = a[0] + 1;
        };
        const ProcAddress address = owner.hooks.scb_SetCallbackAddr(1, 2);
        QCOMPARE(procCast<EntryProc1>(address)(41), 42);
        owner.hooks.scb_Release(4); // not there: nothing happens
        owner.hooks.scb_Release(2);
        QCOMPARE(procCast<EntryProc1>(address)(41), 0); // no longer reaches its owner
        const ProcAddress again = owner.hooks.scb_SetCallbackAddr(1, 2);
        QVERIFY(owner.hooks.scb_SetCallbackAddr(1, 3));
        QVERIFY(again != address); // the released address stays dead for a while
        QCOMPARE(procCast<EntryProc1>(address)(41), 0);
        QCOMPARE(procCast<EntryProc1>(again)(1), 2);
        owner.hooks.scb_Terminate();
        QCOMPARE(procCast<EntryProc1>(again)(1), 0);
        QCOMPARE(owner.hooks.zMap_VFunction(3, HookRegistry::kCallbackKind), nullptr);
        QCOMPARE(m_fake->messages.size(), 1);
    }
    void anExhaustedPoolIsReported()
    {
        RecordingOwner owner;
        for (int ordinal = 2; ordinal < 2 + CallbackEntry::kPoolSize + 1; ++ordinal)
            owner.routines[ordinal] = HookOwner::Routine::Procedure;
        for (int i = 0; i < CallbackEntry::kPoolSize; ++i)
            QVERIFY(owner.hooks.scb_SetCallbackAddr(0, 2 + i));
        QTest::ignoreMessage(
            QtCriticalMsg, "cSubclassListView.scb_SetCallbackAddr: VirtualAlloc failed, error: 8");
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(0, 2 + CallbackEntry::kPoolSize));
        owner.hooks.scb_Release(2);
        QVERIFY(owner.hooks.scb_SetCallbackAddr(0, 2 + CallbackEntry::kPoolSize));
        QCOMPARE(m_fake->messages.size(), 1);
    }

private:
    std::unique_ptr<FakePlatform> m_fake;
};

QTEST_MAIN(TestHookRegistry)
#include "tst_hookregistry.moc"
