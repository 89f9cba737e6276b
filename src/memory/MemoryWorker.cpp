#include "MemoryWorker.h"

#include "SaveFile.h"
#include "SharedIndex.h"
#include "TmxWriter.h"

#include <QWriteLocker>

MemoryWorker::MemoryWorker(const MemoryLocation& location, int busyTimeoutMs, int refreshMs,
                           std::shared_ptr<SharedIndex> shared)
    : m_location(location), m_busyTimeoutMs(busyTimeoutMs), m_refreshMs(refreshMs),
      m_shared(std::move(shared))
{}

MemoryWorker::~MemoryWorker() = default;

bool MemoryWorker::usable() const
{
    return m_store && !m_shared->off.load();
}

void MemoryWorker::fail()
{
    const QString why = m_store ? m_store->errorString() : QString();
    m_store.reset();
    m_refresh.reset();
    Q_EMIT failed(why);
}

void MemoryWorker::open()
{
    if (m_shared->off.load())
        return;
    m_store = std::make_unique<MemoryStore>();
    if (!m_store->open(m_location, m_busyTimeoutMs))
        return fail();
    // Built aside and swapped in, so that lookups keep going meanwhile.
    FuzzyIndex index;
    if (!m_store->forEachSource(
            0, [&](qint64 id, const QString& source, const LanguagePair& languages) {
                index.add(id, source, languages);
            }))
        return fail();
    qint64 size = 0;
    {
        QWriteLocker locker(&m_shared->lock);
        m_shared->index = std::move(index);
        size = static_cast<qint64>(m_shared->index.size());
    }
    if (m_refreshMs > 0) {
        m_refresh = std::make_unique<QTimer>();
        m_refresh->setInterval(m_refreshMs);
        connect(m_refresh.get(), &QTimer::timeout, this, &MemoryWorker::refreshIndex);
        m_refresh->start();
    }
    Q_EMIT indexReady(size);
}

void MemoryWorker::refreshIndex()
{
    if (!usable())
        return;
    qint64 after = 0;
    {
        QReadLocker locker(&m_shared->lock);
        after = m_shared->index.lastId();
    }
    struct Added {
        qint64 id;
        QString source;
        LanguagePair languages;
    };
    std::vector<Added> added;
    if (!m_store->forEachSource(
            after, [&](qint64 id, const QString& source, const LanguagePair& languages) {
                added.push_back({id, source, languages});
            }))
        return fail();
    QWriteLocker locker(&m_shared->lock);
    for (const Added& pair : added)
        m_shared->index.add(pair.id, pair.source, pair.languages);
}

void MemoryWorker::store(const std::vector<MemoryUnit>& units, bool imported)
{
    if (!usable())
        return;
    if (!m_store->store(units))
        return fail();
    refreshIndex();
    if (imported)
        Q_EMIT this->imported(static_cast<int>(units.size()));
}

void MemoryWorker::exportTmx(const QString& path, const QString& sourceLanguage)
{
    if (!usable()) {
        Q_EMIT exportFinished(path, false, tr("The translation memory is switched off."));
        return;
    }
    bool databaseFailed = false;
    QString error;
    const bool ok = Platform::saveFile(
        path,
        [&](QIODevice& device, QString* errorString) {
            TmxWriter writer(&device);
            writer.writeHeader(sourceLanguage, QDateTime::currentDateTimeUtc());
            const bool read = m_store->forEachUnit([&](const MemoryUnit& unit) {
                if (sourceLanguage.isEmpty() || unit.languages.source == sourceLanguage)
                    writer.writeUnit(unit);
                return true;
            });
            if (!read) {
                databaseFailed = true;
                *errorString = m_store->errorString();
                return false;
            }
            if (!writer.finish()) {
                *errorString = writer.errorString();
                return false;
            }
            return true;
        },
        &error);
    Q_EMIT exportFinished(path, ok, error);
    if (databaseFailed)
        fail();
}

void MemoryWorker::close()
{
    m_refresh.reset();
    m_store.reset();
}
