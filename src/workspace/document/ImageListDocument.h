#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

class ImageListModel;

// The rows as a document: the list file they belong to, whether they hold
// changes that were neither saved nor exported, and the history of their
// edits. Every edit of the model becomes an undo step by itself; a search or
// a load (the rows replaced) starts a new history and counts as unsaved.
class ImageListDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoLimit = 1000;

    explicit ImageListDocument(ImageListModel& model, QObject* parent = nullptr);

    ImageListModel& model() const { return m_model; }
    QUndoStack* undoStack() { return &m_undo; }

    bool isModified() const;
    // The list file the rows were loaded from or saved to; empty for a new list.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    // "Vemarill", or "Vemarill - <file name or untitled>" with " *" while unsaved.
    QString title() const;

    // The rows are stored: in a list file (which becomes theirs) or a page.
    void markSaved(const QString& listPath);
    void markExported();

    // Unchecked rows among the first rowLimit that hold a Source or Target text.
    int uncheckedTextCount(int rowLimit) const;
    // Checks them, as one step.
    void checkRowsWithText(int rowLimit);

Q_SIGNALS:
    // The title or the unsaved state changed.
    void stateChanged();
    // Any change of the rows, an undo and a redo included.
    void rowsChanged();

private:
    void record(QUndoCommand* step);
    void rowsReplaced();
    void setReplaced(bool replaced);

    ImageListModel& m_model;
    QUndoStack m_undo;
    QString m_filePath;
    bool m_replaced = false; // rows replaced since the last save
    int m_groupDepth = 0;
    bool m_macroOpen = false;
    QString m_groupLabel;
};
