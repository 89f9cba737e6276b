#pragma once

#include "ImageListModel.h"

#include <QUndoCommand>
#include <vector>

// Undo steps of the rows. Each is made after its change was done, so the
// first redo (the one QUndoStack runs on push) does nothing.
namespace EditCommands {

// True while a step undoes or redoes its change.
bool isApplying();

class Step : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;
    void redo() final;
    void undo() final;

protected:
    virtual void apply(bool forward) = 0;

private:
    bool m_done = true;
};

class TextStep : public Step {
public:
    TextStep(ImageListModel& model, int row, ImageListModel::Column column, QString before,
             QString after, QUndoCommand* parent = nullptr);

private:
    void apply(bool forward) override;
    ImageListModel& m_model;
    int m_row;
    ImageListModel::Column m_column;
    QString m_before;
    QString m_after;
};

class CheckStep : public Step {
public:
    CheckStep(ImageListModel& model, int row, bool after, QUndoCommand* parent = nullptr);

private:
    void apply(bool forward) override;
    ImageListModel& m_model;
    int m_row;
    bool m_after;
};

class ChecksStep : public Step {
public:
    ChecksStep(ImageListModel& model, std::vector<bool> before, std::vector<bool> after,
               QUndoCommand* parent = nullptr);

private:
    void apply(bool forward) override;
    ImageListModel& m_model;
    std::vector<bool> m_before;
    std::vector<bool> m_after;
};

// A row the split inserted; ImageCount follows it.
class InsertStep : public Step {
public:
    InsertStep(ImageListModel& model, int row, QString name, QUndoCommand* parent = nullptr);

private:
    void apply(bool forward) override;
    ImageListModel& m_model;
    int m_row;
    QString m_name;
};

} // namespace EditCommands
