#pragma once

#include "HeaderPainter.h"

#include <QRect>
#include <QString>

class QHeaderView;

// Reads a Qt header the way the header control's item messages answer: item
// count, item rectangle, item record and image list.
namespace HeaderItems {

// The item record's fields, in the platform's order.
struct HeaderItemRecord {
    int mask = 0;
    int cxy = 0;
    QString text;
    int hbm = 0;
    int cchTextMax = 0;
    int fmt = 0;
    qintptr lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};

// Buffer size for a title, terminating NUL included: titles come back with 31
// characters at most.
constexpr int kTitleCapacity = 32;

int itemCount(const QHeaderView& header);
// The item's rectangle in the header's client pixels; null for no such item.
QRect itemRect(const QHeaderView& header, int column);
// Fills record for column as far as its mask asks (mask, buffer and capacity
// set by the caller). False, with record unchanged, when there is no such column.
bool getItem(const QHeaderView& header, int column, HeaderItemRecord& record);
// record prepared for every field but the width, with kTitleCapacity, then read.
bool readItem(const QHeaderView& header, int column, HeaderItemRecord& record);

// The model's header decoration icons, one per column (image index = column),
// at the header's icon size; empty when no column has an icon.
HeaderImageList imageList(const QHeaderView& header);

// All columns of the header for one painting.
QList<HeaderColumn> columns(const QHeaderView& header);
// The same, with the header's image list already read for this painting.
QList<HeaderColumn> columns(const QHeaderView& header, const HeaderImageList& images);

} // namespace HeaderItems
