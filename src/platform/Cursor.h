#pragma once

#include "WindowTypes.h"

#include <QPoint>

// The mouse cursor of the original platform: its screen position, moving it,
// and the window under a screen point. Screen points are in global logical pixels.
namespace Platform {

QPoint GetCursorPos();
void SetCursorPos(const QPoint& screen);
// The innermost widget under the point (a scroll area's viewport rather than
// the area), 0 when none of this process's windows is there.
Hwnd WindowFromPoint(const QPoint& screen);

} // namespace Platform
