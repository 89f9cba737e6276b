#include "MemoryLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

QString MemoryLocation::displayName() const
{
    if (backend == Backend::SQLite)
        return QDir::toNativeSeparators(sqlitePath);
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

MemoryLocation MemoryLocation::sqlite(const QString& path)
{
    MemoryLocation location;
    location.sqlitePath = path;
    return location;
}

MemoryLocation MemoryLocation::fromText(const QString& text, QString* errorString)
{
    const QString trimmed = text.trimmed();
    const bool postgres = trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
                          trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
    if (!postgres)
        return sqlite(QDir::fromNativeSeparators(trimmed));

    MemoryLocation location;
    location.backend = Backend::PostgreSQL;
    const QUrl url(trimmed, QUrl::StrictMode);
    auto fail = [&](const QString& why) {
        if (errorString)
            *errorString = why;
        return MemoryLocation{Backend::PostgreSQL, {}, {}, 5432, {}, {}, {}};
    };
    if (!url.isValid() || url.host().isEmpty())
        return fail(QCoreApplication::translate("MemoryLocation", "Not a PostgreSQL address: %1")
                        .arg(url.toString(QUrl::RemovePassword)));
    // A password in the address would end up in settings or shell history.
    if (!url.password().isEmpty())
        return fail(QCoreApplication::translate(
            "MemoryLocation", "Leave the password out of the memory's address; put it in "
                              "PGPASSWORD or ~/.pgpass instead."));
    location.host = url.host();
    location.port = url.port(5432);
    location.user = url.userName();
    location.database = url.path().mid(1);
    if (location.database.isEmpty())
        location.database = location.user;
    QStringList options;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key.compare(QLatin1String("password"), Qt::CaseInsensitive) == 0)
            return fail(QCoreApplication::translate(
                "MemoryLocation", "Leave the password out of the memory's address; put it "
                                  "in PGPASSWORD or ~/.pgpass instead."));
        options << key + QLatin1Char('=') + value;
    }
    if (!options.join(QLatin1Char(';')).contains(QLatin1String("connect_timeout")))
        options << QStringLiteral("connect_timeout=5");
    location.connectOptions = options.join(QLatin1Char(';'));
    return location;
}

MemoryLocation MemoryLocation::resolve(const QSettings& settings, QString* errorString)
{
    QString text = qEnvironmentVariable(kEnvironmentVariable);
    if (text.trimmed().isEmpty())
        text = settings.value(QLatin1String(kSettingsKey)).toString();
    if (text.trimmed().isEmpty())
        return sqlite(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                      QStringLiteral("/memory.sqlite"));
    return fromText(text, errorString);
}
