#pragma once

#include "MemoryLocation.h"
#include "MemoryStore.h"
#include "MemoryTypes.h"

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

struct SharedIndex;

// The memory's writer: lives on its own thread with its own connection, so
// that writes, index builds and exports never hold up the window.
class MemoryWorker : public QObject {
    Q_OBJECT
public:
    MemoryWorker(const MemoryLocation& location, int busyTimeoutMs, int refreshMs,
                 std::shared_ptr<SharedIndex> shared);
    ~MemoryWorker() override;

    // Each runs on the worker's thread; all do nothing once the memory is off.
    void open();
    void store(const std::vector<MemoryUnit>& units, bool imported);
    void exportTmx(const QString& path, const QString& sourceLanguage);
    // Adds pairs others stored since the last look to the fuzzy index.
    void refreshIndex();
    // Drops the connection on the thread that opened it.
    void close();

Q_SIGNALS:
    void failed(const QString& why);
    void indexReady(qint64 sources);
    void imported(int pairs);
    void exportFinished(const QString& path, bool ok, const QString& message);

private:
    bool usable() const;
    void fail();

    MemoryLocation m_location;
    int m_busyTimeoutMs;
    int m_refreshMs;
    std::shared_ptr<SharedIndex> m_shared;
    std::unique_ptr<MemoryStore> m_store;
    std::unique_ptr<QTimer> m_refresh;
};
