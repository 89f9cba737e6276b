#pragma once

#include "JournalFormat.h"
#include "JournalSnapshot.h"

#include <QDateTime>
#include <QFuture>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

// Keeps the user's whole row set on disk while they work, so that a crash or a
// kill loses nothing, and offers what a dead instance left behind.
//
// Each instance writes its own journal-<pid>-<random>.vmj in the folder and
// holds a QLockFile next to it, so instances never overwrite each other and a
// journal is an orphan exactly when its lock is stale.
//
// A single file replaced whole (QSaveFile) rather than SQLite: every write is a
// full snapshot, so a database's partial updates buy nothing, and an atomic
// rename needs no extra dependency; the header's checksum catches a torn or
// damaged file on read.
class RecoveryJournal : public QObject {
    Q_OBJECT
public:
    struct Orphan {
        QString path;
        QDateTime modified;
    };

    // folder empty: AppDataLocation/journal. A folder that cannot be created
    // or written is reported by writeFailed on the first write.
    explicit RecoveryJournal(const QString& folder = {}, QObject* parent = nullptr);
    // Writes what is pending and keeps the file: only clear() says the rows
    // are safe elsewhere.
    ~RecoveryJournal() override;

    QString folder() const { return m_folder; }
    QString path() const { return m_path; }

    // Cheap: the snapshot's strings are shared, not copied. The newest snapshot
    // reaches disk within half a second, written on a worker thread.
    void update(JournalSnapshot snapshot);
    // Writes the newest snapshot now, on the calling thread, after any write in
    // flight. False when a write failed.
    bool flush();
    // The rows were saved or the program ends cleanly: removes the journal,
    // drops what is pending, and keeps a write in flight from bringing it back.
    // Orphans passed to adopt() are removed too.
    void clear();

    // Journals whose instance died, newest first. Listing claims them (their
    // lock is taken over), so two starting instances never offer the same one.
    QList<Orphan> orphans();
    static JournalFormat::Status read(const QString& path, JournalSnapshot& snapshot,
                                      QString* errorString = nullptr);
    // For orphans only. setAside renames a journal that cannot be read to
    // <name>.vmj.bad (never deleting it), so that orphans() stops listing it;
    // discard removes one the user declined; adopt marks one whose rows were
    // restored, removed once this journal has been written or cleared.
    bool setAside(const QString& path, QString* errorString = nullptr);
    bool discard(const QString& path, QString* errorString = nullptr);
    void adopt(const QString& path);

Q_SIGNALS:
    // Once per run of failures; the journal keeps trying on later updates.
    void writeFailed(const QString& message);

private:
    struct Outcome {
        bool ok = false;
        bool cancelled = false;
        QString error;
    };
    struct Shared;

    static Outcome write(const std::shared_ptr<Shared>& shared, quint64 generation,
                         const QString& path, const JournalSnapshot& snapshot);
    void startWrite();
    void finishWrite(quint64 id, const Outcome& outcome);
    void handleOutcome(const Outcome& outcome);
    void releaseClaim(const QString& path);
    void removeAdopted();

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_claimed;
    QStringList m_adopted;
    std::shared_ptr<Shared> m_shared;
    std::optional<JournalSnapshot> m_pending;
    QTimer m_debounce;
    QFuture<Outcome> m_inFlight;
    quint64 m_inFlightId = 0;
    quint64 m_lastId = 0;
    bool m_failureReported = false;
    // Last, so that it is destroyed first and waits for the worker.
    QThreadPool m_pool;
};
