#pragma once

// Message hook registry and callback entries.
//
// An owner object derives from HookOwner and holds one HookRegistry, built
// with the owner itself:
//
//   class cSubclassListView : public QObject, private HookOwner {
//       HookRegistry mHooks{*this};
//       Routine callbackRoutine(int ordinal) const override
//       {   // ordinal 1 = HookProc, 2 = the hover-timer procedure
//           return ordinal == 1 ? Routine::Message
//                : ordinal == 2 ? Routine::Procedure : Routine::None;
//       }
//       void callMessageRoutine(int, bool before, bool& handled, Platform::LResult& retValue,
//                               Platform::Hwnd hwnd, Platform::Msg uMsg, Platform::WParam wParam,
//                               Platform::LParam lParam, std::intptr_t& userValue) override
//       { HookProc(before, handled, retValue, hwnd, uMsg, wParam, lParam, userValue); }
//       void callProcedureRoutine(int, std::span<const std::intptr_t> a,
//                                 std::intptr_t& result) override
//       { HoverTimerProc(a[0], a[1], a[2], a[3], result); }   // a.size() == 4
//   };
//
// Hooking a window (a widget's handle, Platform::hwndOf) and choosing its
// messages:
//
//   const Platform::Hwnd header = Platform::hwndOf(list->header()->viewport());
//   if (mHooks.ssc_Subclass(header, 0, 1, nullptr, false))
//       mHooks.ssc_AddMsg(header, Platform::WM_MOUSEMOVE, MsgBefore);
//
// From then on every matching message of that window reaches HookProc before
// (and/or after) the widget's own handling, on the GUI thread; Messages.h
// says which Qt event is which message. A plain timer procedure:
//
//   const ProcAddress proc = mHooks.scb_SetCallbackAddr(4, 2);
//   Platform::SetTimer(header, id, 10, procCast<Platform::TimerProc>(proc));
//
// At the owner's end: ssc_Terminate(), KillTimer, scb_Terminate(). The
// registry's destructor runs both terminations too, so no hook outlives it.
// Errors are reported by zReportError (log category vemarill.hook and a
// message box) and the operation returns its failure value.

#include "CallbackEntries.h"
#include "HookOwner.h"
#include "HookRecord.h"
#include "MessageTable.h"
#include "WindowTypes.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcHook)

// Which table(s) ssc_AddMsg and ssc_DelMsg work on.
enum MsgWhen { MsgBefore = 1, MsgAfter = 2, MsgBeforeAndAfter = 3 };

class HookRegistry {
public:
    // Record kinds of zMap_VFunction.
    static constexpr int kHookKind = 0;
    static constexpr int kCallbackKind = 2;

    explicit HookRegistry(HookOwner& self);
    // ssc_Terminate, then scb_Terminate.
    ~HookRegistry();
    HookRegistry(const HookRegistry&) = delete;
    HookRegistry& operator=(const HookRegistry&) = delete;

    // Window hooks. owner nullptr means the registry's own owner; the ordinal
    // must name a Message routine of it. unicode is kept for the record only.
    bool ssc_Subclass(Platform::Hwnd hwnd, std::intptr_t userValue = 0, int ordinal = 1,
                      HookOwner* owner = nullptr, bool unicode = false);
    void ssc_AddMsg(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when);
    void ssc_DelMsg(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when);
    // The previous procedure of the hook with a message (a WindowMessageEvent:
    // a Qt event cannot be rebuilt from a message): the hooks installed on the
    // window before it, then the widget's own handling; 0 when the window has
    // no live hook.
    Platform::LResult ssc_CallOriginal(Platform::Hwnd hwnd, Platform::Msg uMsg,
                                       Platform::WParam wParam = 0, Platform::LParam lParam = 0);
    std::intptr_t ssc_UserValue(Platform::Hwnd hwnd);
    void ssc_UserValue(Platform::Hwnd hwnd, std::intptr_t value);
    void ssc_UnSubclass(Platform::Hwnd hwnd);
    void ssc_Terminate();

    // Callback entries. paramCount 0 to CallbackEntry::kMaxParamCount; the
    // ordinal must name a Procedure routine of the owner.
    ProcAddress scb_SetCallbackAddr(int paramCount, int ordinal = 1, HookOwner* owner = nullptr);
    void scb_Release(int ordinal);
    void scb_Terminate();

    // The registry's internal routines, open for tests.
    void zAddMsg(Platform::Msg uMsg, MessageTable& table);
    void zDelMsg(Platform::Msg uMsg, MessageTable& table);
    // The record registered under key (a window handle for kind 0, an
    // ordinal for kind 2); nullptr when there is none or it is gone.
    ThunkRecord* zMap_VFunction(std::intptr_t key, int kind);
    static HookOwner::Routine zFindCallback(const HookOwner* owner, int ordinal);
    static void zReportError(const QString& routine, const QString& text);

private:
    struct WindowEntry {
        QString key;                 // "h" + the window handle
        QPointer<HookRecord> record; // null once the record removed itself
    };
    struct CallbackSlot {
        QString key; // "h" + the ordinal
        std::unique_ptr<CallbackEntry> entry;
    };

    static QString keyOf(std::intptr_t value) { return QLatin1Char('h') + QString::number(value); }
    template <class Entry>
    static typename std::vector<Entry>::iterator findKey(std::vector<Entry>& entries,
                                                         std::intptr_t key);
    HookRecord* liveRecord(Platform::Hwnd hwnd);
    void editTables(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when,
                    void (HookRegistry::*edit)(Platform::Msg, MessageTable&));
    void withdrawWindow(Platform::Hwnd hwnd);

    HookOwner& m_self;
    // Created on the first ssc_Subclass / scb_SetCallbackAddr, in insertion order.
    std::optional<std::vector<WindowEntry>> m_windows;
    std::optional<std::vector<CallbackSlot>> m_callbacks;
};
