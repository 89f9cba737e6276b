#pragma once

#include "ImageListModel.h"
#include "RowFilterModel.h"

#include <QTreeView>

// The grid ImageList: a report-style list with a check box per row and the
// columns Name, Source Text and Target Text, over its own ImageListModel.
// Offers the item operations the commands use (0-based here, in list order)
// and reports clicks, key releases, mouse-downs and double clicks the way the
// commands and the editable grid listen for them.
class ImageListView : public QTreeView {
    Q_OBJECT
public:
    // Button codes and shift state of mouseDown.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

    explicit ImageListView(QWidget* parent = nullptr);

    ImageListModel* imageListModel() const { return m_model; }

    // Item collection.
    void clearItems() { m_model->clear(); }
    int itemCount() const { return m_model->rowCount(); }
    void addItem(const QString& name) { m_model->appendRow(name); }
    void addItem(int index, const QString& name) { m_model->insertRow(index, name); }
    QString itemText(int index) const { return m_model->text(index, ImageListModel::Name); }
    void setItemText(int index, const QString& text);
    // k = 1 Source Text, k = 2 Target Text.
    QString subItem(int index, int k) const;
    void setSubItem(int index, int k, const QString& text);
    bool isChecked(int index) const { return m_model->isChecked(index); }
    void setChecked(int index, bool checked) { m_model->setChecked(index, checked); }

    // The selected row, or -1 when none is selected.
    int selectedIndex() const;
    void selectItem(int index);

    int columnCountOfHeader() const;
    QString columnHeaderText(int column) const;
    void setColumnWidthTwips(int column, double twips);
    double columnWidthTwips(int column) const;

    // The control's own queries, in client pixels: the client area starts at
    // the header's top-left corner, inside the border.
    enum HitFlag { HitNowhere = 0x1, HitOnItemLabel = 0x4, HitOnItemStateIcon = 0x8 };
    struct SubItemHit {
        QPoint point;
        int flags = HitNowhere;
        int item = -1;    // row, -1 when no row is under the point
        int subItem = -1; // column, -1 when no column is under the point
    };
    enum SubItemPortion { PortionBounds = 0, PortionLabel = 2 };

    SubItemHit subItemHitTest(const QPoint& client) const;
    // The cell's rectangle; for the label portion of the Name cell the part
    // right of the check box. Null when there is no such cell.
    QRect subItemRect(int item, int subItem, int portion) const;
    // Header item under a point of the header, -1 when none.
    int headerHitTest(const QPoint& inHeader) const;
    // Rows that fit in the visible part of the list, as a scroll page.
    int rowsPerPage() const;
    // Width of the vertical scroll bar while it is shown, else 0.
    int verticalScrollBarWidth() const;
    // Distance from the control's outer edge to its client area.
    int borderWidth() const { return frameWidth(); }
    // The client origin in the control's own pixels.
    QPoint clientOrigin() const { return contentsRect().topLeft(); }
    QPoint clientToViewport(const QPoint& client) const;
    QPoint viewportToClient(const QPoint& inViewport) const;

    // Hides the rows the filter does not match; rows added later (a split)
    // show until the filter changes. Every index here stays that of the list.
    void setRowFilter(const RowFilter& filter) { m_shown->setRowFilter(filter); }
    const RowFilter& rowFilter() const { return m_shown->rowFilter(); }
    bool isRowShown(int index) const { return viewIndex(index, 0).isValid(); }
    // A list row's cell in viewport pixels (null while the row is hidden), and
    // scrolling it into view.
    QRect cellRect(int index, int column) const { return visualRect(viewIndex(index, column)); }
    void scrollToItem(int index, int column = 0) { scrollTo(viewIndex(index, column)); }
    // The next (or previous) shown row after index whose Target Text is
    // empty, wrapping around; -1 when there is none.
    int nextUntranslated(int index, bool forward) const;

    // Lines between the rows and the columns, as a grid of cells shows them.
    void setGridLines(bool on);
    bool gridLines() const { return m_gridLines; }

Q_SIGNALS:
    void itemClick();
    void keyUp(int key, int shift);
    // x and y in twips of the control.
    void mouseDown(int button, int shift, double x, double y);
    void itemDblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);
    QModelIndex viewIndex(int index, int column) const
    {
        return m_shown->mapFromSource(m_model->index(index, column));
    }
    int listIndex(const QModelIndex& inView) const
    {
        return inView.isValid() ? m_shown->mapToSource(inView).row() : -1;
    }

    ImageListModel* m_model;
    RowFilterModel* m_shown; // what the view shows of m_model
    bool m_pressedInside = false;
    bool m_gridLines = false;
};
