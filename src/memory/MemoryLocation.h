#pragma once

#include <QString>

class QSettings;

// Which database holds the memory: a SQLite file (the default, one per user)
// or a PostgreSQL database a team shares.
struct MemoryLocation {
    enum class Backend { SQLite, PostgreSQL };

    Backend backend = Backend::SQLite;
    QString sqlitePath;
    QString host;
    int port = 5432;
    QString database;
    QString user;
    // libpq keywords from the address's query ("sslmode=require"), passed on as
    // they are. Never a password: libpq takes it from PGPASSWORD or ~/.pgpass.
    QString connectOptions;

    bool isValid() const
    {
        return backend == Backend::SQLite ? !sqlitePath.isEmpty() : !host.isEmpty();
    }
    // For messages: the file, or the address without any password.
    QString displayName() const;

    static MemoryLocation sqlite(const QString& path);
    // "postgresql://user@host:port/db?sslmode=require". Anything else, or an
    // address holding a password, gives an invalid location and says why.
    static MemoryLocation fromText(const QString& text, QString* errorString = nullptr);
    // VEMARILL_TM when set, else the settings key, else the default SQLite file
    // AppDataLocation/memory.sqlite. A value that is not a postgresql:// address
    // is taken as a SQLite file path.
    static MemoryLocation resolve(const QSettings& settings, QString* errorString = nullptr);

    static constexpr char kSettingsKey[] = "memory/location";
    static constexpr char kEnvironmentVariable[] = "VEMARILL_TM";
};
