#pragma once

#include "HookRegistry.h"
#include "Messages.h"
#include "WindowHandles.h"

#include <QList>
#include <functional>
#include <initializer_list>
#include <map>

// An owner that records every callback and lets a test react inside it.
// Routines: ordinal 1 = message callback, 2 = procedure, unless changed.
class RecordingOwner : public HookOwner {
public:
    struct Call {
        bool before;
        Platform::Hwnd hwnd;
        Platform::Msg message;
        Platform::WParam wParam;
        Platform::LParam lParam;
        Platform::LResult retValueIn;
        std::intptr_t userValue;
    };
    using MessageReaction = std::function<void(
        const Call& call, bool& handled, Platform::LResult& retValue, std::intptr_t& userValue)>;
    using ProcedureReaction =
        std::function<void(int ordinal, std::span<const std::intptr_t>, std::intptr_t&)>;

    std::map<int, Routine> routines{{1, Routine::Message}, {2, Routine::Procedure}};
    QList<Call> calls;
    MessageReaction onMessage;
    ProcedureReaction onProcedure;

    Routine callbackRoutine(int ordinal) const override
    {
        const auto it = routines.find(ordinal);
        return it == routines.end() ? Routine::None : it->second;
    }
    void callMessageRoutine(int, bool before, bool& handled, Platform::LResult& retValue,
                            Platform::Hwnd hwnd, Platform::Msg uMsg, Platform::WParam wParam,
                            Platform::LParam lParam, std::intptr_t& userValue) override
    {
        const Call call{before, hwnd, uMsg, wParam, lParam, retValue, userValue};
        calls.append(call);
        if (onMessage)
            onMessage(call, handled, retValue, userValue);
    }
    void callProcedureRoutine(int ordinal, std::span<const std::intptr_t> args,
                              std::intptr_t& result) override
    {
        if (onProcedure)
            onProcedure(ordinal, args, result);
    }
    // The window messages (no Qt events) of the recorded calls, before-calls
    // only or after-calls only.
    QList<Platform::Msg> messages(bool before) const
    {
        QList<Platform::Msg> list;
        for (const Call& call : calls) {
            if (call.before == before && call.message < Platform::kQtEventMessage)
                list.append(call.message);
        }
        return list;
    }

    // Hooks the object's window and adds the messages to the table(s) of `when`; 0 on failure.
    Platform::Hwnd hook(QObject* target, std::initializer_list<Platform::Msg> messages,
                        MsgWhen when = MsgBeforeAndAfter, std::intptr_t userValue = 0)
    {
        const Platform::Hwnd hwnd = Platform::hwndOf(target);
        if (!hooks.ssc_Subclass(hwnd, userValue))
            return 0;
        for (const Platform::Msg message : messages)
            hooks.ssc_AddMsg(hwnd, message, when);
        return hwnd;
    }
    // Declared last, so it is destroyed first, while everything its hooks use is still there.
    HookRegistry hooks{*this};
};
