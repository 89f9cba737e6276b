#pragma once

#include "WindowTypes.h"

#include <QEvent>
#include <array>
#include <cstdint>

class QObject;

// Window messages on Qt. The hook registry sees Qt events on a widget as the
// messages of the original platform:
//
// clang-format off
//   Qt event on the widget          messages, in this order
//   Paint                           WM_PAINT
//   MouseMove                       WM_NCHITTEST, WM_MOUSEMOVE
//   MouseButtonPress                WM_MOUSEACTIVATE, then WM_LBUTTONDOWN / WM_RBUTTONDOWN / WM_MBUTTONDOWN
//   MouseButtonRelease              WM_LBUTTONUP / WM_RBUTTONUP / WM_MBUTTONUP
//   MouseButtonDblClick             WM_LBUTTONDBLCLK / WM_RBUTTONDBLCLK / WM_MBUTTONDBLCLK
//   Resize; a viewport's contents scroll   WM_ERASEBKGND
//   the widget is destroyed         WM_DESTROY (through WindowDestroyListener)
//   a WindowMessageEvent            its own message (SendMessage)
//   anything else, other buttons    kQtEventMessage + the Qt event type
// clang-format on
//
// Mouse messages: wParam holds the MK_* state, lParam x in its low 16 bits and
// y in its high 16 bits, in the widget's pixels (xFromLParam/yFromLParam give
// them back sign-extended). WM_NCHITTEST carries screen pixels instead, and
// WM_MOUSEACTIVATE the top-level window in wParam and MAKELPARAM(HTCLIENT,
// button message) in lParam, as on the original platform. The results of these
// two leading messages are not used: Qt does its own hit testing and activation.
// Mouse moves without a pressed button reach a widget only with mouse tracking on.
//
// Do not include <windows.h> next to this header: it defines these names as macros.
namespace Platform {

inline constexpr Msg WM_NULL = 0x0000;
inline constexpr Msg WM_DESTROY = 0x0002;
inline constexpr Msg WM_PAINT = 0x000F;
inline constexpr Msg WM_ERASEBKGND = 0x0014;
inline constexpr Msg WM_MOUSEACTIVATE = 0x0021;
inline constexpr Msg WM_NCHITTEST = 0x0084;
inline constexpr Msg WM_TIMER = 0x0113;
inline constexpr Msg WM_MOUSEMOVE = 0x0200;
inline constexpr Msg WM_LBUTTONDOWN = 0x0201;
inline constexpr Msg WM_LBUTTONUP = 0x0202;
inline constexpr Msg WM_LBUTTONDBLCLK = 0x0203;
inline constexpr Msg WM_RBUTTONDOWN = 0x0204;
inline constexpr Msg WM_RBUTTONUP = 0x0205;
inline constexpr Msg WM_RBUTTONDBLCLK = 0x0206;
inline constexpr Msg WM_MBUTTONDOWN = 0x0207;
inline constexpr Msg WM_MBUTTONUP = 0x0208;
inline constexpr Msg WM_MBUTTONDBLCLK = 0x0209;
inline constexpr Msg WM_USER = 0x0400;
// Messages for Qt events without a counterpart: this + QEvent::type().
inline constexpr Msg kQtEventMessage = 0x8000;

// wParam of mouse messages.
inline constexpr WParam MK_LBUTTON = 0x0001;
inline constexpr WParam MK_RBUTTON = 0x0002;
inline constexpr WParam MK_SHIFT = 0x0004;
inline constexpr WParam MK_CONTROL = 0x0008;
inline constexpr WParam MK_MBUTTON = 0x0010;

inline constexpr LResult HTCLIENT = 1;
inline constexpr LResult MA_ACTIVATE = 1;

// Two 16-bit values in one lParam: low in bits 0-15, high in bits 16-31.
constexpr LParam makeLParam(int low, int high)
{
    return static_cast<LParam>(
        static_cast<std::uint32_t>(static_cast<std::uint16_t>(low)) |
        (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16));
}
constexpr int xFromLParam(LParam lParam)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam & 0xFFFF));
}
constexpr int yFromLParam(LParam lParam)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((lParam >> 16) & 0xFFFF));
}

struct Message {
    Msg message = WM_NULL;
    WParam wParam = 0;
    LParam lParam = 0;

    friend bool operator==(const Message&, const Message&) = default;
};

// The messages of one Qt event; the last one is the event itself, whose
// previous procedure is the widget's own handling of the event.
struct MappedEvent {
    std::array<Message, 2> messages{};
    int count = 0;
};

// Fills `out` with the messages of `event` on `target` (table above). No allocation.
void mapEvent(QObject* target, QEvent* event, MappedEvent& out);

// A message sent to a window (SendMessage). A widget answers one by handling
// this event in event() and calling setResult(); unanswered, the result is 0.
class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(Msg message, WParam wParam, LParam lParam);

    static QEvent::Type eventType();
    // The event as a WindowMessageEvent, or nullptr when it is another event.
    static WindowMessageEvent* from(QEvent* event);

    Msg message() const { return m_message; }
    WParam wParam() const { return m_wParam; }
    LParam lParam() const { return m_lParam; }
    LResult result() const { return m_result; }
    void setResult(LResult result) { m_result = result; }

private:
    Msg m_message;
    WParam m_wParam;
    LParam m_lParam;
    LResult m_result = 0;
};

// Delivers the message to the window (through its hooks) and returns the
// result. 0 for a dead handle or a window of another thread.
LResult SendMessage(Hwnd hwnd, Msg message, WParam wParam, LParam lParam);

// The window's own handling of an event, past every hook: for a scroll
// area's viewport the area's viewportEvent() first, as Qt routes it, then the
// object's event(). The result: a WindowMessageEvent's result, else 1 when the
// event was recognised and 0 when not.
LResult CallWindowProc(QObject* target, QEvent* event);

// What the original platform's default procedure answers for a message that
// has no handling of its own here (HTCLIENT, MA_ACTIVATE, else 0).
LResult defaultResult(Msg message);

namespace detail {
// Called by the handle table for a new handle: a scroll area's viewport is
// sent WM_ERASEBKGND whenever the area's contents scroll.
void watchScrolling(QObject* object, Hwnd hwnd);
} // namespace detail

} // namespace Platform
