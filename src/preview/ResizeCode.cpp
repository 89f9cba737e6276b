#include "ResizeCode.h"

#include "ImageListView.h"
#include "Rounding.h"
#include "Twips.h"

#include <algorithm>

namespace ResizeCode {

namespace {

bool isControl(const QWidget& widget)
{
    const QString name = widget.objectName();
    return !widget.isWindow() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void collectControls(const QObject& container, QList<QWidget*>& controls)
{
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || !isControl(*widget))
            continue;
        controls.append(widget);
        collectControls(*widget, controls);
    }
}

// Positions and widths follow ratioX, tops and heights ratioY.
LayoutEntry Scaled(const LayoutEntry& recorded, float ratioX, float ratioY)
{
    return {ratioX * recorded.Left, ratioY * recorded.Top, ratioX * recorded.Width,
            ratioY * recorded.Height};
}

LayoutEntry GeometryOf(const QWidget& control)
{
    const QRect r = control.geometry();
    return {static_cast<float>(Platform::pixelsToTwipsX(r.x())),
            static_cast<float>(Platform::pixelsToTwipsY(r.y())),
            static_cast<float>(Platform::pixelsToTwipsX(r.width())),
            static_cast<float>(Platform::pixelsToTwipsY(r.height()))};
}

void SetGeometry(QWidget& control, const LayoutEntry& twips)
{
    control.setGeometry(Platform::twipsRect(twips.Left, twips.Top, twips.Width, twips.Height));
}

} // namespace

int ColumnWidth(double listWidthTwips)
{
    const double width = listWidthTwips / 3.0 - 150.0;
    return Platform::roundHalfEven(std::clamp(width, 0.0, 32767.0));
}

QList<QWidget*> Controls(QWidget& window)
{
    QList<QWidget*> controls;
    collectControls(window, controls);
    return controls;
}

void SetColumnWidths(ImageListView& list)
{
    const int width = ColumnWidth(Platform::pixelsToTwipsX(list.width()));
    for (int column = 0; column < ImageListModel::ColumnCount; ++column)
        list.setColumnWidthTwips(column, width);
}

void Layout::RecordLayout(QWidget& window)
{
    const QList<QWidget*> controls = Controls(window);
    m_entries.clear();
    m_entries.reserve(static_cast<size_t>(controls.size()));
    for (QWidget* control : controls)
        m_entries.push_back({control, GeometryOf(*control)});
    m_window = &window;
    m_recordedWidth = static_cast<float>(Platform::pixelsToTwipsX(window.width()));
    m_recordedHeight = static_cast<float>(Platform::pixelsToTwipsY(window.height()));
}

void Layout::ApplyLayout()
{
    if (m_window.isNull() || m_window->isMinimized())
        return;
    if (m_recordedWidth <= 0 || m_recordedHeight <= 0)
        return;
    const float ratioX =
        static_cast<float>(Platform::pixelsToTwipsX(m_window->width())) / m_recordedWidth;
    const float ratioY =
        static_cast<float>(Platform::pixelsToTwipsY(m_window->height())) / m_recordedHeight;
    for (const Entry& entry : m_entries) {
        if (!entry.control.isNull())
            SetGeometry(*entry.control, Scaled(entry.geometry, ratioX, ratioY));
    }
}

} // namespace ResizeCode
