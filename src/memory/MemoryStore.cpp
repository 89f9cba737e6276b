#include "MemoryStore.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>
#include <QtEndian>
#include <map>

namespace {

// Rows per INSERT: far below SQLite's 32,766 bound parameters.
constexpr int kBatchRows = 64;

// Qt SQL binds a null QString or QByteArray as NULL, and every column is NOT NULL.
QByteArray bytes(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return utf8.isNull() ? QByteArray("", 0) : utf8;
}

QString nonNull(const QString& text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// Project, Name and user are paths and login names, which never hold NUL, but
// PostgreSQL's text would refuse the whole pair if one did.
QString metadata(const QString& text)
{
    QString clean = nonNull(text);
    clean.remove(QChar(0));
    return clean;
}

QString fromBytes(const QVariant& value)
{
    return QString::fromUtf8(value.toByteArray());
}

qint64 sourceHash(const QString& source)
{
    const QByteArray digest = QCryptographicHash::hash(bytes(source), QCryptographicHash::Sha256);
    return qFromBigEndian<qint64>(digest.constData());
}

// Length-prefixed, so that no two different pairs give the same input.
QByteArray pairKey(const MemoryUnit& unit)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString* part :
         {&unit.source, &unit.target, &unit.languages.source, &unit.languages.target}) {
        const QByteArray utf8 = bytes(*part);
        const quint64 size = qToBigEndian<quint64>(static_cast<quint64>(utf8.size()));
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&size), sizeof size));
        hash.addData(utf8);
    }
    return hash.result().left(16);
}

qint64 msecs(const QDateTime& time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : QDateTime::currentMSecsSinceEpoch();
}

QDateTime utc(const QVariant& value)
{
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

QString loginName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name;
}

// Why a database error makes the memory unusable, in the user's words.
QString reason(const QSqlError& error, MemoryLocation::Backend backend)
{
    if (backend == MemoryLocation::Backend::PostgreSQL)
        return error.type() == QSqlError::ConnectionError
                   ? QStringLiteral("the server cannot be reached")
                   : QStringLiteral("the server refused a request");
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("another program keeps the database locked");
    case 8: // SQLITE_READONLY
        return QStringLiteral("the database is read-only");
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return QStringLiteral("the database file is damaged");
    case 14: // SQLITE_CANTOPEN
        return QStringLiteral("the database file cannot be opened");
    case 13: // SQLITE_FULL
        return QStringLiteral("the disk is full");
    default:
        return QStringLiteral("the database cannot be used");
    }
}

constexpr char kUnitColumns[] = "source_text, target_text, source_lang, target_lang, project, "
                                "image_name, created_by, created_at, last_used_at, use_count";

// Reads the columns of kUnitColumns from position first on.
MemoryUnit unitAt(const QSqlQuery& query, int first)
{
    MemoryUnit unit;
    unit.source = fromBytes(query.value(first));
    unit.target = fromBytes(query.value(first + 1));
    unit.languages = {query.value(first + 2).toString(), query.value(first + 3).toString()};
    unit.origin = {query.value(first + 4).toString(), query.value(first + 5).toString(),
                   query.value(first + 6).toString(), utc(query.value(first + 7))};
    unit.lastUsed = utc(query.value(first + 8));
    unit.useCount = query.value(first + 9).toLongLong();
    return unit;
}

} // namespace

MemoryStore::MemoryStore()
    : m_connection(QStringLiteral("vemarill-memory-") +
                   QUuid::createUuid().toString(QUuid::WithoutBraces))
{}

MemoryStore::~MemoryStore()
{
    m_insert.reset();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool MemoryStore::isOpen() const
{
    return QSqlDatabase::database(m_connection, false).isOpen();
}

bool MemoryStore::fail(const QSqlError& error, const QString& what)
{
    const QString detail = error.text().trimmed();
    m_error = QStringLiteral("%1 (%2: %3)")
                  .arg(reason(error, m_location.backend), what,
                       detail.isEmpty() ? QStringLiteral("no detail") : detail);
    return false;
}

bool MemoryStore::open(const MemoryLocation& location, int busyTimeoutMs)
{
    m_location = location;
    if (!location.isValid()) {
        m_error = QStringLiteral("no database is set");
        return false;
    }
    const bool sqlite = location.backend == MemoryLocation::Backend::SQLite;
    QSqlDatabase db = QSqlDatabase::addDatabase(
        sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), m_connection);
    if (!db.isValid()) {
        m_error = QStringLiteral("the Qt SQL driver for %1 is not installed")
                      .arg(sqlite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL"));
        return false;
    }
    if (sqlite) {
        db.setDatabaseName(location.sqlitePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    } else {
        db.setHostName(location.host);
        db.setPort(location.port);
        db.setDatabaseName(location.database);
        db.setUserName(location.user);
        db.setConnectOptions(location.connectOptions);
    }
    if (!db.open())
        return fail(db.lastError(), QStringLiteral("open"));
    QSqlQuery query(db);
    if (sqlite) {
        // The file must exist and be a database before WAL is asked for, or a
        // damaged file would only show up on the first write.
        if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next())
            return fail(query.lastError(), QStringLiteral("journal mode"));
        if (query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0) {
            m_error = QStringLiteral("the database is read-only (WAL mode refused)");
            return false;
        }
        if (!query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
            return fail(query.lastError(), QStringLiteral("synchronous"));
        // The two indexes take random keys; a small cache makes large imports crawl.
        if (!query.exec(QStringLiteral("PRAGMA cache_size=-32768")))
            return fail(query.lastError(), QStringLiteral("cache size"));
    } else if (!query.exec(QStringLiteral("SET client_min_messages = warning"))) {
        // libpq prints notices ("already exists, skipping") on stderr otherwise
        return fail(query.lastError(), QStringLiteral("session"));
    }
    return createSchema();
}

bool MemoryStore::createSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const bool sqlite = m_location.backend == MemoryLocation::Backend::SQLite;
    QSqlQuery query(db);
    if (!query.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS tm_schema (version INTEGER NOT NULL)")))
        return fail(query.lastError(), QStringLiteral("schema"));
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM tm_schema")) || !query.next())
        return fail(query.lastError(), QStringLiteral("schema version"));
    const int version = query.value(0).isNull() ? 0 : query.value(0).toInt();
    if (version > kSchemaVersion) {
        m_error =
            QStringLiteral("the database was made by a newer Vemarill (schema %1)").arg(version);
        return false;
    }
    if (version == kSchemaVersion)
        return true;

    // Steps from each older version to the next; version 0 is an empty database.
    const QString id =
        sqlite ? QStringLiteral("INTEGER PRIMARY KEY") : QStringLiteral("BIGSERIAL PRIMARY KEY");
    const QString blob = sqlite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA");
    const std::vector<QStringList> steps = {
        {QStringLiteral("CREATE TABLE tm_unit (id %1, pair_key %2 NOT NULL UNIQUE, "
                        "source_hash BIGINT NOT NULL, source_lang TEXT NOT NULL, "
                        "target_lang TEXT NOT NULL, source_text %2 NOT NULL, "
                        "target_text %2 NOT NULL, project TEXT NOT NULL, image_name TEXT NOT NULL, "
                        "created_by TEXT NOT NULL, created_at BIGINT NOT NULL, "
                        "last_used_at BIGINT NOT NULL, use_count BIGINT NOT NULL)")
             .arg(id, blob),
         QStringLiteral("CREATE INDEX tm_unit_source ON tm_unit (source_hash)")},
    };
    if (!db.transaction())
        return fail(db.lastError(), QStringLiteral("schema"));
    for (int step = version; step < kSchemaVersion; ++step) {
        for (const QString& statement : steps[static_cast<size_t>(step)]) {
            if (!query.exec(statement)) {
                fail(query.lastError(), QStringLiteral("schema step %1").arg(step + 1));
                db.rollback();
                return false;
            }
        }
    }
    query.prepare(QStringLiteral("INSERT INTO tm_schema (version) VALUES (?)"));
    query.addBindValue(kSchemaVersion);
    if (!query.exec() || !db.commit()) {
        fail(query.lastError().isValid() ? query.lastError() : db.lastError(),
             QStringLiteral("schema"));
        db.rollback();
        return false;
    }
    return true;
}

bool MemoryStore::store(const std::vector<MemoryUnit>& units)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return fail(db.lastError(), QStringLiteral("store"));
    // Duplicates within one statement are summed first: PostgreSQL refuses to
    // update the same row twice in one INSERT.
    std::vector<const MemoryUnit*> batch;
    std::vector<qint64> counts;
    std::map<QByteArray, size_t> inBatch;
    auto flush = [&] {
        const bool ok = batch.empty() || storeBatch(batch, counts);
        batch.clear();
        counts.clear();
        inBatch.clear();
        return ok;
    };
    for (const MemoryUnit& unit : units) {
        const auto [at, added] = inBatch.emplace(pairKey(unit), batch.size());
        if (!added) {
            counts[at->second] += unit.useCount;
            continue;
        }
        batch.push_back(&unit);
        counts.push_back(unit.useCount);
        if (static_cast<int>(batch.size()) == kBatchRows && !flush()) {
            db.rollback();
            return false;
        }
    }
    if (!flush()) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        fail(db.lastError(), QStringLiteral("store"));
        db.rollback();
        return false;
    }
    return true;
}

bool MemoryStore::storeBatch(const std::vector<const MemoryUnit*>& batch,
                             const std::vector<qint64>& counts)
{
    QStringList rows;
    const QString row = QStringLiteral("(?,?,?,?,?,?,?,?,?,?,?,?)");
    for (size_t i = 0; i < batch.size(); ++i)
        rows << row;
    // Full batches reuse one prepared statement; the last, shorter one is prepared alone.
    const bool full = static_cast<int>(batch.size()) == kBatchRows;
    std::unique_ptr<QSqlQuery> single;
    if (full && !m_insert)
        m_insert = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
    else if (!full)
        single = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
    QSqlQuery& query = full ? *m_insert : *single;
    if (query.lastQuery().isEmpty() &&
        !query.prepare(
            QStringLiteral(
                "INSERT INTO tm_unit (pair_key, source_hash, source_lang, target_lang, "
                "source_text, target_text, project, image_name, created_by, created_at, "
                "last_used_at, use_count) VALUES %1 ON CONFLICT (pair_key) DO UPDATE SET "
                "use_count = tm_unit.use_count + excluded.use_count, "
                "last_used_at = excluded.last_used_at")
                .arg(rows.join(QLatin1Char(',')))))
        return fail(query.lastError(), QStringLiteral("store"));
    const QString login = loginName();
    for (size_t i = 0; i < batch.size(); ++i) {
        const MemoryUnit& unit = *batch[i];
        const qint64 when = msecs(unit.origin.when);
        query.addBindValue(pairKey(unit));
        query.addBindValue(sourceHash(unit.source));
        query.addBindValue(nonNull(unit.languages.source));
        query.addBindValue(nonNull(unit.languages.target));
        query.addBindValue(bytes(unit.source));
        query.addBindValue(bytes(unit.target));
        query.addBindValue(metadata(unit.origin.project));
        query.addBindValue(metadata(unit.origin.name));
        query.addBindValue(metadata(unit.origin.user.isEmpty() ? login : unit.origin.user));
        query.addBindValue(when);
        query.addBindValue(unit.lastUsed.isValid() ? msecs(unit.lastUsed) : when);
        query.addBindValue(counts[i]);
    }
    if (!query.exec())
        return fail(query.lastError(), QStringLiteral("store"));
    return true;
}

bool MemoryStore::exactMatches(const QString& source, const LanguagePair& languages,
                               std::vector<Suggestion>& out)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM tm_unit WHERE source_hash = ? AND source_lang = ? "
                                 "AND target_lang = ? ORDER BY use_count DESC, last_used_at DESC")
                      .arg(QLatin1String(kUnitColumns)));
    query.addBindValue(sourceHash(source));
    query.addBindValue(nonNull(languages.source));
    query.addBindValue(nonNull(languages.target));
    if (!query.exec())
        return fail(query.lastError(), QStringLiteral("lookup"));
    while (query.next()) {
        MemoryUnit unit = unitAt(query, 0);
        if (unit.source != source) // a hash collision
            continue;
        out.push_back({unit.source, unit.target, 1.0, true, unit.useCount, unit.origin});
    }
    return true;
}

bool MemoryStore::unitsById(const std::vector<qint64>& ids,
                            std::vector<std::pair<qint64, MemoryUnit>>& out)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT id, %1 FROM tm_unit WHERE id = ?").arg(QLatin1String(kUnitColumns)));
    for (const qint64 id : ids) {
        query.addBindValue(id);
        if (!query.exec())
            return fail(query.lastError(), QStringLiteral("lookup"));
        if (query.next())
            out.emplace_back(id, unitAt(query, 1));
    }
    return true;
}

bool MemoryStore::forEachSource(qint64 afterId, const SourceVisitor& visit)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, source_text, source_lang, target_lang FROM tm_unit "
                                 "WHERE id > ? ORDER BY id"));
    query.addBindValue(afterId);
    if (!query.exec())
        return fail(query.lastError(), QStringLiteral("index"));
    while (query.next())
        visit(query.value(0).toLongLong(), fromBytes(query.value(1)),
              {query.value(2).toString(), query.value(3).toString()});
    if (query.lastError().isValid())
        return fail(query.lastError(), QStringLiteral("index"));
    return true;
}

bool MemoryStore::forEachUnit(const std::function<bool(const MemoryUnit&)>& visit)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT %1 FROM tm_unit ORDER BY id").arg(QLatin1String(kUnitColumns))))
        return fail(query.lastError(), QStringLiteral("export"));
    while (query.next()) {
        if (!visit(unitAt(query, 0)))
            return false;
    }
    if (query.lastError().isValid())
        return fail(query.lastError(), QStringLiteral("export"));
    return true;
}

bool MemoryStore::conflicts(const LanguagePair& languages, std::vector<Inconsistency>& out)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // Pairs are unique, so two pairs with one source differ in their target.
    query.prepare(QStringLiteral(
        "SELECT source_hash, source_text, target_text FROM tm_unit WHERE source_lang = ? AND "
        "target_lang = ? AND source_hash IN (SELECT source_hash FROM tm_unit WHERE "
        "source_lang = ? AND target_lang = ? GROUP BY source_hash HAVING COUNT(*) > 1) "
        "ORDER BY source_hash, id"));
    for (int i = 0; i < 2; ++i) {
        query.addBindValue(nonNull(languages.source));
        query.addBindValue(nonNull(languages.target));
    }
    if (!query.exec())
        return fail(query.lastError(), QStringLiteral("consistency"));
    std::map<QString, QStringList> bySource; // one hash group at a time
    qint64 group = 0;
    auto emitGroup = [&] {
        for (auto& [source, targets] : bySource) {
            if (targets.size() > 1)
                out.push_back({source, targets});
        }
        bySource.clear();
    };
    while (query.next()) {
        const qint64 hash = query.value(0).toLongLong();
        if (hash != group)
            emitGroup();
        group = hash;
        bySource[fromBytes(query.value(1))] << fromBytes(query.value(2));
    }
    emitGroup();
    return true;
}

qint64 MemoryStore::count()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM tm_unit")) || !query.next()) {
        fail(query.lastError(), QStringLiteral("count"));
        return -1;
    }
    return query.value(0).toLongLong();
}
