#pragma once

#include "ToolTipWindow.h"

#include <QPointer>

// Keeps at most one tooltip: a new one replaces the old, and removing it
// twice, or after its tool has gone, is harmless.
class ToolTipHolder {
public:
    ToolTipHolder() = default;
    ~ToolTipHolder() { destroy(); }
    ToolTipHolder(const ToolTipHolder&) = delete;
    ToolTipHolder& operator=(const ToolTipHolder&) = delete;

    // Replaces the current tooltip with a new one for tool; without a tool
    // nothing changes and the result is null.
    ToolTipWindow* show(QWidget* tool, const ToolTipOptions& options);
    void destroy();
    ToolTipWindow* window() const { return m_window; }

private:
    QPointer<ToolTipWindow> m_window;
};
