#include "EditCommands.h"

#include "ImageCount.h"

#include <QCoreApplication>
#include <utility>

namespace EditCommands {

namespace {
int s_applying = 0;

struct Applying {
    Applying() { ++s_applying; }
    ~Applying() { --s_applying; }
};
} // namespace

bool isApplying()
{
    return s_applying > 0;
}

void Step::redo()
{
    if (std::exchange(m_done, false))
        return;
    const Applying applying;
    apply(true);
}

void Step::undo()
{
    const Applying applying;
    apply(false);
}

TextStep::TextStep(ImageListModel& model, int row, ImageListModel::Column column, QString before,
                   QString after, QUndoCommand* parent)
    : Step(QCoreApplication::translate("EditCommands", "Edit"), parent), m_model(model), m_row(row),
      m_column(column), m_before(std::move(before)), m_after(std::move(after))
{}

void TextStep::apply(bool forward)
{
    m_model.setText(m_row, m_column, forward ? m_after : m_before);
}

CheckStep::CheckStep(ImageListModel& model, int row, bool after, QUndoCommand* parent)
    : Step(after ? QCoreApplication::translate("EditCommands", "Check")
                 : QCoreApplication::translate("EditCommands", "Uncheck"),
           parent),
      m_model(model), m_row(row), m_after(after)
{}

void CheckStep::apply(bool forward)
{
    m_model.setChecked(m_row, forward == m_after);
}

ChecksStep::ChecksStep(ImageListModel& model, std::vector<bool> before, std::vector<bool> after,
                       QUndoCommand* parent)
    : Step(QCoreApplication::translate("EditCommands", "Change Checks"), parent), m_model(model),
      m_before(std::move(before)), m_after(std::move(after))
{}

void ChecksStep::apply(bool forward)
{
    m_model.setChecks(forward ? m_after : m_before);
}

InsertStep::InsertStep(ImageListModel& model, int row, QString name, QUndoCommand* parent)
    : Step(QCoreApplication::translate("EditCommands", "Split"), parent), m_model(model),
      m_row(row), m_name(std::move(name))
{}

void InsertStep::apply(bool forward)
{
    if (forward) {
        m_model.insertRow(m_row, m_name);
        ImageCount::add(1);
    } else {
        m_model.removeRow(m_row);
        ImageCount::add(-1);
    }
}

} // namespace EditCommands
