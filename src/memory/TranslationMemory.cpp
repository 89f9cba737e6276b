#include "TranslationMemory.h"

#include "ConsistencyCheck.h"
#include "FuzzyScore.h"
#include "ImageListRow.h"
#include "MemoryStore.h"
#include "MemoryWorker.h"
#include "SharedIndex.h"

#include <QDir>
#include <QFileInfo>
#include <QReadLocker>
#include <QSet>
#include <QSettings>
#include <algorithm>

TranslationMemory::TranslationMemory(QObject* parent) : TranslationMemory(Options{}, parent) {}

TranslationMemory::TranslationMemory(const Options& options, QObject* parent)
    : QObject(parent), m_options(options), m_shared(std::make_shared<SharedIndex>())
{
    m_thread.setObjectName(QStringLiteral("memory"));
}

TranslationMemory::~TranslationMemory()
{
    if (m_worker) {
        MemoryWorker* worker = m_worker.get();
        // Behind every queued write, so that those reach the database first.
        QMetaObject::invokeMethod(
            worker, [worker] { worker->close(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
}

bool TranslationMemory::open()
{
    QString error;
    const MemoryLocation location = MemoryLocation::resolve(QSettings(), &error);
    if (!location.isValid()) {
        m_location = location;
        switchOff(error.isEmpty() ? tr("no database is set") : error);
        return false;
    }
    return open(location);
}

bool TranslationMemory::open(const MemoryLocation& location)
{
    if (m_opened)
        return isEnabled();
    m_opened = true;
    m_location = location;
    if (location.backend == MemoryLocation::Backend::SQLite && location.isValid())
        QDir().mkpath(QFileInfo(location.sqlitePath).absolutePath());
    m_reader = std::make_unique<MemoryStore>();
    if (!m_reader->open(location, m_options.busyTimeoutMs)) {
        switchOff(m_reader->errorString());
        return false;
    }
    m_worker = std::make_unique<MemoryWorker>(location, m_options.busyTimeoutMs,
                                              m_options.refreshMs, m_shared);
    m_worker->moveToThread(&m_thread);
    connect(m_worker.get(), &MemoryWorker::failed, this, &TranslationMemory::switchOff);
    connect(m_worker.get(), &MemoryWorker::indexReady, this, [this](qint64 sources) {
        m_fuzzyReady = true;
        Q_EMIT fuzzyReady(sources);
    });
    connect(m_worker.get(), &MemoryWorker::imported, this, &TranslationMemory::imported);
    connect(m_worker.get(), &MemoryWorker::exportFinished, this,
            &TranslationMemory::exportFinished);
    m_thread.start();
    MemoryWorker* worker = m_worker.get();
    QMetaObject::invokeMethod(
        worker, [worker] { worker->open(); }, Qt::QueuedConnection);
    return true;
}

bool TranslationMemory::isEnabled() const
{
    return m_opened && !m_shared->off.load();
}

void TranslationMemory::switchOff(const QString& reason)
{
    if (m_shared->off.exchange(true))
        return;
    m_disabledReason = tr("The translation memory (%1) is switched off until "
                          "Vemarill restarts: %2.")
                           .arg(m_location.displayName(), reason);
    Q_EMIT disabled(m_disabledReason);
}

void TranslationMemory::queue(std::vector<MemoryUnit> units, bool imported)
{
    MemoryWorker* worker = m_worker.get();
    QMetaObject::invokeMethod(
        worker, [worker, units = std::move(units), imported] { worker->store(units, imported); },
        Qt::QueuedConnection);
}

bool TranslationMemory::store(const QString& source, const QString& target,
                              const LanguagePair& languages, const MemoryOrigin& origin)
{
    if (!isEnabled() || source.isEmpty() || target.isEmpty())
        return false;
    MemoryUnit unit{source, target, languages, origin, {}, 1};
    if (!unit.origin.when.isValid())
        unit.origin.when = QDateTime::currentDateTimeUtc();
    queue({std::move(unit)}, false);
    return true;
}

std::vector<Suggestion> TranslationMemory::suggestions(const QString& source,
                                                       const LanguagePair& languages)
{
    std::vector<Suggestion> out;
    const int limit = m_options.suggestionLimit;
    if (!isEnabled() || source.isEmpty() || limit <= 0)
        return out;
    if (!m_reader->exactMatches(source, languages, out)) {
        switchOff(m_reader->errorString());
        return {};
    }
    if (static_cast<int>(out.size()) >= limit) {
        out.resize(static_cast<size_t>(limit));
        return out;
    }
    std::vector<FuzzyIndex::Hit> hits;
    {
        QReadLocker locker(&m_shared->lock);
        hits = m_shared->index.search(source, languages, limit - static_cast<int>(out.size()),
                                      FuzzyScore::kMinScore);
    }
    std::vector<qint64> ids;
    for (const FuzzyIndex::Hit& hit : hits)
        ids.push_back(hit.id);
    std::vector<std::pair<qint64, MemoryUnit>> units;
    if (!m_reader->unitsById(ids, units)) {
        switchOff(m_reader->errorString());
        return {};
    }
    for (const FuzzyIndex::Hit& hit : hits) {
        const auto unit = std::find_if(units.begin(), units.end(),
                                       [&](const auto& pair) { return pair.first == hit.id; });
        if (unit == units.end())
            continue;
        const MemoryUnit& u = unit->second;
        out.push_back({u.source, u.target, hit.score, false, u.useCount, u.origin});
    }
    return out;
}

std::optional<Suggestion> TranslationMemory::exactMatch(const QString& source,
                                                        const LanguagePair& languages)
{
    std::vector<Suggestion> exact;
    if (!isEnabled() || source.isEmpty())
        return std::nullopt;
    if (!m_reader->exactMatches(source, languages, exact)) {
        switchOff(m_reader->errorString());
        return std::nullopt;
    }
    if (exact.empty())
        return std::nullopt;
    return exact.front();
}

std::vector<Inconsistency> TranslationMemory::inconsistencies(const std::vector<ImageListRow>& rows,
                                                              const LanguagePair& languages,
                                                              Scope scope)
{
    if (scope == Scope::Memory) {
        std::vector<Inconsistency> out;
        if (isEnabled() && !m_reader->conflicts(languages, out)) {
            switchOff(m_reader->errorString());
            return {};
        }
        return out;
    }
    ConsistencyCheck check;
    for (const ImageListRow& row : rows)
        check.add(row.sourceText, row.targetText);
    if (scope == Scope::RowsAndMemory && isEnabled()) {
        QSet<QString> seen;
        for (const ImageListRow& row : rows) {
            if (row.sourceText.isEmpty() || seen.contains(row.sourceText))
                continue;
            seen.insert(row.sourceText);
            std::vector<Suggestion> exact;
            if (!m_reader->exactMatches(row.sourceText, languages, exact)) {
                switchOff(m_reader->errorString());
                break;
            }
            for (const Suggestion& match : exact)
                check.add(match.source, match.target);
        }
    }
    return check.conflicts();
}

int TranslationMemory::importRows(const std::vector<ImageListRow>& rows,
                                  const LanguagePair& languages, const QString& project)
{
    if (!isEnabled())
        return 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<MemoryUnit> units;
    for (const ImageListRow& row : rows) {
        if (row.sourceText.isEmpty() || row.targetText.isEmpty())
            continue;
        units.push_back(
            {row.sourceText, row.targetText, languages, {project, row.name, {}, now}, now, 1});
    }
    const int count = static_cast<int>(units.size());
    if (count > 0)
        queue(std::move(units), true);
    else
        Q_EMIT imported(0);
    return count;
}

bool TranslationMemory::exportTmx(const QString& path, const QString& sourceLanguage)
{
    if (!isEnabled())
        return false;
    MemoryWorker* worker = m_worker.get();
    QMetaObject::invokeMethod(
        worker, [worker, path, sourceLanguage] { worker->exportTmx(path, sourceLanguage); },
        Qt::QueuedConnection);
    return true;
}
