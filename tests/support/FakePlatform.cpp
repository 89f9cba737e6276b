#include "FakePlatform.h"

#include <algorithm>

FakePlatform::FakePlatform()
{
    Platform::setMessageBoxHandler(
        [this](const Platform::MessageBoxRequest& request) { messages.append(request); });
    Platform::setFileDialogHandler(
        [this](const Platform::FileDialogRequest& request) -> std::optional<QString> {
            fileDialogs.append(request);
            if (request.chosenFilter && !m_filterAnswers.isEmpty())
                *request.chosenFilter = m_filterAnswers.takeFirst();
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
    Platform::setQuestionHandler([this](const Platform::QuestionRequest& request) {
        questions.append(request);
        if (!m_questionAnswers.isEmpty()) {
            const qsizetype chosen = request.buttons.indexOf(m_questionAnswers.takeFirst());
            if (chosen < 0)
                qFatal("the question has no such button");
            return static_cast<int>(chosen);
        }
        return std::min(1, static_cast<int>(request.buttons.size()) - 1);
    });
    Platform::setOptionsHandler(
        [this](const Platform::OptionsRequest& request) -> std::optional<QList<bool>> {
            optionDialogs.append(request);
            return m_optionAnswers.isEmpty() ? request.values : m_optionAnswers.takeFirst();
        });
}

FakePlatform::~FakePlatform()
{
    Platform::setMessageBoxHandler({});
    Platform::setFileDialogHandler({});
    Platform::setFolderPickerHandler({});
    Platform::setShellHandler({});
    Platform::setQuestionHandler({});
    Platform::setOptionsHandler({});
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Platform::MessageBoxRequest& request : messages)
        texts.append(request.text);
    return texts;
}
