#include "ImageListView.h"

#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

ImageListView::ImageListView(QWidget* parent)
    : QTreeView(parent), m_model(new ImageListModel(this))
{
    setObjectName(QStringLiteral("ImageList"));
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true); // keeps 100,000-row lists cheap to lay out
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
}

void ImageListView::setItemText(int index, const QString& text)
{
    m_model->setText(index, ImageListModel::Name, text);
}

QString ImageListView::subItem(int index, int k) const
{
    return m_model->text(index, static_cast<ImageListModel::Column>(k));
}

void ImageListView::setSubItem(int index, int k, const QString& text)
{
    m_model->setText(index, static_cast<ImageListModel::Column>(k), text);
}

int ImageListView::selectedIndex() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ImageListView::selectItem(int index)
{
    const QModelIndex target = m_model->index(index, ImageListModel::Name);
    setCurrentIndex(target);
    selectionModel()->select(target, QItemSelectionModel::ClearAndSelect |
                                         QItemSelectionModel::Rows);
}

int ImageListView::columnCountOfHeader() const { return header()->count(); }

QString ImageListView::columnHeaderText(int column) const
{
    return m_model->headerData(column, Qt::Horizontal).toString();
}

void ImageListView::setColumnWidthTwips(int column, double twips)
{
    setColumnWidth(column, std::max(0, Platform::twipsToPixelsX(twips)));
}

double ImageListView::columnWidthTwips(int column) const
{
    return Platform::pixelsToTwipsX(columnWidth(column));
}

int ImageListView::buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= LeftButton;
    if (buttons & Qt::RightButton)
        code |= RightButton;
    if (buttons & Qt::MiddleButton)
        code |= MiddleButton;
    return code;
}

int ImageListView::shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= CtrlMask;
    if (modifiers & Qt::AltModifier)
        code |= AltMask;
    return code;
}

void ImageListView::mousePressEvent(QMouseEvent* event)
{
    // The row under the pointer is selected before anyone hears of the press.
    QTreeView::mousePressEvent(event);
    m_pressedInside = true;
    const QPoint inControl = viewport()->mapTo(this, event->position().toPoint());
    Q_EMIT mouseDown(buttonCode(event->buttons() | event->button()),
                     shiftCode(event->modifiers()), Platform::pixelsToTwipsX(inControl.x()),
                     Platform::pixelsToTwipsY(inControl.y()));
}

void ImageListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    const bool wasPressed = m_pressedInside;
    m_pressedInside = false;
    if (wasPressed && event->button() == Qt::LeftButton &&
        viewport()->rect().contains(event->position().toPoint()))
        Q_EMIT itemClick();
}

void ImageListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click must not start the view's own editing or expansion.
    QAbstractItemView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT itemDblClick();
}

void ImageListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        const int index = currentIndex().isValid() ? currentIndex().row() : -1;
        if (index >= 0)
            setChecked(index, !isChecked(index));
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ImageListView::keyReleaseEvent(QKeyEvent* event)
{
    QTreeView::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        Q_EMIT keyUp(event->key(), shiftCode(event->modifiers()));
}
