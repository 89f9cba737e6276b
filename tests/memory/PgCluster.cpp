#include "PgCluster.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

namespace {

const QString kBin = "/usr/lib/postgresql/15/bin/";

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
    return u"postgresql://postgres@127.0.0.1:%1/postgres"_qs.arg(m_port);
}

bool PgCluster::run(const QString& program, const QStringList& arguments,
                    QString* errorString) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir.path());
    if (isRoot())
        process.start("runuser", QStringList{"-u", "postgres", "--", kBin + program} + arguments);
    else
        process.start(kBin + program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *errorString = u"%1 failed: %2"_qs.arg(program, QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool PgCluster::start(QString* errorString)
{
    const auto fail = [&](const char* why) {
        *errorString = QString::fromLatin1(why);
        return false;
    };
    if (!QFileInfo::exists(kBin + "initdb"))
        return fail("PostgreSQL 15 is not installed");
    if (!m_dir.isValid())
        return fail("no temporary folder");
    if (isRoot() && QProcess::execute("chown", {"postgres:", m_dir.path()}) != 0)
        return fail("cannot hand the folder to the postgres account");
    const QString data = m_dir.filePath("data");
    if (!run("initdb",
             {"-D", data, "-U", "postgres", "-A", "trust", "-E", "UTF8", "--no-sync",
              "--no-instructions"},
             errorString))
        return false;
    m_port = freePort();
    const QString options =
        u"-p %1 -k %2 -c listen_addresses=127.0.0.1 -F"_qs.arg(m_port).arg(m_dir.path());
    if (!run("pg_ctl", {"-D", data, "-l", m_dir.filePath("log"), "-w", "-o", options, "start"},
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
    run("pg_ctl", {"-D", m_dir.filePath("data"), "-m", "immediate", "-w", "stop"}, &ignored);
}
