#include "ToolTipHolder.h"

ToolTipWindow* ToolTipHolder::show(QWidget* tool, const ToolTipOptions& options)
{
    if (!tool)
        return nullptr;
    destroy();
    m_window = new ToolTipWindow(tool, options); // the tool's child
    return m_window;
}

void ToolTipHolder::destroy()
{
    // Taken out first, so a re-entrant destroy finds nothing to do.
    ToolTipWindow* window = m_window.data();
    m_window.clear();
    delete window;
}
