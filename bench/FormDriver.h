#pragma once

#include "Dialogs.h"
#include "Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cstdio>

// Kilobytes of a /proc/self/status field ("VmRSS:", "VmHWM:"), -1 when unknown.
inline long residentKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Runs the event loop itself: QTest::qWait sleeps in 10 ms slices, which would
// count as stalls.
inline void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The longest time the GUI thread was away from its event loop while `work`
// runs, seen by a 1 ms timer.
template <typename Work> qint64 longestStall(Work work)
{
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceTick.restart()); });
    ticker.start(1);
    sinceTick.start();
    work();
    return longest;
}

// The real main window for a benchmark: file dialogs answer from a queue,
// questions go on as the window did before it asked (their second button),
// and any message box counts as a failure.
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
        Platform::setQuestionHandler([](const Platform::QuestionRequest&) { return 1; });
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
