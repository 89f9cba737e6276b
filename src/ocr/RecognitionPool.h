#pragma once

#include "OcrResult.h"
#include "RecognitionSummary.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <memory>

// Reads the text off many images on worker threads, as many as there are
// cores, each with an engine of its own that it keeps from image to image
// (and the pool keeps from run to run). Results already in the cache come
// back without an engine being opened at all.
//
// Every signal arrives on the pool's own thread. recognise() and cancel()
// return at once; only the destructor waits, for the images in hand.
class RecognitionPool : public QObject {
    Q_OBJECT
public:
    explicit RecognitionPool(QObject* parent = nullptr);
    ~RecognitionPool() override;

    // Each takes effect at the next run. Languages default to the user's
    // choice, the cache to OcrCache's own folder; an empty cache folder
    // reads every image afresh and keeps nothing.
    void setLanguages(const QString& languages);
    QString languages() const { return m_languages; }
    void setWorkerCount(int count);
    int workerCount() const { return m_workerCount; }
    void setCacheFolder(const QString& folder);
    QString cacheFolder() const { return m_cacheFolder; }

    // Starts a run, which ends with finished(), empty lists too. False,
    // starting nothing, while a run is going.
    bool recognise(const QList<OcrJob>& jobs);
    // Each worker stops after the image in hand; results so far stay
    // delivered and counted, and finished() follows.
    void cancel();
    bool isRunning() const { return m_run != nullptr; }

Q_SIGNALS:
    void resultReady(int row, const OcrResult& result);
    // After each image, read or skipped.
    void progress(int done, int total);
    void finished(const OcrSummary& summary);

private:
    struct Run;
    struct Engines;
    struct Outcome;

    static void work(RecognitionPool* pool, const std::shared_ptr<Run>& run,
                     const std::shared_ptr<Engines>& engines);
    void deliver(const std::shared_ptr<Run>& run, const Outcome& outcome);
    void workerEnded(const std::shared_ptr<Run>& run);

    QString m_languages;
    QString m_cacheFolder;
    int m_workerCount;
    std::shared_ptr<Engines> m_engines;
    std::shared_ptr<Run> m_run;
    int m_workersLeft = 0;
    int m_done = 0;
    OcrSummary m_summary;
    // Last, so that it is destroyed first, once the workers are done.
    QThreadPool m_threads;
};
