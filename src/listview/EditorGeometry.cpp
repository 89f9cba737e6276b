#include "EditorGeometry.h"

#include "Rounding.h"

#include <algorithm>

namespace EditorGeometry {

Placement place(const ListPlacement& list, const QRect& label, int hitColumn, int scrollBarWidth,
                int tppX, int tppY)
{
    tppX = std::max(1, tppX);
    tppY = std::max(1, tppY);
    // The editor reports back whole pixels, and the clipping compares what it reports.
    const auto snapX = [tppX](double twips) {
        return static_cast<double>(Platform::roundHalfEven(twips / tppX)) * tppX;
    };
    const double clientLeft = list.left + list.borderX * tppX;
    const double clientTop = list.top + list.borderY * tppY;
    const double clientRight = list.left + list.width - list.borderX * tppX;

    Placement editor;
    editor.top = clientTop + label.top() * tppY;
    editor.left = snapX(clientLeft + label.left() * tppX);
    editor.width = snapX(label.width() * tppX - tppX);
    editor.height = label.height() * tppY;

    const double rightLimit = clientRight - tppX * scrollBarWidth;
    if (rightLimit < editor.left + editor.width)
        editor.width = snapX(rightLimit - editor.left);

    if (clientLeft > editor.left) {
        editor.width = editor.width - (clientLeft - editor.left) - 2 * tppX;
        editor.left = clientLeft + 2 * tppX;
    } else if (hitColumn == 0) {
        // Keep the right edge: the editor covers the whole Name cell, check box included.
        editor.width += editor.left - clientLeft;
        editor.left = clientLeft;
    }
    editor.width = std::max(0.0, editor.width);
    return editor;
}

} // namespace EditorGeometry
