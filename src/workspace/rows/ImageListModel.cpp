#include "ImageListModel.h"

#include <QColor>
#include <QStringList>
#include <algorithm>
#include <utility>

ImageListModel::ImageListModel(QObject* parent)
    : QAbstractTableModel(parent), m_headers{QStringLiteral(QT_TR_NOOP("Name")),
                                             QStringLiteral(QT_TR_NOOP("Source Text")),
                                             QStringLiteral(QT_TR_NOOP("Target Text"))}
{}

int ImageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ImageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

namespace {
template <typename Row> auto& fieldOf(Row& row, int column)
{
    switch (column) {
    case ImageListModel::SourceText:
        return row.sourceText;
    case ImageListModel::TargetText:
        return row.targetText;
    default:
        return row.name;
    }
}
} // namespace

QString& ImageListModel::field(ImageListRow& row, int column)
{
    return fieldOf(row, column);
}

const QString& ImageListModel::field(const ImageListRow& row, int column) const
{
    return fieldOf(row, column);
}

QString ImageListModel::shownText(const QString& text)
{
    // Every paint shapes the shown text whole: a cell of megabytes would
    // take seconds each time. The row keeps the whole text.
    if (text.size() <= kShownLimit)
        return text;
    qsizetype cut = kShownLimit;
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.first(cut) + QChar(0x2026);
}

QVariant ImageListModel::reviewMark(const ImageListRow& row, int column, int role)
{
    if (column == SourceText && row.sourceConfidence >= 0 &&
        row.sourceConfidence < kSureConfidence) {
        if (role == Qt::BackgroundRole)
            return QColor(255, 224, 178);
        return tr("Recognised with %1% confidence: please check it.").arg(row.sourceConfidence);
    }
    if (column != TargetText)
        return {};
    if (role == Qt::BackgroundRole) {
        if (row.fitLevel == 2)
            return QColor(255, 190, 190);
        if (row.fitLevel == 1)
            return QColor(255, 243, 176);
        if (row.targetFromMemory)
            return QColor(207, 232, 252);
        return {};
    }
    QStringList notes;
    if (row.targetFromMemory)
        notes.append(tr("Filled from the translation memory: please review it."));
    if (!row.fitNote.isEmpty())
        notes.append(row.fitNote);
    return notes.isEmpty() ? QVariant() : QVariant(notes.join(QLatin1Char('\n')));
}

void ImageListModel::setFit(int index, int level, const QString& note)
{
    if (index < 0 || index >= rowCount())
        return;
    ImageListRow& r = m_rows[static_cast<size_t>(index)];
    if (r.fitLevel == level && r.fitNote == note)
        return;
    r.fitLevel = level;
    r.fitNote = note;
    const QModelIndex cell = this->index(index, TargetText);
    Q_EMIT dataChanged(cell, cell, {Qt::BackgroundRole, Qt::ToolTipRole});
}

void ImageListModel::setReviewMarks(int index, int sourceConfidence, bool targetFromMemory)
{
    if (index < 0 || index >= rowCount())
        return;
    ImageListRow& r = m_rows[static_cast<size_t>(index)];
    r.sourceConfidence = sourceConfidence;
    r.targetFromMemory = targetFromMemory;
    Q_EMIT dataChanged(this->index(index, SourceText), this->index(index, TargetText),
                       {Qt::BackgroundRole, Qt::ToolTipRole});
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ImageListRow& r = row(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return shownText(field(r, index.column()));
    case Qt::EditRole:
        return field(r, index.column());
    case Qt::CheckStateRole:
        if (index.column() == Name)
            return r.checked ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::BackgroundRole:
    case Qt::ToolTipRole:
        return reviewMark(r, index.column(), role);
    // Assistive technology reads the whole text, not the cut one the cell shows.
    case Qt::AccessibleTextRole:
        return field(r, index.column());
    case Qt::AccessibleDescriptionRole:
        return reviewMark(r, index.column(), Qt::ToolTipRole);
    default:
        break;
    }
    return {};
}

bool ImageListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    ImageListRow& r = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Name) {
        const bool checked = value.toInt() == Qt::Checked;
        if (r.checked != checked) {
            r.checked = checked;
            Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
            Q_EMIT checkEdited(index.row(), !checked);
        }
        return true;
    }
    if (role == Qt::EditRole || role == Qt::DisplayRole) {
        QString& target = field(r, index.column());
        const QString text = value.toString();
        if (target != text) {
            // A text written over drops its review mark.
            if (index.column() == SourceText)
                r.sourceConfidence = -1;
            else if (index.column() == TargetText)
                r.targetFromMemory = false;
            const QString before = std::exchange(target, text);
            Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
            Q_EMIT textEdited(index.row(), static_cast<Column>(index.column()), before);
        }
        return true;
    }
    return false;
}

Qt::ItemFlags ImageListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == Name)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant ImageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The edit role keeps the title as set, for what is written to files; the
    // display role shows it in the interface's language.
    if (role == Qt::EditRole)
        return m_headers[section];
    if (role == Qt::DisplayRole)
        return tr(m_headers[section].toUtf8().constData());
    if (role == Qt::DecorationRole)
        return m_headerIcons[section];
    return {};
}

bool ImageListModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        m_headers[section] = value.toString();
    else if (role == Qt::DecorationRole)
        m_headerIcons[section] = value;
    else
        return false;
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

void ImageListModel::clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ImageListModel::setRows(std::vector<ImageListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ImageListModel::insertRow(int index, const QString& name)
{
    index = std::clamp(index, 0, rowCount());
    beginInsertRows({}, index, index);
    auto& rows = m_rows.edit();
    rows.insert(rows.begin() + index, ImageListRow{name, {}, {}, false});
    endInsertRows();
}

void ImageListModel::removeRow(int index)
{
    if (index < 0 || index >= rowCount())
        return;
    beginRemoveRows({}, index, index);
    auto& rows = m_rows.edit();
    rows.erase(rows.begin() + index);
    endRemoveRows();
}

void ImageListModel::setText(int index, Column column, const QString& text)
{
    setData(this->index(index, column), text, Qt::EditRole);
}

QString ImageListModel::text(int index, Column column) const
{
    return field(row(index), column);
}

void ImageListModel::setChecked(int index, bool checked)
{
    setData(this->index(index, Name), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void ImageListModel::setChecks(const std::vector<bool>& checks)
{
    const int count = std::min(static_cast<int>(checks.size()), rowCount());
    std::vector<bool> before(static_cast<size_t>(count));
    bool changed = false;
    for (int i = 0; i < count; ++i) {
        bool& checked = m_rows[static_cast<size_t>(i)].checked;
        before[static_cast<size_t>(i)] = checked;
        checked = checks[static_cast<size_t>(i)];
        changed = changed || checked != before[static_cast<size_t>(i)];
    }
    if (count > 0)
        Q_EMIT dataChanged(index(0, Name), index(count - 1, Name), {Qt::CheckStateRole});
    if (changed)
        Q_EMIT checksEdited(before);
}

std::vector<bool> ImageListModel::checks() const
{
    std::vector<bool> result(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i)
        result[i] = m_rows[i].checked;
    return result;
}

void ImageListModel::beginEditGroup(const QString& label)
{
    if (m_groupDepth++ == 0)
        Q_EMIT editGroupStarted(label);
}

void ImageListModel::endEditGroup()
{
    if (m_groupDepth > 0 && --m_groupDepth == 0)
        Q_EMIT editGroupFinished();
}
