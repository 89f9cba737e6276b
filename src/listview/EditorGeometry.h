#pragma once

#include <QRect>

// Where the cell editor goes over a cell of the list control. Positions are
// twips in the container that holds both the list control and the editor.
namespace EditorGeometry {

struct ListPlacement {
    double left = 0; // outer position and width of the list control
    double top = 0;
    double width = 0;
    int borderX = 0; // border of the list control in pixels, outer edge to client area
    int borderY = 0;
};

struct Placement {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const Placement&) const = default;
};

// label: the cell's label rectangle in client pixels of the list control;
// scrollBarWidth: pixels of the shown vertical scroll bar, 0 when none;
// tppX, tppY: whole twips per pixel.
//
// The editor covers the cell one pixel narrower, ends where the vertical
// scroll bar begins (or at the client area's right edge), starts two pixels
// inside the client area's left edge for a cell scrolled out on the left, and
// for a Name starts at the client area's left edge over the check box.
Placement place(const ListPlacement& list, const QRect& label, int hitColumn, int scrollBarWidth,
                int tppX, int tppY);

} // namespace EditorGeometry
