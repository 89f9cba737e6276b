#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throwaway PostgreSQL server for one test or benchmark program: a fresh
// cluster in a temporary folder on a free local port, with trust logins for
// the user "postgres". Stopped with the object.
//
// PostgreSQL refuses to run as root; as root the server runs as the
// "postgres" account through runuser, in a folder handed to that account.
class PgCluster {
public:
    PgCluster() = default;
    ~PgCluster() { stop(); }
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // False with the reason when the server binaries are missing or fail.
    bool start(QString* errorString);
    void stop();
    bool isRunning() const { return m_running; }
    int port() const { return m_port; }
    QString url() const;

    static int freePort();

private:
    bool run(const QString& program, const QStringList& arguments, QString* errorString) const;

    QTemporaryDir m_dir;
    int m_port = 0;
    bool m_running = false;
};
