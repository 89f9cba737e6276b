// One cell of 100,000 rows edited, then the recovery journal brought up to date
// (snapshot, serialisation, the whole file written and committed), against
// saving the same rows, all checked, to the list file. Prints
// "<journal ms> <save ms>", each the best of interleaved rounds.
//   bench_journal DIR    scratch folder for both files
#include "BenchRows.h"
#include "ImageListFile.h"
#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kRounds = 5;

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_journal DIR\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder))
        return 1;
    const QString listFile = QDir(folder).filePath(QStringLiteral("list.csv"));
    std::vector<ImageListRow> rows = benchRows();
    RecoveryJournal journal(QDir(folder).filePath(QStringLiteral("journal")));

    qint64 bestJournal = std::numeric_limits<qint64>::max();
    qint64 bestSave = std::numeric_limits<qint64>::max();
    QElapsedTimer clock;
    for (int round = 0; round < kRounds; ++round) {
        clock.start();
        if (!ImageListFile::save(listFile, rows, int(rows.size())))
            return 1;
        bestSave = std::min(bestSave, clock.elapsed());

        rows[rows.size() / 2].targetText = QStringLiteral("edited in round %1").arg(round);
        clock.start();
        journal.update(JournalSnapshot{QStringLiteral("/images/"), listFile, rows});
        if (!journal.flush())
            return 1;
        bestJournal = std::min(bestJournal, clock.elapsed());
    }
    JournalSnapshot back;
    if (RecoveryJournal::read(journal.path(), back) != JournalFormat::Status::Ok ||
        back.rows != rows) {
        std::fprintf(stderr, "bench_journal: the journal does not hold the rows\n");
        return 1;
    }
    journal.clear();
    std::printf("%lld %lld\n", static_cast<long long>(bestJournal),
                static_cast<long long>(bestSave));
    return 0;
}
