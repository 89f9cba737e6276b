#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>
#include <optional>

// Replaces every modal function of the platform layer for the lifetime of the
// object: dialogs answer from queues set in advance (or cancel when the queue
// is empty), and every message box and shell request is recorded.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // The next file dialog answers this path; cancelNextFile() makes it cancel.
    void answerNextFile(const QString& path) { m_fileAnswers.append(path); }
    void cancelNextFile() { m_fileAnswers.append(std::nullopt); }
    // The filter pair the next answered file dialog reports as taken, from 1.
    void takeNextFilter(int index) { m_filterAnswers.append(index); }
    void answerNextFolder(const QString& path) { m_folderAnswers.append(path); }
    void setShellResult(bool ok) { m_shellResult = ok; }
    // The next question is answered with the button of this text. With none
    // queued, a question gets its second button: for the window's questions,
    // going on as it did before it asked (Discard, Save checked rows only).
    void answerNextQuestion(const QString& button) { m_questionAnswers.append(button); }
    // The next options dialog ends with these values (nothing: cancelled);
    // with none queued, it is accepted as offered.
    void answerNextOptions(std::optional<QList<bool>> values) { m_optionAnswers.append(values); }

    QList<Platform::MessageBoxRequest> messages;
    QList<Platform::FileDialogRequest> fileDialogs;
    QList<Platform::ShellRequest> shellRequests;
    QList<Platform::QuestionRequest> questions;
    QList<Platform::OptionsRequest> optionDialogs;
    int folderPickerCalls = 0;

    QStringList messageTexts() const;

private:
    QList<std::optional<QString>> m_fileAnswers;
    QStringList m_folderAnswers;
    QList<int> m_filterAnswers;
    QStringList m_questionAnswers;
    QList<std::optional<QList<bool>>> m_optionAnswers;
    bool m_shellResult = true;
};
