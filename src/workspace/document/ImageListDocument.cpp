#include "ImageListDocument.h"

#include "EditCommands.h"
#include "ImageListModel.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>

ImageListDocument::ImageListDocument(ImageListModel& model, QObject* parent)
    : QObject(parent), m_model(model)
{
    m_undo.setUndoLimit(kUndoLimit);
    connect(&model, &ImageListModel::textEdited, this,
            [this](int row, ImageListModel::Column column, const QString& before) {
                record(new EditCommands::TextStep(m_model, row, column, before,
                                                  m_model.text(row, column)));
            });
    connect(&model, &ImageListModel::checkEdited, this, [this](int row, bool before) {
        record(new EditCommands::CheckStep(m_model, row, !before));
    });
    connect(&model, &ImageListModel::checksEdited, this, [this](const std::vector<bool>& before) {
        std::vector<bool> after = m_model.checks();
        after.resize(before.size());
        record(new EditCommands::ChecksStep(m_model, before, std::move(after)));
    });
    connect(&model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        record(new EditCommands::InsertStep(m_model, first,
                                            m_model.text(first, ImageListModel::Name)));
    });
    connect(&model, &ImageListModel::editGroupStarted, this, [this](const QString& label) {
        m_groupLabel = label;
        ++m_groupDepth;
    });
    connect(&model, &ImageListModel::editGroupFinished, this, [this] {
        if (--m_groupDepth == 0 && std::exchange(m_macroOpen, false))
            m_undo.endMacro();
    });
    connect(&model, &QAbstractItemModel::modelReset, this, &ImageListDocument::rowsReplaced);
    connect(&model, &QAbstractItemModel::modelReset, this, &ImageListDocument::rowsChanged);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &ImageListDocument::rowsChanged);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, &ImageListDocument::rowsChanged);
    connect(&model, &QAbstractItemModel::dataChanged, this, &ImageListDocument::rowsChanged);
    connect(&m_undo, &QUndoStack::cleanChanged, this, [this] { setReplaced(m_replaced); });
}

bool ImageListDocument::isModified() const
{
    return m_replaced || !m_undo.isClean();
}

void ImageListDocument::setFilePath(const QString& path)
{
    m_filePath = path;
    Q_EMIT stateChanged();
}

QString ImageListDocument::title() const
{
    QString title = QStringLiteral("Vemarill");
    if (m_filePath.isEmpty() && !isModified() && m_model.rowCount() == 0)
        return title;
    title += QStringLiteral(" - ");
    title += m_filePath.isEmpty() ? tr("untitled") : QFileInfo(m_filePath).fileName();
    if (isModified())
        title += QStringLiteral(" *");
    return title;
}

void ImageListDocument::markSaved(const QString& listPath)
{
    m_filePath = listPath;
    markExported();
}

void ImageListDocument::markExported()
{
    m_undo.setClean();
    setReplaced(false);
    Q_EMIT stateChanged();
}

int ImageListDocument::uncheckedTextCount(int rowLimit) const
{
    const int count = std::min(rowLimit, m_model.rowCount());
    int unchecked = 0;
    for (int i = 0; i < count; ++i) {
        const ImageListRow& row = m_model.row(i);
        if (!row.checked && (!row.sourceText.isEmpty() || !row.targetText.isEmpty()))
            ++unchecked;
    }
    return unchecked;
}

void ImageListDocument::checkRowsWithText(int rowLimit)
{
    std::vector<bool> checks = m_model.checks();
    checks.resize(static_cast<size_t>(std::clamp(rowLimit, 0, m_model.rowCount())));
    for (size_t i = 0; i < checks.size(); ++i) {
        const ImageListRow& row = m_model.row(static_cast<int>(i));
        if (!row.sourceText.isEmpty() || !row.targetText.isEmpty())
            checks[i] = true;
    }
    m_model.setChecks(checks);
}

void ImageListDocument::record(QUndoCommand* step)
{
    std::unique_ptr<QUndoCommand> owned(step);
    // The changes an undo or redo makes are that step's own.
    if (EditCommands::isApplying())
        return;
    if (m_groupDepth > 0 && !std::exchange(m_macroOpen, true))
        m_undo.beginMacro(m_groupLabel);
    m_undo.push(owned.release());
}

void ImageListDocument::rowsReplaced()
{
    m_undo.clear();
    m_groupDepth = 0;
    m_macroOpen = false;
    setReplaced(true);
}

void ImageListDocument::setReplaced(bool replaced)
{
    m_replaced = replaced;
    Q_EMIT stateChanged();
}
