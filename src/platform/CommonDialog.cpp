#include "CommonDialog.h"

#include "Dialogs.h"

#include <QWidget>

CommonDialog::CommonDialog(QWidget* owner) : QObject(owner), m_owner(owner) {}

bool CommonDialog::showOpen()
{
    return show(false);
}
bool CommonDialog::showSave()
{
    return show(true);
}

bool CommonDialog::show(bool save)
{
    Platform::FileDialogRequest request;
    request.parent = m_owner;
    request.mode =
        save ? Platform::FileDialogRequest::Mode::Save : Platform::FileDialogRequest::Mode::Open;
    request.title = dialogTitle;
    request.filter = filter;
    request.flags = flags;
    request.fileName = m_fileName;
    request.filterIndex = filterIndex;
    int chosenFilter = filterIndex;
    request.chosenFilter = &chosenFilter;
    const std::optional<QString> chosen = Platform::showFileDialog(request);
    if (!chosen || chosen->isEmpty())
        return false;
    m_fileName = *chosen;
    if (chosenFilter > 0)
        filterIndex = chosenFilter;
    return true;
}
