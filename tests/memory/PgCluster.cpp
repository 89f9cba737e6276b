#include "PgCluster.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");

// A file this process creates belongs to it, so its owner tells who runs us.
bool isRoot()
{
    QTemporaryDir probe;
    return probe.isValid() && QFileInfo(probe.path()).ownerId() == 0;
}

} // namespace

int PgCluster::freePort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

QString PgCluster::url() const
{
    return QStringLiteral("postgresql://postgres@127.0.0.1:%1/postgres").arg(m_port);
}

bool PgCluster::run(const QString& program, const QStringList& arguments,
                    QString* errorString) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir.path());
    if (isRoot())
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                  QStringLiteral("--"), kBin + program} +
                          arguments);
    else
        process.start(kBin + program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *errorString =
            QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool PgCluster::start(QString* errorString)
{
    if (!QFileInfo::exists(kBin + QStringLiteral("initdb"))) {
        *errorString = QStringLiteral("PostgreSQL 15 is not installed");
        return false;
    }
    if (!m_dir.isValid()) {
        *errorString = QStringLiteral("no temporary folder");
        return false;
    }
    if (isRoot() && QProcess::execute(QStringLiteral("chown"),
                                      {QStringLiteral("postgres:"), m_dir.path()}) != 0) {
        *errorString = QStringLiteral("cannot hand the folder to the postgres account");
        return false;
    }
    const QString data = m_dir.filePath(QStringLiteral("data"));
    if (!run(QStringLiteral("initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"),
              QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--no-sync"),
              QStringLiteral("--no-instructions")},
             errorString))
        return false;
    m_port = freePort();
    const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -F")
                                .arg(m_port)
                                .arg(m_dir.path());
    if (!run(QStringLiteral("pg_ctl"),
             {QStringLiteral("-D"), data, QStringLiteral("-l"),
              m_dir.filePath(QStringLiteral("log")), QStringLiteral("-w"), QStringLiteral("-o"),
              options, QStringLiteral("start")},
             errorString))
        return false;
    m_running = true;
    return true;
}

void PgCluster::stop()
{
    if (!m_running)
        return;
    m_running = false;
    QString ignored;
    run(QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-m"),
         QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
        &ignored);
}
