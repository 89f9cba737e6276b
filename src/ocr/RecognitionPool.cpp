#include "RecognitionPool.h"

#include "OcrCache.h"
#include "OcrEngine.h"
#include "OcrImageFile.h"
#include "OcrLanguages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <vector>

struct RecognitionPool::Run {
    QList<OcrJob> jobs;
    QString languages;
    QString cacheFolder;
    std::atomic<int> next{0};
    std::atomic<bool> cancelled{false};
};

// Idle engines, kept between runs: opening one costs far more than reading a
// label with it.
struct RecognitionPool::Engines {
    std::mutex mutex;
    std::vector<std::unique_ptr<OcrEngine>> idle;

    std::unique_ptr<OcrEngine> take(const QString& languages)
    {
        {
            const std::lock_guard lock(mutex);
            std::erase_if(idle, [&](const std::unique_ptr<OcrEngine>& engine) {
                return engine->languages() != languages;
            });
            if (!idle.empty()) {
                std::unique_ptr<OcrEngine> engine = std::move(idle.back());
                idle.pop_back();
                return engine;
            }
        }
        return std::make_unique<OcrEngine>(languages);
    }

    void giveBack(std::unique_ptr<OcrEngine> engine)
    {
        const std::lock_guard lock(mutex);
        idle.push_back(std::move(engine));
    }
};

struct RecognitionPool::Outcome {
    int index = 0;
    std::optional<OcrResult> result;
    bool fromCache = false;
    QString reason;
};

RecognitionPool::RecognitionPool(QObject* parent)
    : QObject(parent), m_languages(OcrLanguages::chosen()), m_cacheFolder(OcrCache().folder()),
      m_workerCount(std::max(1, QThread::idealThreadCount())),
      m_engines(std::make_shared<Engines>())
{}

RecognitionPool::~RecognitionPool()
{
    cancel();
    m_threads.waitForDone();
}

void RecognitionPool::setLanguages(const QString& languages)
{
    m_languages = languages;
}

void RecognitionPool::setWorkerCount(int count)
{
    m_workerCount = std::max(1, count);
}

void RecognitionPool::setCacheFolder(const QString& folder)
{
    m_cacheFolder = folder;
}

bool RecognitionPool::recognise(const QList<OcrJob>& jobs)
{
    if (m_run)
        return false;
    m_run = std::make_shared<Run>();
    m_run->jobs = jobs;
    m_run->languages = m_languages;
    m_run->cacheFolder = m_cacheFolder;
    m_done = 0;
    m_summary = OcrSummary{};
    m_summary.total = int(jobs.size());
    m_workersLeft = std::min(m_workerCount, int(jobs.size()));
    if (m_workersLeft == 0) {
        m_workersLeft = 1;
        QMetaObject::invokeMethod(
            this, [this, run = m_run] { workerEnded(run); }, Qt::QueuedConnection);
        return true;
    }
    m_threads.setMaxThreadCount(m_workersLeft);
    for (int i = 0; i < m_workersLeft; ++i)
        m_threads.start([this, run = m_run, engines = m_engines] { work(this, run, engines); });
    return true;
}

void RecognitionPool::cancel()
{
    if (m_run)
        m_run->cancelled = true;
}

void RecognitionPool::work(RecognitionPool* pool, const std::shared_ptr<Run>& run,
                           const std::shared_ptr<Engines>& engines)
{
    std::optional<OcrCache> cache;
    if (!run->cacheFolder.isEmpty())
        cache.emplace(run->cacheFolder);
    // Opened at the first image the cache cannot answer, so that a run the
    // cache answers whole opens none.
    std::unique_ptr<OcrEngine> engine;
    for (;;) {
        const int index = run->next.fetch_add(1);
        if (run->cancelled || index >= run->jobs.size())
            break;
        const QString& path = run->jobs.at(index).path;
        Outcome outcome;
        outcome.index = index;
        const std::optional<OcrCacheKey> key = OcrCacheKey::of(path, run->languages);
        if (cache && key)
            outcome.result = cache->find(*key);
        outcome.fromCache = outcome.result.has_value();
        if (!outcome.result) {
            const OcrImageFile::Loaded loaded = OcrImageFile::load(path);
            if (!loaded.reason.isEmpty()) {
                outcome.reason = loaded.reason;
            } else {
                if (!engine)
                    engine = engines->take(run->languages);
                outcome.result = engine->recognise(loaded.image);
                if (!outcome.result)
                    outcome.reason = QCoreApplication::translate("RecognitionPool", "%1: %2")
                                         .arg(QFileInfo(path).fileName(), engine->errorString());
                else if (cache && key)
                    cache->store(*key, *outcome.result);
            }
        }
        QMetaObject::invokeMethod(
            pool, [pool, run, outcome = std::move(outcome)] { pool->deliver(run, outcome); },
            Qt::QueuedConnection);
    }
    if (engine && engine->isAvailable())
        engines->giveBack(std::move(engine));
    QMetaObject::invokeMethod(
        pool, [pool, run] { pool->workerEnded(run); }, Qt::QueuedConnection);
}

void RecognitionPool::deliver(const std::shared_ptr<Run>& run, const Outcome& outcome)
{
    if (run != m_run)
        return;
    const OcrJob& job = run->jobs.at(outcome.index);
    ++m_done;
    if (outcome.result) {
        ++m_summary.recognised;
        if (outcome.fromCache)
            ++m_summary.fromCache;
        emit resultReady(job.row, *outcome.result);
    } else {
        m_summary.skipped.append({job.row, job.path, outcome.reason});
    }
    emit progress(m_done, m_summary.total);
}

void RecognitionPool::workerEnded(const std::shared_ptr<Run>& run)
{
    if (run != m_run || --m_workersLeft > 0)
        return;
    m_summary.cancelled = run->cancelled && m_done < m_summary.total;
    m_run.reset();
    emit finished(m_summary);
}
