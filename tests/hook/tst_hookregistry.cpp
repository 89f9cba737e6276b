#include "FakePlatform.h"
#include "HookRegistry.h"
#include "RecordingOwner.h"
#include "TestWidgets.h"
#include "WindowHandles.h"

#include <QTest>
#include <QThread>
#include <memory>

using namespace Platform;

namespace {
const QString kOverflow =
    QStringLiteral("Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                   "ALL_MESSAGES instead of specific message values");

QList<Msg> used(const MessageTable& table)
{
    QList<Msg> list;
    for (std::int32_t i = 0; i < table.count; ++i)
        list.append(table.messages[static_cast<std::size_t>(i)]);
    return list;
}
} // namespace

class TestHookRegistry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void errorsGoToTheLogAndAMessageBox()
    {
        FakePlatform fake;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.ssc_Subclass: Invalid window handle");
        HookRegistry::zReportError(QStringLiteral("ssc_Subclass"),
                                   QStringLiteral("Invalid window handle"));
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].title, QStringLiteral("Error in cSubclassListView.ssc_Subclass"));
        QCOMPARE(fake.messages[0].text, QStringLiteral("Invalid window handle."));
        QCOMPARE(fake.messages[0].icon, MessageIcon::Warning);
    }

    void tablesKeepOneSlotPerMessageAndReuseFreedSlots()
    {
        FakePlatform fake;
        RecordingOwner owner;
        MessageTable table;
        owner.hooks.zAddMsg(WM_MOUSEMOVE, table);
        owner.hooks.zAddMsg(WM_MOUSEMOVE, table);
        QCOMPARE(used(table), (QList<Msg>{WM_MOUSEMOVE}));
        owner.hooks.zAddMsg(WM_LBUTTONDOWN, table);
        owner.hooks.zDelMsg(WM_MOUSEMOVE, table);
        QCOMPARE(used(table), (QList<Msg>{0, WM_LBUTTONDOWN}));
        QVERIFY(!table.matches(WM_MOUSEMOVE));
        QVERIFY(!table.matches(WM_NULL)); // a free slot is not a WM_NULL entry
        owner.hooks.zAddMsg(WM_PAINT, table);
        QCOMPARE(used(table), (QList<Msg>{WM_PAINT, WM_LBUTTONDOWN}));
        QVERIFY(table.matches(WM_PAINT) && table.matches(WM_LBUTTONDOWN));
        QVERIFY(fake.messages.isEmpty());

        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zDelMsg: Message &H200 not found in table");
        owner.hooks.zDelMsg(WM_MOUSEMOVE, table);
        MessageTable empty;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zDelMsg: Message &HF not found in table");
        owner.hooks.zDelMsg(WM_PAINT, empty);
        QCOMPARE(fake.messageTexts(), (QStringList{"Message &H200 not found in table.",
                                                   "Message &HF not found in table."}));
        QCOMPARE(fake.messages[0].title, QStringLiteral("Error in cSubclassListView.zDelMsg"));
        QCOMPARE(used(table), (QList<Msg>{WM_PAINT, WM_LBUTTONDOWN}));
    }

    void aFullTableRefusesEveryAddEvenAfterADelete()
    {
        FakePlatform fake;
        RecordingOwner owner;
        MessageTable table;
        for (Msg m = 1; m <= MSG_ENTRIES; ++m)
            owner.hooks.zAddMsg(WM_USER + m, table);
        QCOMPARE(table.count, MSG_ENTRIES);
        QVERIFY(fake.messages.isEmpty());
        QTest::ignoreMessage(QtCriticalMsg,
                             qPrintable(QStringLiteral("cSubclassListView.zAddMsg: ") + kOverflow));
        owner.hooks.zAddMsg(WM_USER + 33, table);
        owner.hooks.zDelMsg(WM_USER + 5, table);
        QTest::ignoreMessage(QtCriticalMsg,
                             qPrintable(QStringLiteral("cSubclassListView.zAddMsg: ") + kOverflow));
        owner.hooks.zAddMsg(WM_USER + 5, table);
        QCOMPARE(fake.messageTexts(), (QStringList{kOverflow + '.', kOverflow + '.'}));
        QCOMPARE(fake.messages[0].title, QStringLiteral("Error in cSubclassListView.zAddMsg"));
        QVERIFY(!table.matches(WM_USER + 5));
        QVERIFY(!table.matches(WM_USER + 33));
        QVERIFY(table.matches(WM_USER + 32));
    }

    void allMessagesThenASpecificMessage()
    {
        FakePlatform fake;
        RecordingOwner owner;
        MessageTable table;
        owner.hooks.zAddMsg(ALL_MESSAGES, table);
        QCOMPARE(table.count, -1);
        QVERIFY(table.matches(WM_PAINT) && table.matches(WM_NULL) &&
                table.matches(kQtEventMessage + 17));
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zDelMsg: Message &H200 not found in table");
        owner.hooks.zDelMsg(WM_MOUSEMOVE, table); // not held as a specific message
        owner.hooks.zAddMsg(WM_MOUSEMOVE, table);
        QCOMPARE(used(table), (QList<Msg>{WM_MOUSEMOVE}));
        QVERIFY(!table.matches(WM_PAINT));
        owner.hooks.zDelMsg(ALL_MESSAGES, table);
        QCOMPARE(table.count, 0);
        QVERIFY(!table.matches(WM_MOUSEMOVE));
        QCOMPARE(fake.messages.size(), 1);
    }

    void subclassChecksInOrder()
    {
        FakePlatform fake;
        for (int i = 0; i < 6; ++i)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^cSubclassListView\\."));
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);

        QVERIFY(!owner.hooks.ssc_Subclass(0));
        Hwnd dead = 0;
        {
            const auto gone = std::make_unique<QWidget>();
            dead = hwndOf(gone.get());
        }
        QVERIFY(!owner.hooks.ssc_Subclass(dead));
        // No hook yet, so no window registry either.
        owner.hooks.ssc_AddMsg(hwnd, WM_PAINT, MsgBefore);

        QThread thread;
        auto foreign = std::make_unique<QObject>();
        foreign->moveToThread(&thread);
        QVERIFY(!owner.hooks.ssc_Subclass(hwndOf(foreign.get())));

        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 0, 3));
        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 0, 2)); // a procedure, not a message callback
        QCOMPARE(fake.messageTexts(),
                 (QStringList{"Invalid window handle.", "Invalid window handle.",
                              "Thunk hasn't been initialized.",
                              "Window handle belongs to another process.",
                              "Callback method not found.", "Callback method not found."}));
        QCOMPARE(fake.messages[2].title,
                 QStringLiteral("Error in cSubclassListView.zMap_VFunction"));
        QCOMPARE(fake.messages[5].title, QStringLiteral("Error in cSubclassListView.ssc_Subclass"));
        QVERIFY(owner.calls.isEmpty());
    }

    void hookingTwiceKeepsTheFirstHook()
    {
        FakePlatform fake;
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd, 5));
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBefore);
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.ssc_Subclass: Window handle is already subclassed");
        QVERIFY(!owner.hooks.ssc_Subclass(hwnd, 9));
        QCOMPARE(fake.messageTexts(), (QStringList{"Window handle is already subclassed."}));
        QCOMPARE(SendMessage(hwnd, WM_USER, 1, 2), 3);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(owner.calls[0].userValue, 5);
        QCOMPARE(owner.calls[0].hwnd, hwnd);
    }

    void mapFunctionKindsAndMissingRegistries()
    {
        FakePlatform fake;
        RecordingOwner owner;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_Vfunction: Invalid thunk type passed");
        QCOMPARE(owner.hooks.zMap_VFunction(1, 1), nullptr);
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_VFunction: Thunk hasn't been initialized");
        QCOMPARE(owner.hooks.zMap_VFunction(2, HookRegistry::kCallbackKind), nullptr);
        QCOMPARE(fake.messages[0].title,
                 QStringLiteral("Error in cSubclassListView.zMap_Vfunction"));
        QCOMPARE(fake.messages[1].title,
                 QStringLiteral("Error in cSubclassListView.zMap_VFunction"));

        AnsweringWidget widget;
        AnsweringWidget other;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd));
        QVERIFY(owner.hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind) != nullptr);
        // A window the registry does not hold: every operation is silent.
        const Hwnd unhooked = hwndOf(&other);
        QCOMPARE(owner.hooks.zMap_VFunction(unhooked, HookRegistry::kHookKind), nullptr);
        owner.hooks.ssc_AddMsg(unhooked, WM_USER, MsgBefore);
        owner.hooks.ssc_DelMsg(unhooked, WM_USER, MsgBefore);
        owner.hooks.ssc_UserValue(unhooked, 3);
        QCOMPARE(owner.hooks.ssc_UserValue(unhooked), 0);
        QCOMPARE(owner.hooks.ssc_CallOriginal(unhooked, WM_USER, 1, 1), 0);
        owner.hooks.ssc_UnSubclass(unhooked);
        QCOMPARE(fake.messages.size(), 2);
        QCOMPARE(SendMessage(unhooked, WM_USER, 1, 1), 2);
        QVERIFY(owner.calls.isEmpty());
    }

    void userValueAndTheOriginalProcedure()
    {
        FakePlatform fake;
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd, 42));
        QCOMPARE(owner.hooks.ssc_UserValue(hwnd), 42);
        owner.hooks.ssc_UserValue(hwnd, 7);
        owner.hooks.ssc_AddMsg(hwnd, ALL_MESSAGES, MsgBefore);
        owner.onMessage = [](const RecordingOwner::Call& call, bool&, LResult&,
                             std::intptr_t& userValue) {
            if (call.message == WM_USER)
                userValue = 9;
        };
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(owner.calls[0].userValue, 7);
        QCOMPARE(owner.hooks.ssc_UserValue(hwnd), 9);

        // The original procedure answers without passing the hook.
        QCOMPARE(owner.hooks.ssc_CallOriginal(hwnd, WM_USER + 1, 4, 5), 9);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(widget.received, (QList<Msg>{WM_USER, WM_USER + 1}));
        QVERIFY(fake.messages.isEmpty());
    }

    void unsubclassRestoresTheWindowAndAllowsANewHook()
    {
        FakePlatform fake;
        RecordingOwner owner;
        AnsweringWidget widget;
        const Hwnd hwnd = hwndOf(&widget);
        QVERIFY(owner.hooks.ssc_Subclass(hwnd, 1));
        owner.hooks.ssc_AddMsg(hwnd, ALL_MESSAGES, MsgBeforeAndAfter);
        owner.hooks.ssc_UnSubclass(hwnd);
        QVERIFY(owner.calls.isEmpty()); // not even the WM_NULL that removed it
        QCOMPARE(widget.received, (QList<Msg>{WM_NULL}));
        QCOMPARE(owner.hooks.zMap_VFunction(hwnd, HookRegistry::kHookKind), nullptr);
        QCOMPARE(SendMessage(hwnd, WM_USER, 2, 3), 5);
        QVERIFY(owner.calls.isEmpty());

        QVERIFY(owner.hooks.ssc_Subclass(hwnd, 2));
        owner.hooks.ssc_AddMsg(hwnd, WM_USER, MsgBefore);
        SendMessage(hwnd, WM_USER, 2, 3);
        QCOMPARE(owner.calls.size(), 1);
        QCOMPARE(owner.calls[0].userValue, 2);
        QVERIFY(fake.messages.isEmpty());
    }

    void theRegistryEndRemovesEveryHook()
    {
        FakePlatform fake;
        AnsweringWidget first;
        AnsweringWidget second;
        RecordingOwner watcher; // sees what reaches the widgets after the owner ends
        QVERIFY(watcher.hooks.ssc_Subclass(hwndOf(&first)));
        watcher.hooks.ssc_AddMsg(hwndOf(&first), WM_USER, MsgBefore);
        {
            RecordingOwner owner;
            for (AnsweringWidget* w : {&first, &second}) {
                QVERIFY(owner.hooks.ssc_Subclass(hwndOf(w)));
                owner.hooks.ssc_AddMsg(hwndOf(w), ALL_MESSAGES, MsgBeforeAndAfter);
            }
        }
        QCOMPARE(SendMessage(hwndOf(&first), WM_USER, 1, 1), 2);
        QCOMPARE(SendMessage(hwndOf(&second), WM_USER, 1, 1), 2);
        QCOMPARE(watcher.calls.size(), 1);
        QVERIFY(fake.messages.isEmpty());
    }
};

QTEST_MAIN(TestHookRegistry)
#include "tst_hookregistry.moc"
