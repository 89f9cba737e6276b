#pragma once

#include "RowFilter.h"

#include <QSortFilterProxyModel>
#include <vector>

class ImageListModel;

// The rows the grid shows, in list order. A new filter is applied in one
// pass; edits do not hide a row until the filter changes, and rows added
// while a filter is on (a split) show whatever it says.
class RowFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit RowFilterModel(ImageListModel& rows, QObject* parent = nullptr);

    const RowFilter& rowFilter() const { return m_filter; }
    void setRowFilter(const RowFilter& filter);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const ImageListModel& m_rows;
    RowFilter m_filter;
    std::vector<bool> m_added; // by list row: added since the filter was set
};
