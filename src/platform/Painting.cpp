#include "Painting.h"

#include "WindowHandles.h"

#include <QPaintEvent>
#include <QWidget>

namespace Platform {

namespace {
// Innermost scope first; paints nest when a callback makes a widget repaint.
thread_local PaintScope* t_innermost = nullptr;
} // namespace

PaintScope::PaintScope(QWidget* widget, const QPaintEvent* event)
    : m_outer(t_innermost), m_widget(event ? widget : nullptr),
      m_rect(event ? event->rect() : QRect())
{
    t_innermost = this;
}

PaintScope::~PaintScope()
{
    m_painter.reset();
    t_innermost = m_outer;
}

PaintScope* PaintScope::find(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    for (PaintScope* scope = t_innermost; scope; scope = scope->m_outer) {
        if (scope->m_widget == widget)
            return scope;
    }
    return nullptr;
}

QPainter* BeginPaint(Hwnd hwnd, PaintStruct& paint)
{
    paint = PaintStruct{};
    PaintScope* scope = PaintScope::find(widgetOf(hwnd));
    if (!scope || scope->m_validated)
        return nullptr;
    scope->m_validated = true;
    scope->m_painter.emplace(scope->m_widget);
    paint.hdc = &*scope->m_painter;
    paint.rcPaint = scope->m_rect;
    return paint.hdc;
}

bool EndPaint(Hwnd hwnd, const PaintStruct& paint)
{
    PaintScope* scope = PaintScope::find(widgetOf(hwnd));
    if (!scope || !scope->m_painter || paint.hdc != &*scope->m_painter)
        return false;
    scope->m_painter.reset();
    return true;
}

} // namespace Platform
