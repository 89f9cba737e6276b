#include "SearchProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

SearchProgress::SearchProgress(QWidget* parent, int delayMs) : m_parent(parent), m_delayMs(delayMs)
{
    m_clock.start();
}

SearchProgress::~SearchProgress()
{
    delete m_dialog.data();
}

bool SearchProgress::keepGoing()
{
    if (m_cancelled)
        return false;
    const qint64 now = m_clock.elapsed();
    if (now < m_delayMs || now - m_lastEvents < 50)
        return true;
    m_lastEvents = now;
    if (!m_dialog) {
        m_dialog = new QProgressDialog(QStringLiteral("Searching for images..."),
                                       QStringLiteral("Cancel"), 0, 0, m_parent);
        m_dialog->setObjectName(QStringLiteral("SearchProgress"));
        m_dialog->setWindowTitle(QStringLiteral("Vemarill"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->show();
    }
    QCoreApplication::processEvents();
    m_cancelled = m_dialog && m_dialog->wasCanceled();
    return !m_cancelled;
}
