// 100,000 rows through XLIFF 2.0 against the same rows through the list file.
// Prints "<XLIFF ms> <list file ms>", each the best of interleaved rounds.
//   bench_exchange write DIR    Exchange::writeFile vs ImageListFile::save
//   bench_exchange read DIR     Exchange::readFile vs ImageListFile::load
#include "BenchRows.h"
#include "Exchange.h"
#include "ImageListFile.h"

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
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_exchange write|read DIR\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    const QString xliffFile = folder.filePath(QStringLiteral("rows.xlf"));
    const QString listFile = folder.filePath(QStringLiteral("rows.csv"));
    const std::vector<ImageListRow> rows = benchRows();
    Exchange::WriteOptions options;
    options.targetLanguage = QStringLiteral("de");
    const bool write = mode == QLatin1String("write");
    if (!write && (!Exchange::writeFile(xliffFile, Exchange::Format::Xliff20, rows, options) ||
                   !ImageListFile::save(listFile, rows, int(rows.size()))))
        return 1;

    qint64 bestXliff = std::numeric_limits<qint64>::max();
    qint64 bestList = std::numeric_limits<qint64>::max();
    QElapsedTimer clock;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<ImageListRow> back;
        clock.start();
        const bool xliffDone =
            write ? Exchange::writeFile(xliffFile, Exchange::Format::Xliff20, rows, options)
                  : Exchange::readFile(xliffFile, Exchange::Format::Xliff20, back);
        bestXliff = std::min(bestXliff, clock.elapsed());
        if (!xliffDone || (!write && back != rows))
            return 1;

        clock.start();
        const bool listDone = write ? ImageListFile::save(listFile, rows, int(rows.size()))
                                    : ImageListFile::load(listFile, back);
        bestList = std::min(bestList, clock.elapsed());
        if (!listDone)
            return 1;
    }
    std::printf("%lld %lld\n", static_cast<long long>(bestXliff), static_cast<long long>(bestList));
    return 0;
}
