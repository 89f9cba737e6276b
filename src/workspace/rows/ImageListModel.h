#pragma once

#include "ImageListRow.h"
#include "SharedRows.h"

#include <QAbstractTableModel>
#include <vector>

// The image list rows, and the only place they are held. Column Name carries
// the check box. Texts change only through setData or the row operations
// here: the view itself never edits (flags() offers no ItemIsEditable).
class ImageListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name = 0, SourceText = 1, TargetText = 2, ColumnCount = 3 };
    Q_ENUM(Column)

    // Recognised texts less sure than this are marked for review.
    static constexpr int kSureConfidence = 60;

    // A cell shows at most this many characters of its text, then an ellipsis.
    static constexpr qsizetype kShownLimit = 4096;
    static QString shownText(const QString& text);

    explicit ImageListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

    // Row operations, 0-based in list order.
    const ImageListRow& row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    const std::vector<ImageListRow>& rows() const { return m_rows.get(); }
    // The rows as they are now, for another thread to read: cheap, as the
    // model's next edit copies them instead of changing what that thread holds.
    const SharedRows& sharedRows() const { return m_rows; }
    void clear();
    void setRows(std::vector<ImageListRow> rows);
    // Inserts an unchecked row with empty texts at index (== rowCount() appends).
    void insertRow(int index, const QString& name);
    void appendRow(const QString& name) { insertRow(rowCount(), name); }
    void removeRow(int index);
    void setText(int index, Column column, const QString& text);
    QString text(int index, Column column) const;
    void setChecked(int index, bool checked);
    bool isChecked(int index) const { return row(index).checked; }
    // The review marks of a row (see ImageListRow); writing a text clears its own.
    void setReviewMarks(int index, int sourceConfidence, bool targetFromMemory);
    // How the Target Text fits its image (see ImageListRow::fitLevel).
    void setFit(int index, int level, const QString& note);

    // The checks of the first checks.size() rows, as one change.
    void setChecks(const std::vector<bool>& checks);
    std::vector<bool> checks() const;

    // Edits made between begin and end are one step for the user (a split:
    // a text written, a row inserted, two checks). Nests.
    void beginEditGroup(const QString& label);
    void endEditGroup();

Q_SIGNALS:
    void editGroupStarted(const QString& label);
    void editGroupFinished();
    // Each edit with what it replaced, after the change, for undo. Rows that
    // come and go are told by the usual row signals; a reset starts afresh.
    void textEdited(int row, ImageListModel::Column column, const QString& before);
    void checkEdited(int row, bool before);
    void checksEdited(const std::vector<bool>& before);

private:
    static QVariant reviewMark(const ImageListRow& row, int column, int role);
    QString& field(ImageListRow& row, int column);
    const QString& field(const ImageListRow& row, int column) const;

    SharedRows m_rows;
    int m_groupDepth = 0;
    QString m_headers[ColumnCount];
    QVariant m_headerIcons[ColumnCount];
};
