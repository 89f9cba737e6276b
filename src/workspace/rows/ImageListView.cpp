#include "ImageListView.h"

#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <utility>

ImageListView::ImageListView(QWidget* parent)
    : QTreeView(parent), m_model(new ImageListModel(this)),
      m_shown(new RowFilterModel(*m_model, this))
{
    setObjectName(QStringLiteral("ImageList"));
    setModel(m_shown);
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

int ImageListView::nextUntranslated(int index, bool forward) const
{
    const int count = m_model->rowCount();
    if (index < 0)
        index = forward ? -1 : count;
    for (int step = 1; step <= count; ++step) {
        const int row = ((forward ? index + step : index - step) % count + count) % count;
        if (isRowShown(row) && m_model->row(row).targetText.isEmpty())
            return row;
    }
    return -1;
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
    return rows.isEmpty() ? -1 : listIndex(rows.first());
}

void ImageListView::selectItem(int index)
{
    const QModelIndex target = viewIndex(index, ImageListModel::Name);
    setCurrentIndex(target);
    selectionModel()->select(target,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int ImageListView::columnCountOfHeader() const
{
    return header()->count();
}

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

QPoint ImageListView::clientToViewport(const QPoint& client) const
{
    return client + clientOrigin() - viewport()->geometry().topLeft();
}

QPoint ImageListView::viewportToClient(const QPoint& inViewport) const
{
    return inViewport + viewport()->geometry().topLeft() - clientOrigin();
}

ImageListView::SubItemHit ImageListView::subItemHitTest(const QPoint& client) const
{
    SubItemHit hit;
    hit.point = client;
    const QPoint at = clientToViewport(client);
    if (!viewport()->rect().contains(at))
        return hit;
    hit.subItem = columnAt(at.x());
    // The row is found at the first visible column, so that a point right of
    // the last column still names its row (with no column).
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int logical = header()->logicalIndex(visual);
        if (header()->isSectionHidden(logical) || columnWidth(logical) <= 0)
            continue;
        const QModelIndex probe = indexAt(QPoint(columnViewportPosition(logical), at.y()));
        hit.item = listIndex(probe);
        break;
    }
    if (hit.item < 0 || hit.subItem < 0)
        return hit;
    hit.flags = HitOnItemLabel;
    if (hit.subItem == ImageListModel::Name) {
        const QRect label = subItemRect(hit.item, hit.subItem, PortionLabel);
        if (client.x() < label.left())
            hit.flags = HitOnItemStateIcon;
    }
    return hit;
}

QRect ImageListView::subItemRect(int item, int subItem, int portion) const
{
    const QModelIndex index = viewIndex(item, subItem);
    if (!index.isValid())
        return {};
    QRect cell = visualRect(index);
    if (cell.isNull())
        return {};
    cell.moveTopLeft(viewportToClient(cell.topLeft()));
    if (portion != PortionLabel || subItem != ImageListModel::Name)
        return cell;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = cell;
    option.index = index;
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = itemText(item);
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    cell.setLeft(std::clamp(text.left(), cell.left(), cell.right() + 1));
    return cell;
}

int ImageListView::headerHitTest(const QPoint& inHeader) const
{
    if (!header()->viewport()->rect().contains(inHeader))
        return -1;
    return header()->logicalIndexAt(inHeader.x());
}

int ImageListView::rowsPerPage() const
{
    if (itemCount() == 0)
        return viewport()->height() / std::max(1, fontMetrics().height());
    const int height = rowHeight(model()->index(0, ImageListModel::Name));
    return height > 0 ? viewport()->height() / height : 0;
}

int ImageListView::verticalScrollBarWidth() const
{
    const QScrollBar* bar = verticalScrollBar();
    return bar->isVisibleTo(this) ? bar->width() : 0;
}

void ImageListView::setGridLines(bool on)
{
    if (m_gridLines == on)
        return;
    m_gridLines = on;
    viewport()->update();
}

void ImageListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    if (!m_gridLines)
        return;
    const QColor color = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    painter->save();
    painter->setPen(color.isValid() ? color : palette().color(QPalette::Mid));
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int logical = header()->logicalIndex(visual);
        if (header()->isSectionHidden(logical))
            continue;
        const int right = columnViewportPosition(logical) + columnWidth(logical) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
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
    // The button pressed now, not those held: a right press with the left
    // held is still a right press.
    Q_EMIT mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                     Platform::pixelsToTwipsX(inControl.x()),
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
        const int index = listIndex(currentIndex());
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
