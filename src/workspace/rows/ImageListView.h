#pragma once

#include "ImageListModel.h"

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

private:
    static int buttonCode(Qt::MouseButtons buttons);
    static int shiftCode(Qt::KeyboardModifiers modifiers);

    ImageListModel* m_model;
    bool m_pressedInside = false;
};
