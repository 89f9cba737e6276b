#pragma once

#include "MemoryLocation.h"
#include "MemoryTypes.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// One connection to the memory's database and the SQL on it. Qt SQL
// connections belong to the thread that opens them, so each thread that
// touches the memory holds its own store.
//
// Texts are kept as UTF-8 bytes (BLOB / BYTEA) rather than text: PostgreSQL's
// text type refuses NUL, and a pair must come back exactly as it was stored.
class MemoryStore {
public:
    static constexpr int kSchemaVersion = 1;

    MemoryStore();
    ~MemoryStore();
    MemoryStore(const MemoryStore&) = delete;
    MemoryStore& operator=(const MemoryStore&) = delete;

    // Connects and brings the schema up to date (creating it in an empty
    // database). busyTimeoutMs: how long SQLite waits for another writer.
    bool open(const MemoryLocation& location, int busyTimeoutMs = 5000);
    bool isOpen() const;
    MemoryLocation::Backend backend() const { return m_location.backend; }

    // What went wrong last, worded for the user: why the memory is unusable.
    QString errorString() const { return m_error; }

    // Identical pairs (same texts and languages) are stored once; storing one
    // again adds its count and updates its last use. All or nothing.
    bool store(const std::vector<MemoryUnit>& units);

    // Pairs whose source is exactly this text, most used first.
    bool exactMatches(const QString& source, const LanguagePair& languages,
                      std::vector<Suggestion>& out);
    // The pairs with these ids, in no particular order; ids stay paired by index.
    bool unitsById(const std::vector<qint64>& ids, std::vector<std::pair<qint64, MemoryUnit>>& out);

    // Every pair with an id above afterId, in id order, for the fuzzy index.
    using SourceVisitor =
        std::function<void(qint64 id, const QString& source, const LanguagePair& languages)>;
    bool forEachSource(qint64 afterId, const SourceVisitor& visit);
    // Every pair in id order; visit returns false to stop (and fail).
    bool forEachUnit(const std::function<bool(const MemoryUnit&)>& visit);
    // Sources stored with two or more targets for these languages.
    bool conflicts(const LanguagePair& languages, std::vector<Inconsistency>& out);

    qint64 count();

private:
    bool fail(const QSqlError& error, const QString& what);
    bool createSchema();
    bool storeBatch(const std::vector<const MemoryUnit*>& batch, const std::vector<qint64>& counts);

    QString m_connection;
    std::unique_ptr<QSqlQuery> m_insert; // before the connection is removed
    MemoryLocation m_location;
    QString m_error;
};
