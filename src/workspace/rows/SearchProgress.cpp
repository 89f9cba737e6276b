#include "SearchProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <algorithm>

namespace {

int s_defaultDelay = 500;
// Short enough that the window never looks stuck between two rounds.
constexpr qint64 kEventInterval = 20;

} // namespace

int SearchProgress::defaultDelay()
{
    return s_defaultDelay;
}

void SearchProgress::setDefaultDelay(int delayMs)
{
    s_defaultDelay = delayMs;
}

SearchProgress::SearchProgress(QWidget* parent, int delayMs) : m_parent(parent), m_delayMs(delayMs)
{
    m_clock.start();
}

SearchProgress::~SearchProgress()
{
    delete m_dialog.data();
}

bool SearchProgress::keepGoing(qsizetype folders, qsizetype files)
{
    if (m_cancelled)
        return false;
    const qint64 now = m_clock.elapsed();
    if (now - m_lastEvents < std::min<qint64>(kEventInterval, m_delayMs))
        return true;
    m_lastEvents = now;
    if (now < m_delayMs) {
        // Too soon for a dialog, but the window goes on painting; what the
        // user does meanwhile waits for the search, as it would without.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    if (!m_dialog) {
        m_dialog = new QProgressDialog(
            QCoreApplication::translate("SearchProgress", "Searching for images..."),
            QCoreApplication::translate("SearchProgress", "Cancel"), 0, 0, m_parent);
        m_dialog->setObjectName(QStringLiteral("SearchProgress"));
        m_dialog->setWindowTitle(QStringLiteral("Vemarill"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    if (folders > 0) {
        m_dialog->setLabelText(
            QCoreApplication::translate("SearchProgress",
                                        "Searching for images... %L1 folders, %L2 files")
                .arg(folders)
                .arg(files));
        if (m_report)
            m_report(folders, files);
    }
    QCoreApplication::processEvents();
    m_cancelled = m_dialog && m_dialog->wasCanceled();
    return !m_cancelled;
}
