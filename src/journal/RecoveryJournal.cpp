#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <utility>

namespace {

// Short enough to coalesce a burst of typing into one write, long before the
// two seconds within which a change must be on disk.
constexpr int kDebounceMs = 400;

const QString kPattern = QStringLiteral("journal-*.vmj");

QString lockPath(const QString& journal)
{
    return journal + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> tryLock(const QString& journal)
{
    auto lock = std::make_unique<QLockFile>(lockPath(journal));
    // Stale only when its process is gone: a lock held for hours by a live
    // instance must never count as stale by age.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

// Lets clear() and a worker's commit agree on whether the file may exist.
struct RecoveryJournal::Shared {
    QMutex mutex;
    quint64 generation = 0;
};

RecoveryJournal::RecoveryJournal(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder), m_shared(std::make_shared<Shared>())
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                   QStringLiteral("/journal");
    QDir().mkpath(m_folder);
    const QString name = QStringLiteral("journal-%1-%2.vmj")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    m_path = QDir(m_folder).filePath(name);
    // Without the lock (a folder that cannot be written) the journal cannot be
    // written either, and that is reported on the first write.
    m_lock = tryLock(m_path);

    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_debounce, &QTimer::timeout, this, &RecoveryJournal::startWrite);
    m_pool.setMaxThreadCount(1);
}

RecoveryJournal::~RecoveryJournal()
{
    const QSignalBlocker blocker(this);
    flush();
    m_pool.waitForDone();
}

void RecoveryJournal::update(JournalSnapshot snapshot)
{
    m_pending = std::move(snapshot);
    // Not restarted on every change: steady typing must not postpone the write.
    if (!m_debounce.isActive())
        m_debounce.start();
}

void RecoveryJournal::startWrite()
{
    if (m_inFlightId != 0 || !m_pending)
        return; // finishWrite starts the next one
    JournalSnapshot snapshot = std::move(*m_pending);
    m_pending.reset();
    const quint64 id = ++m_lastId;
    m_inFlightId = id;
    m_inFlight = QtConcurrent::run(&m_pool, &RecoveryJournal::write, m_shared, m_shared->generation,
                                   m_path, std::move(snapshot));
    m_inFlight.then(this, [this, id](const Outcome& outcome) { finishWrite(id, outcome); });
}

void RecoveryJournal::finishWrite(quint64 id, const Outcome& outcome)
{
    if (id != m_inFlightId)
        return; // flush() has handled it already
    m_inFlightId = 0;
    handleOutcome(outcome);
    if (m_pending && !m_debounce.isActive())
        startWrite();
}

bool RecoveryJournal::flush()
{
    m_debounce.stop();
    bool ok = true;
    if (m_inFlightId != 0) {
        m_inFlight.waitForFinished();
        m_inFlightId = 0;
        const Outcome outcome = m_inFlight.result();
        handleOutcome(outcome);
        ok = outcome.ok || outcome.cancelled;
    }
    if (m_pending) {
        const JournalSnapshot snapshot = std::move(*m_pending);
        m_pending.reset();
        const Outcome outcome = write(m_shared, m_shared->generation, m_path, snapshot);
        handleOutcome(outcome);
        ok = ok && outcome.ok;
    }
    return ok;
}

RecoveryJournal::Outcome RecoveryJournal::write(const std::shared_ptr<Shared>& shared,
                                                quint64 generation, const QString& path,
                                                const JournalSnapshot& snapshot)
{
    const QByteArray bytes = JournalFormat::serialise(snapshot);
    if (bytes.isEmpty())
        return {false, false, tr("The rows are too large for a journal")};
    // The folder may have been removed under a running instance.
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, false, error};
    }
    {
        const QMutexLocker locker(&shared->mutex);
        if (generation != shared->generation) {
            file.cancelWriting();
            return {false, true, {}};
        }
    }
    if (!file.commit())
        return {false, false, file.errorString()};
    // commit() syncs to disk, too long to hold the mutex through; a clear()
    // that came in meanwhile may have run before the rename, so look again.
    const QMutexLocker locker(&shared->mutex);
    if (generation != shared->generation) {
        QFile::remove(path);
        return {false, true, {}};
    }
    return {true, false, {}};
}

void RecoveryJournal::handleOutcome(const Outcome& outcome)
{
    if (outcome.cancelled)
        return;
    if (!outcome.ok) {
        if (!m_failureReported) {
            m_failureReported = true;
            Q_EMIT writeFailed(tr("The recovery journal cannot be written to %1: %2")
                                   .arg(QDir::toNativeSeparators(m_folder), outcome.error));
        }
        return;
    }
    m_failureReported = false;
    removeAdopted();
}

void RecoveryJournal::clear()
{
    m_debounce.stop();
    m_pending.reset();
    {
        const QMutexLocker locker(&m_shared->mutex);
        ++m_shared->generation;
        QFile::remove(m_path);
    }
    removeAdopted();
}

QList<RecoveryJournal::Orphan> RecoveryJournal::orphans()
{
    QList<Orphan> result;
    const QFileInfoList entries =
        QDir(m_folder).entryInfoList({kPattern}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.filePath();
        if (path == m_path)
            continue;
        if (!m_claimed.count(path)) {
            auto lock = tryLock(path);
            if (!lock)
                continue; // its instance is alive (or the folder is read-only)
            // Its owner may have cleared it between the listing and the lock.
            if (!QFileInfo::exists(path))
                continue;
            m_claimed.emplace(path, std::move(lock));
        }
        result.append(Orphan{path, entry.lastModified()});
    }
    return result;
}

JournalFormat::Status RecoveryJournal::read(const QString& path, JournalSnapshot& snapshot,
                                            QString* errorString)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return JournalFormat::Status::Unreadable;
    }
    return JournalFormat::read(file, snapshot, errorString);
}

bool RecoveryJournal::setAside(const QString& path, QString* errorString)
{
    if (!m_claimed.count(path)) {
        if (errorString)
            *errorString = tr("Not an orphaned journal: %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QString target = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".%1.bad").arg(n);
    QFile file(path);
    if (!file.rename(target)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    releaseClaim(path);
    return true;
}

bool RecoveryJournal::discard(const QString& path, QString* errorString)
{
    if (!m_claimed.count(path)) {
        if (errorString)
            *errorString = tr("Not an orphaned journal: %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QFile file(path);
    if (!file.remove()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    releaseClaim(path);
    return true;
}

void RecoveryJournal::adopt(const QString& path)
{
    if (m_claimed.count(path) && !m_adopted.contains(path))
        m_adopted.append(path);
}

void RecoveryJournal::removeAdopted()
{
    const QStringList adopted = std::exchange(m_adopted, {});
    for (const QString& path : adopted) {
        // Kept claimed when it will not go, so that this run does not offer it
        // again; the next run will.
        if (QFile::remove(path) || !QFileInfo::exists(path))
            releaseClaim(path);
    }
}

void RecoveryJournal::releaseClaim(const QString& path)
{
    // The journal is gone or renamed before its lock, so no other instance can
    // claim it in between.
    m_claimed.erase(path);
}
