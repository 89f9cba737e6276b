#pragma once

#include "WindowTypes.h"

#include <cstdint>

// SetTimer/KillTimer of the original platform over QTimer: a table keyed by
// (window, id). Each tick calls the plain timer procedure with (window,
// WM_TIMER, id, GetTickCount()), or, without a procedure, sends WM_TIMER
// (wParam id) to the window. A window's timers end when it is destroyed.
// All calls belong on the thread of the window.
namespace Platform {

// The shape of a callback entry with four arguments (the hook registry's
// scb_SetCallbackAddr(4, ...)); its result is ignored.
using TimerProc = std::intptr_t (*)(std::intptr_t hwnd, std::intptr_t uMsg, std::intptr_t idEvent,
                                    std::intptr_t dwTime);

// Starts timer idEvent of hwnd, replacing one with the same id. Returns
// nonzero on success, 0 when hwnd is not a window of the calling thread.
std::uintptr_t SetTimer(Hwnd hwnd, std::uintptr_t idEvent, unsigned elapseMs, TimerProc proc);
// False when the window has no such timer.
bool KillTimer(Hwnd hwnd, std::uintptr_t idEvent);
// Milliseconds on a monotonic clock, wrapping at 32 bits.
std::uint32_t GetTickCount();

} // namespace Platform
