#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class ImageListView;

// Proportional layout: every control of a window keeps its share of the
// window's inner size, scaled from the geometry it had when recorded.
namespace ResizeCode {

// A control's geometry in twips, in its own container's coordinates.
struct LayoutEntry {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Width of each of the list's three columns for a list width in twips:
// width / 3 - 150, halves to even, never below 0 nor above the 16-bit limit.
int ColumnWidth(double listWidthTwips);

// The window's controls in enumeration order: its named descendant widgets,
// parents before children, siblings in creation order. Unnamed widgets and
// those named "qt_..." are a widget's own internals, and separate windows are
// not part of the layout; neither is entered.
QList<QWidget*> Controls(QWidget& window);

// Gives each of the list's columns ColumnWidth of the list's width.
void SetColumnWidths(ImageListView& list);

// The layout table of one window: recorded once, applied on every resize.
class Layout {
public:
    // Records the geometry of every control and the window's inner size.
    void RecordLayout(QWidget& window);
    // Scales every recorded control by the window's current inner size over the
    // recorded one. Does nothing while the window is minimized or before a
    // recording. Controls are matched by identity: one added later is left
    // alone, one destroyed since is skipped.
    void ApplyLayout();

private:
    struct Entry {
        QPointer<QWidget> control;
        LayoutEntry geometry;
    };

    QPointer<QWidget> m_window;
    std::vector<Entry> m_entries;
    float m_recordedWidth = 0;
    float m_recordedHeight = 0;
};

} // namespace ResizeCode
