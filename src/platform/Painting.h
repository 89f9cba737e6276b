#pragma once

#include "WindowTypes.h"

#include <QPainter>
#include <QRect>
#include <optional>

class QPaintEvent;
class QWidget;

// BeginPaint/EndPaint for a WM_PAINT callback. Whoever dispatches WM_PAINT for
// a widget's Paint event (the hook entry procedure) holds a PaintScope around
// the callback; BeginPaint inside it opens a painter on the widget, clipped to
// the update region, and validates that region: the dispatcher then does not
// pass the Paint on, so the widget's own painting paints nothing, as after
// BeginPaint on the original platform.
namespace Platform {

struct PaintStruct {
    QPainter* hdc = nullptr; // the device context; nullptr when there is nothing to paint
    QRect rcPaint;           // bounding rectangle of the update region, widget pixels
};

// Outside a WM_PAINT of that window, or a second time within one, gives
// nullptr and an empty rectangle, as an empty update region would.
QPainter* BeginPaint(Hwnd hwnd, PaintStruct& paint);
// Ends the painter of BeginPaint. False when `paint` is not an open painting of hwnd.
bool EndPaint(Hwnd hwnd, const PaintStruct& paint);

class PaintScope {
public:
    // Inactive (BeginPaint finds nothing) when widget or event is null.
    PaintScope(QWidget* widget, const QPaintEvent* event);
    ~PaintScope();
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    // BeginPaint was called in this scope.
    bool validated() const { return m_validated; }

private:
    friend QPainter* BeginPaint(Hwnd, PaintStruct&);
    friend bool EndPaint(Hwnd, const PaintStruct&);
    static PaintScope* find(const QWidget* widget);

    PaintScope* m_outer;
    QWidget* m_widget;
    QRect m_rect;
    std::optional<QPainter> m_painter;
    bool m_validated = false;
};

} // namespace Platform
