#pragma once

#include "MemoryLocation.h"
#include "MemoryTypes.h"

#include <QObject>
#include <QThread>
#include <memory>
#include <optional>
#include <vector>

struct ImageListRow;
struct SharedIndex;
class MemoryStore;
class MemoryWorker;

// The translation memory the window talks to.
//
// Writes (store, importRows, exportTmx) are queued to a worker thread with its
// own connection and return at once. Lookups run on the calling thread, which
// must be the thread that owns this object: an exact match is one indexed
// query, a fuzzy lookup searches the in-memory index the worker builds after
// open() and then reads its few winners.
//
// Any database fault (locked, damaged, read-only, unreachable) switches the
// memory off until the program restarts: disabled() is emitted once with the
// reason, and every call after that does nothing and finds nothing.
class TranslationMemory : public QObject {
    Q_OBJECT
public:
    struct Options {
        int busyTimeoutMs = 5000; // how long SQLite waits for another writer
        int refreshMs = 30000;    // how often pairs others stored join the fuzzy index
        int suggestionLimit = 5;
    };
    enum class Scope { Rows, Memory, RowsAndMemory };

    explicit TranslationMemory(QObject* parent = nullptr);
    TranslationMemory(const Options& options, QObject* parent = nullptr);
    // Waits for queued writes to finish.
    ~TranslationMemory() override;

    // Connects, creates or migrates the schema (on this thread: for PostgreSQL
    // at most the connect timeout), then builds the fuzzy index on the worker.
    // False, with disabled() emitted, when the memory cannot be used.
    bool open(); // the location from VEMARILL_TM, the settings or the default file
    bool open(const MemoryLocation& location);

    bool isEnabled() const;
    bool isFuzzyReady() const { return m_fuzzyReady; }
    MemoryLocation location() const { return m_location; }
    QString disabledReason() const { return m_disabledReason; }

    // Queues the pair; false when nothing is queued (switched off, empty text).
    bool store(const QString& source, const QString& target, const LanguagePair& languages,
               const MemoryOrigin& origin = {});
    // Exact matches first (most used first), then fuzzy matches scoring at least
    // 0.70 best first, suggestionLimit in all.
    std::vector<Suggestion> suggestions(const QString& source, const LanguagePair& languages);
    std::optional<Suggestion> exactMatch(const QString& source, const LanguagePair& languages);
    // Sources with two or more different targets: among the rows, among the
    // pairs in the memory, or the rows' sources with targets from both.
    std::vector<Inconsistency> inconsistencies(const std::vector<ImageListRow>& rows,
                                               const LanguagePair& languages,
                                               Scope scope = Scope::RowsAndMemory);
    // Queues every row with both texts as a pair (Name as its origin's name);
    // imported() follows. Returns how many rows were queued.
    int importRows(const std::vector<ImageListRow>& rows, const LanguagePair& languages,
                   const QString& project = {});
    // Queues a TMX 1.4b export of all pairs (sourceLanguage empty) or of the
    // pairs with that source language; exportFinished() follows.
    bool exportTmx(const QString& path, const QString& sourceLanguage = {});

Q_SIGNALS:
    void disabled(const QString& why);
    void fuzzyReady(qint64 sources);
    void imported(int pairs);
    void exportFinished(const QString& path, bool ok, const QString& message);

private:
    void switchOff(const QString& reason);
    void queue(std::vector<MemoryUnit> units, bool imported);

    Options m_options;
    MemoryLocation m_location;
    std::shared_ptr<SharedIndex> m_shared;
    std::unique_ptr<MemoryStore> m_reader;
    std::unique_ptr<MemoryWorker> m_worker;
    QThread m_thread;
    bool m_opened = false;
    bool m_fuzzyReady = false;
    QString m_disabledReason;
};
