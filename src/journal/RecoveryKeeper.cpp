#include "RecoveryKeeper.h"

#include "Dialogs.h"
#include "ImageListDocument.h"
#include "ImageListModel.h"

#include <QLocale>

RecoveryKeeper::RecoveryKeeper(QWidget* window, ImageListDocument& document, RootFolder rootFolder,
                               const QString& folder)
    : m_window(window), m_document(document), m_rootFolder(std::move(rootFolder)), m_journal(folder)
{
    m_gather.setSingleShot(true);
    m_gather.setInterval(200);
    connect(&m_gather, &QTimer::timeout, this, &RecoveryKeeper::journalRows);
    connect(&document, &ImageListDocument::rowsChanged, this, &RecoveryKeeper::documentChanged);
    connect(&document, &ImageListDocument::stateChanged, this, &RecoveryKeeper::documentChanged);
    connect(&m_journal, &RecoveryJournal::writeFailed, this, [this](const QString& message) {
        if (std::exchange(m_warned, true))
            return;
        Platform::showMessage({m_window,
                               tr("Unsaved work cannot be kept for recovery after a "
                                  "crash:\n") +
                                   message,
                               Platform::warningTitle(), Platform::MessageIcon::Warning});
    });
}

void RecoveryKeeper::documentChanged()
{
    if (!m_document.isModified()) {
        m_gather.stop();
        m_journal.clear();
        return;
    }
    if (!m_gather.isActive())
        m_gather.start();
}

void RecoveryKeeper::journalRows()
{
    if (m_document.isModified())
        m_journal.update({m_rootFolder(), m_document.filePath(), m_document.model().sharedRows()});
}

bool RecoveryKeeper::flush()
{
    if (m_gather.isActive()) {
        m_gather.stop();
        journalRows();
    }
    return m_journal.flush();
}

void RecoveryKeeper::closedCleanly()
{
    m_journal.clear();
}

void RecoveryKeeper::offerRestore(const Restore& restore)
{
    const QList<RecoveryJournal::Orphan> orphans = m_journal.orphans();
    if (orphans.isEmpty())
        return;
    const RecoveryJournal::Orphan& newest = orphans.first();
    const QString when = QLocale().toString(newest.modified.toLocalTime(), QLocale::ShortFormat);
    JournalSnapshot snapshot;
    QString error;
    if (RecoveryJournal::read(newest.path, snapshot, &error) != JournalFormat::Status::Ok) {
        m_journal.setAside(newest.path);
        Platform::showMessage({m_window,
                               tr("The unsaved work from %1 cannot be restored (%2). Its file was "
                                  "kept as %3.bad.")
                                   .arg(when, error, newest.path),
                               Platform::kApplicationTitle, Platform::MessageIcon::Warning});
        return;
    }
    enum { RestoreIt, Discard, Later };
    const int answer = Platform::askQuestion({m_window,
                                              tr("Restore the unsaved work from %1?").arg(when),
                                              Platform::kApplicationTitle,
                                              {tr("Restore"), tr("Discard"), tr("Later")}});
    if (answer == RestoreIt) {
        restore(snapshot);
        m_journal.adopt(newest.path);
        documentChanged();
        flush();
    } else if (answer == Discard) {
        m_journal.discard(newest.path);
    }
}
