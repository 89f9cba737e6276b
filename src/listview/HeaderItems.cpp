#include "HeaderItems.h"

#include "HeaderLayout.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QStyle>

namespace HeaderItems {

namespace {
enum ItemMask : int {
    HDI_WIDTH = 0x01,
    HDI_TEXT = 0x02,
    HDI_FORMAT = 0x04,
    HDI_LPARAM = 0x08,
    HDI_BITMAP = 0x10,
    HDI_IMAGE = 0x20,
    HDI_ORDER = 0x80,
};
constexpr int kItemMask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE | HDI_ORDER;

QVariant headerData(const QHeaderView& header, int column, int role)
{
    return header.model()->headerData(column, header.orientation(), role);
}

QSize iconSizeOf(const QHeaderView& header)
{
    if (header.iconSize().isValid())
        return header.iconSize();
    const int side = header.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &header);
    return {side, side};
}

QPixmap decorationOf(const QHeaderView& header, int column, const QSize& size)
{
    const QVariant decoration = headerData(header, column, Qt::DecorationRole);
    switch (decoration.typeId()) {
    case QMetaType::QIcon:
        return decoration.value<QIcon>().pixmap(size);
    case QMetaType::QPixmap:
        return decoration.value<QPixmap>();
    case QMetaType::QImage:
        return QPixmap::fromImage(decoration.value<QImage>());
    default:
        return {};
    }
}

int alignmentFormat(const QHeaderView& header, int column)
{
    const QVariant role = headerData(header, column, Qt::TextAlignmentRole);
    const Qt::Alignment alignment = QStyle::visualAlignment(
        header.layoutDirection(),
        role.isValid() ? Qt::Alignment(role.toInt()) : header.defaultAlignment());
    if (alignment & Qt::AlignRight)
        return HeaderLayout::HDF_RIGHT;
    if (alignment & Qt::AlignHCenter)
        return HeaderLayout::HDF_CENTER;
    return HeaderLayout::HDF_LEFT;
}

// What a buffer of capacity characters holds: up to the first NUL, and room
// for the terminating NUL.
QString titleInBuffer(QString text, int capacity)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    const qsizetype room = std::max(capacity - 1, 0);
    if (text.size() > room) {
        text.truncate(room);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

bool isItem(const QHeaderView& header, int column)
{
    return header.model() && column >= 0 && column < header.count();
}
} // namespace

int itemCount(const QHeaderView& header)
{
    return header.model() ? header.count() : 0;
}

QRect itemRect(const QHeaderView& header, int column)
{
    if (!isItem(header, column) || header.isSectionHidden(column))
        return {};
    return {header.sectionViewportPosition(column), 0, header.sectionSize(column),
            header.viewport()->height()};
}

namespace {

void fillItem(const QHeaderView& header, int column, bool hasIcon, HeaderItemRecord& record)
{
    if (record.mask & HDI_WIDTH)
        record.cxy = header.sectionSize(column);
    if (record.mask & HDI_TEXT)
        record.text = titleInBuffer(headerData(header, column, Qt::DisplayRole).toString(),
                                    record.cchTextMax);
    if (record.mask & HDI_FORMAT)
        record.fmt = HeaderLayout::HDF_STRING | (hasIcon ? HeaderLayout::HDF_IMAGE : 0) |
                     alignmentFormat(header, column);
    if (record.mask & HDI_LPARAM)
        record.lParam = 0;
    if (record.mask & HDI_BITMAP)
        record.hbm = 0;
    if (record.mask & HDI_IMAGE)
        record.iImage = hasIcon ? column : 0;
    if (record.mask & HDI_ORDER)
        record.iOrder = header.visualIndex(column);
}

void prepareRead(HeaderItemRecord& record)
{
    record.mask = kItemMask;
    record.text = QString(kTitleCapacity, u' ');
    record.cchTextMax = kTitleCapacity;
}

} // namespace

bool getItem(const QHeaderView& header, int column, HeaderItemRecord& record)
{
    if (!isItem(header, column))
        return false;
    fillItem(header, column, !decorationOf(header, column, iconSizeOf(header)).isNull(), record);
    return true;
}

bool readItem(const QHeaderView& header, int column, HeaderItemRecord& record)
{
    prepareRead(record);
    return getItem(header, column, record);
}

HeaderImageList imageList(const QHeaderView& header)
{
    HeaderImageList list;
    const int count = itemCount(header);
    if (count == 0)
        return list;
    const QSize size = iconSizeOf(header);
    bool any = false;
    for (int column = 0; column < count; ++column) {
        list.images.append(decorationOf(header, column, size));
        any = any || !list.images.back().isNull();
    }
    if (!any)
        return {};
    list.iconSize = size;
    return list;
}

QList<HeaderColumn> columns(const QHeaderView& header)
{
    return columns(header, imageList(header));
}

QList<HeaderColumn> columns(const QHeaderView& header, const HeaderImageList& images)
{
    QList<HeaderColumn> result;
    const int count = itemCount(header);
    result.reserve(count);
    for (int column = 0; column < count; ++column) {
        HeaderColumn item;
        if (!header.isSectionHidden(column)) {
            const QRect rect = itemRect(header, column);
            item.left = rect.left();
            item.right = rect.left() + rect.width();
            item.bottom = rect.top() + rect.height();
        }
        // The icons are already drawn into images: no second render per paint.
        HeaderItemRecord record;
        prepareRead(record);
        fillItem(header, column, !images.images.value(column).isNull(), record);
        item.title = record.text;
        item.format = record.fmt;
        item.imageIndex = record.iImage;
        result.append(item);
    }
    return result;
}

} // namespace HeaderItems
