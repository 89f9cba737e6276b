#pragma once

#include "JournalSnapshot.h"
#include "RecoveryJournal.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ImageListDocument;
class QWidget;

// Keeps the journal in step with the document: written while the rows hold
// unsaved changes, cleared once they are saved or the window closes cleanly.
// At start-up, offers what a crashed instance left.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // The image root folder text, read at each journal write.
    using RootFolder = std::function<QString()>;
    // Puts restored rows into the window.
    using Restore = std::function<void(const JournalSnapshot&)>;

    RecoveryKeeper(QWidget* window, ImageListDocument& document, RootFolder rootFolder,
                   const QString& folder = {});

    RecoveryJournal& journal() { return m_journal; }
    // Asks about the newest journal a dead instance left: Restore, Discard or
    // Later (kept for the next start). An unreadable one is set aside.
    void offerRestore(const Restore& restore);
    // Writes the journal now, with the rows as they are.
    bool flush();
    // The window closes cleanly: nothing is left to recover.
    void closedCleanly();

private:
    void documentChanged();
    void journalRows();

    QWidget* m_window;
    ImageListDocument& m_document;
    RootFolder m_rootFolder;
    RecoveryJournal m_journal;
    // Coalesces a burst of edits into one copy of the rows for the journal.
    QTimer m_gather;
    bool m_warned = false;
};
