#include "FakePlatform.h"

FakePlatform::FakePlatform()
{
    Platform::setMessageBoxHandler(
        [this](const Platform::MessageBoxRequest& request) { messages.append(request); });
    Platform::setFileDialogHandler(
        [this](const Platform::FileDialogRequest& request) -> std::optional<QString> {
            fileDialogs.append(request);
            return m_fileAnswers.isEmpty() ? std::nullopt : m_fileAnswers.takeFirst();
        });
    Platform::setFolderPickerHandler([this](QWidget*) {
        ++folderPickerCalls;
        return m_folderAnswers.isEmpty() ? QString() : m_folderAnswers.takeFirst();
    });
    Platform::setShellHandler([this](const Platform::ShellRequest& request) {
        shellRequests.append(request);
        return m_shellResult;
    });
}

FakePlatform::~FakePlatform()
{
    Platform::setMessageBoxHandler({});
    Platform::setFileDialogHandler({});
    Platform::setFolderPickerHandler({});
    Platform::setShellHandler({});
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Platform::MessageBoxRequest& request : messages)
        texts.append(request.text);
    return texts;
}
