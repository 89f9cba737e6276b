#include "FakePlatform.h"
#include "HookRegistry.h"
#include "Messages.h"
#include "RecordingOwner.h"
#include "Timers.h"
#include "WindowHandles.h"

#include <QTest>
#include <QWidget>
#include <cmath>
#include <memory>
#include <set>

using namespace Platform;

namespace {
// Sums the arguments weighted by position, so that any change of order shows.
void weightedSum(int, std::span<const std::intptr_t> args, std::intptr_t& result)
{
    result = 0;
    for (std::size_t i = 0; i < args.size(); ++i)
        result += args[i] * static_cast<std::intptr_t>(std::pow(10, i));
}
} // namespace

class TestCallbackEntries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_fake = std::make_unique<FakePlatform>(); }
    void cleanup() { m_fake.reset(); }

    void anEntryCallsTheOwnersRoutineWithItsArguments()
    {
        RecordingOwner owner;
        owner.routines = {{2, HookOwner::Routine::Procedure},
                          {3, HookOwner::Routine::Procedure},
                          {4, HookOwner::Routine::Procedure},
                          {5, HookOwner::Routine::Procedure},
                          {6, HookOwner::Routine::Procedure}};
        owner.onProcedure = weightedSum;
        const ProcAddress p0 = owner.hooks.scb_SetCallbackAddr(0, 2);
        const ProcAddress p1 = owner.hooks.scb_SetCallbackAddr(1, 3);
        const ProcAddress p2 = owner.hooks.scb_SetCallbackAddr(2, 4);
        const ProcAddress p3 = owner.hooks.scb_SetCallbackAddr(3, 5);
        const ProcAddress p4 = owner.hooks.scb_SetCallbackAddr(4, 6);
        QCOMPARE(std::set<ProcAddress>({p0, p1, p2, p3, p4}).size(), 5u);
        QVERIFY(p0 && p1 && p2 && p3 && p4);

        QCOMPARE(procCast<EntryProc0>(p0)(), 0);
        QCOMPARE(procCast<EntryProc1>(p1)(7), 7);
        QCOMPARE(procCast<EntryProc2>(p2)(1, 2), 21);
        QCOMPARE(procCast<EntryProc3>(p3)(1, 2, 3), 321);
        QCOMPARE(procCast<EntryProc4>(p4)(4, 3, 2, -1), 4 + 30 + 200 - 1000);
        QCOMPARE(owner.procedureCalls.size(), 5);
        QCOMPARE(owner.procedureCalls[4], (std::vector<std::intptr_t>{4, 3, 2, -1}));
        QVERIFY(m_fake->messages.isEmpty());
    }

    void theSameOrdinalGivesTheSameEntry()
    {
        RecordingOwner owner;
        const ProcAddress first = owner.hooks.scb_SetCallbackAddr(4, 2);
        QVERIFY(first);
        QVERIFY(owner.hooks.scb_SetCallbackAddr(4, 2) == first);
        // The parameter count of an existing entry is not compared.
        QVERIFY(owner.hooks.scb_SetCallbackAddr(-1, 2) == first);
        RecordingOwner other;
        QVERIFY(other.hooks.scb_SetCallbackAddr(4, 2) != first);
        QVERIFY(m_fake->messages.isEmpty());
    }

    void badRequestsAreReported()
    {
        RecordingOwner owner;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.scb_SetCallbackAddr: Invalid Parameter count");
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(-1, 2));
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.scb_SetCallbackAddr: Invalid Parameter count");
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(CallbackEntry::kMaxParamCount + 1, 2));
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.scb_SetCallbackAddr: Callback address not found.");
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(4, 7));
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.scb_SetCallbackAddr: Callback address not found.");
        QVERIFY(!owner.hooks.scb_SetCallbackAddr(4, 1)); // a message callback
        QCOMPARE(m_fake->messageTexts(),
                 (QStringList{"Invalid Parameter count.", "Invalid Parameter count.",
                              "Callback address not found..", "Callback address not found.."}));
        QCOMPARE(m_fake->messages[0].title,
                 QStringLiteral("Error in cSubclassListView.scb_SetCallbackAddr"));
        // Failed requests leave no entry behind.
        QCOMPARE(owner.hooks.zMap_VFunction(2, HookRegistry::kCallbackKind), nullptr);
    }

    void releaseAndTerminate()
    {
        RecordingOwner owner;
        QTest::ignoreMessage(QtCriticalMsg,
                             "cSubclassListView.zMap_VFunction: Thunk hasn't been initialized");
        owner.hooks.scb_Release(2); // no callback registry yet
        owner.hooks.scb_Terminate();
        QCOMPARE(m_fake->messages.size(), 1);

        const ProcAddress address = owner.hooks.scb_SetCallbackAddr(1, 2);
        owner.onProcedure = [](int, std::span<const std::intptr_t> a, std::intptr_t& r) {
            r = a[0] + 1;
        };
        QCOMPARE(procCast<EntryProc1>(address)(41), 42);
        owner.hooks.scb_Release(3); // not there: nothing happens
        owner.hooks.scb_Release(2);
        QCOMPARE(owner.hooks.zMap_VFunction(2, HookRegistry::kCallbackKind), nullptr);
        // A released entry no longer reaches its owner.
        QCOMPARE(procCast<EntryProc1>(address)(41), 0);
        QCOMPARE(owner.procedureCalls.size(), 1);

        owner.routines[3] = HookOwner::Routine::Procedure;
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

    void anotherOwnersRoutine()
    {
        RecordingOwner owner;
        RecordingOwner target;
        const ProcAddress address = owner.hooks.scb_SetCallbackAddr(2, 2, &target);
        procCast<EntryProc2>(address)(5, 6);
        QVERIFY(owner.procedureCalls.isEmpty());
        QCOMPARE(target.procedureCalls, (QList<std::vector<std::intptr_t>>{{5, 6}}));
    }

    void anEntryServesAsATimerProcedure()
    {
        RecordingOwner owner;
        QWidget header;
        const Hwnd hwnd = hwndOf(&header);
        const ProcAddress address = owner.hooks.scb_SetCallbackAddr(4, 2);
        const std::uintptr_t id = reinterpret_cast<std::uintptr_t>(&owner) + 1;
        QVERIFY(SetTimer(hwnd, id, 10, procCast<TimerProc>(address)) != 0);
        QTRY_VERIFY(owner.procedureCalls.size() >= 2);
        const std::vector<std::intptr_t> tick = owner.procedureCalls.first();
        QCOMPARE(tick.size(), 4u);
        QCOMPARE(tick[0], hwnd);
        QCOMPARE(tick[1], std::intptr_t(WM_TIMER));
        QCOMPARE(tick[2], static_cast<std::intptr_t>(id));
        QVERIFY(KillTimer(hwnd, id));
        owner.hooks.scb_Terminate();
        QVERIFY(m_fake->messages.isEmpty());
    }

private:
    std::unique_ptr<FakePlatform> m_fake;
};

QTEST_MAIN(TestCallbackEntries)
#include "tst_callbackentries.moc"
