#pragma once

#include "Dialogs.h"
#include "Form1.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <cstdio>

// The real main window for a benchmark: file dialogs answer from a queue, and
// any message box counts as a failure.
class FormDriver {
public:
    explicit FormDriver(QStringList fileAnswers = {}) : m_answers(std::move(fileAnswers))
    {
        Platform::setMessageBoxHandler([this](const Platform::MessageBoxRequest& request) {
            std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
            m_failed = true;
        });
        Platform::setFileDialogHandler(
            [this](const Platform::FileDialogRequest&) -> std::optional<QString> {
                if (m_answers.isEmpty())
                    return std::nullopt;
                return m_answers.takeFirst();
            });
        form.show();
        settle();
    }

    // Clicks a command button, enabling it first where a search would have.
    void click(const char* name)
    {
        auto* button = form.findChild<QPushButton*>(QLatin1String(name));
        button->setEnabled(true);
        button->click();
    }

    // Loads the list file the next file answer names and checks every row.
    void loadAllChecked()
    {
        click("CmdLoadImages");
        settle();
        click("CmdSelectAll");
        settle();
    }

    static void settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
    }

    bool failed() const { return m_failed; }

    Form1 form;

private:
    QStringList m_answers;
    bool m_failed = false;
};
