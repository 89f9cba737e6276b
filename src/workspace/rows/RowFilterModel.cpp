#include "RowFilterModel.h"

#include "ImageListModel.h"

RowFilterModel::RowFilterModel(ImageListModel& rows, QObject* parent)
    : QSortFilterProxyModel(parent), m_rows(rows)
{
    // Before the proxy hears of new rows, so that it finds them marked.
    connect(&rows, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (m_filter.isEmpty())
                    return;
                m_added.resize(static_cast<size_t>(m_rows.rowCount()));
                m_added.insert(m_added.begin() + first, static_cast<size_t>(last - first + 1),
                               true);
            });
    connect(&rows, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (static_cast<size_t>(last) < m_added.size())
                    m_added.erase(m_added.begin() + first, m_added.begin() + last + 1);
            });
    connect(&rows, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_added.clear(); });
    setDynamicSortFilter(false); // an edited row stays until the filter changes
    setSourceModel(&rows);
}

void RowFilterModel::setRowFilter(const RowFilter& filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    m_added.clear();
    // One layout change for the whole list: a removal per hidden stretch of
    // rows would cost the view far more.
    invalidate();
}

bool RowFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_filter.isEmpty())
        return true;
    if (static_cast<size_t>(sourceRow) < m_added.size() && m_added[static_cast<size_t>(sourceRow)])
        return true;
    return m_filter.matches(m_rows.row(sourceRow));
}
