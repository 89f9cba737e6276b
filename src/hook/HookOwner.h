#pragma once

#include "WindowTypes.h"

#include <cstdint>
#include <span>

// The object that owns a HookRegistry and whose routines the registry calls.
// Routines are named by ordinal, counted from the owner's last declared
// callback routine backwards: 1 = the message callback (HookProc), 2 = the
// routine before it (the hover-timer procedure), and so on. The registry asks
// callbackRoutine() what an ordinal names and then calls it through one of the
// two dispatch functions below, passing the ordinal back.
class HookOwner {
public:
    enum class Routine {
        None,      // no routine under this ordinal
        Message,   // a message callback: callMessageRoutine (ssc_Subclass)
        Procedure, // a plain procedure: callProcedureRoutine (scb_SetCallbackAddr)
    };

    virtual ~HookOwner() = default;

    virtual Routine callbackRoutine(int ordinal) const = 0;

    // The message callback of a hooked window, with the arguments of HookProc:
    // before is true for the call before the window's previous procedure and
    // false for the one after it; handled (false at the start of each message)
    // set to true skips the previous procedure and the after-call; retValue is
    // the message's result (after the previous procedure: its result, which the
    // after-call may change); userValue is the hook's own value, shared by all
    // its calls. Called only for ordinals that name a Message routine.
    virtual void callMessageRoutine(int ordinal, bool before, bool& handled,
                                    Platform::LResult& retValue, Platform::Hwnd hwnd,
                                    Platform::Msg uMsg, Platform::WParam wParam,
                                    Platform::LParam lParam, std::intptr_t& userValue);

    // A plain procedure behind a callback entry: the entry's arguments in the
    // order its caller passed them, then the result that the entry returns.
    // Called only for ordinals that name a Procedure routine.
    virtual void callProcedureRoutine(int ordinal, std::span<const std::intptr_t> args,
                                      std::intptr_t& result);
};
