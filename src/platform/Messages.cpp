#include "Messages.h"

#include "WindowHandles.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QThread>
#include <QWidget>

namespace Platform {

namespace {

// Reaches QAbstractScrollArea::viewportEvent, where Qt delivers a viewport's
// events to its area, without a subclass instance.
struct ScrollAreaAccess : QAbstractScrollArea {
    static bool callViewportEvent(QAbstractScrollArea* area, QEvent* event)
    {
        return (area->*(&ScrollAreaAccess::viewportEvent))(event);
    }
};

QAbstractScrollArea* scrollAreaOfViewport(QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* area = qobject_cast<QAbstractScrollArea*>(object->parent());
    return area && area->viewport() == object ? area : nullptr;
}

WParam mouseKeyState(const QMouseEvent* event)
{
    WParam state = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

LParam pointParam(const QPointF& point)
{
    const QPoint p = point.toPoint();
    return makeLParam(p.x(), p.y());
}

// WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN shifted by `offset`
// (0 down, 1 up, 2 double click); 0 for other buttons.
Msg buttonMessage(Qt::MouseButton button, Msg offset)
{
    switch (button) {
    case Qt::LeftButton:
        return WM_LBUTTONDOWN + offset;
    case Qt::RightButton:
        return WM_RBUTTONDOWN + offset;
    case Qt::MiddleButton:
        return WM_MBUTTONDOWN + offset;
    default:
        return 0;
    }
}

void add(MappedEvent& out, Msg message, WParam wParam = 0, LParam lParam = 0)
{
    out.messages[static_cast<std::size_t>(out.count++)] = Message{message, wParam, lParam};
}

void mapMouse(QObject* target, QMouseEvent* event, MappedEvent& out)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove) {
        add(out, WM_NCHITTEST, 0, pointParam(event->globalPosition()));
        add(out, WM_MOUSEMOVE, mouseKeyState(event), pointParam(event->position()));
        return;
    }
    const Msg offset = type == QEvent::MouseButtonPress     ? 0
                       : type == QEvent::MouseButtonRelease ? 1
                                                            : 2;
    const Msg message = buttonMessage(event->button(), offset);
    if (message == 0) {
        add(out, kQtEventMessage + static_cast<Msg>(type));
        return;
    }
    if (type == QEvent::MouseButtonPress) {
        const auto* widget = qobject_cast<QWidget*>(target);
        const Hwnd topLevel = widget ? hwndOf(widget->window()) : 0;
        add(out, WM_MOUSEACTIVATE, topLevel, makeLParam(static_cast<int>(HTCLIENT), message));
    }
    add(out, message, mouseKeyState(event), pointParam(event->position()));
}

} // namespace

void mapEvent(QObject* target, QEvent* event, MappedEvent& out)
{
    out.count = 0;
    switch (event->type()) {
    case QEvent::Paint:
        add(out, WM_PAINT);
        return;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        mapMouse(target, static_cast<QMouseEvent*>(event), out);
        return;
    case QEvent::Resize:
        add(out, WM_ERASEBKGND);
        return;
    default:
        break;
    }
    if (const WindowMessageEvent* message = WindowMessageEvent::from(event)) {
        add(out, message->message(), message->wParam(), message->lParam());
        return;
    }
    add(out, kQtEventMessage + static_cast<Msg>(event->type()));
}

WindowMessageEvent::WindowMessageEvent(Msg message, WParam wParam, LParam lParam)
    : QEvent(eventType()), m_message(message), m_wParam(wParam), m_lParam(lParam)
{}

QEvent::Type WindowMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

WindowMessageEvent* WindowMessageEvent::from(QEvent* event)
{
    return event && event->type() == eventType() ? static_cast<WindowMessageEvent*>(event)
                                                 : nullptr;
}

LResult SendMessage(Hwnd hwnd, Msg message, WParam wParam, LParam lParam)
{
    QObject* target = objectOf(hwnd);
    // Qt cannot deliver an event synchronously to an object of another thread.
    if (!target || target->thread() != QThread::currentThread())
        return 0;
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(target, &event);
    return event.result();
}

LResult CallWindowProc(QObject* target, QEvent* event)
{
    if (!target || !event)
        return 0;
    bool recognised = false;
    if (QAbstractScrollArea* area = scrollAreaOfViewport(target))
        recognised = ScrollAreaAccess::callViewportEvent(area, event);
    if (!recognised)
        recognised = target->event(event);
    if (const WindowMessageEvent* message = WindowMessageEvent::from(event))
        return message->result();
    return recognised ? 1 : 0;
}

LResult defaultResult(Msg message)
{
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_MOUSEACTIVATE:
        return MA_ACTIVATE;
    default:
        return 0;
    }
}

namespace detail {

void watchScrolling(QObject* object, Hwnd hwnd)
{
    QAbstractScrollArea* area = scrollAreaOfViewport(object);
    if (!area)
        return;
    const auto erase = [hwnd] { SendMessage(hwnd, WM_ERASEBKGND, 0, 0); };
    QObject::connect(area->verticalScrollBar(), &QScrollBar::valueChanged, object, erase);
    QObject::connect(area->horizontalScrollBar(), &QScrollBar::valueChanged, object, erase);
}

} // namespace detail

} // namespace Platform
