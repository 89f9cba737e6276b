// A translation memory of 1,000,000 generated pairs: exact lookups and best-5
// fuzzy lookups for 20-character texts, through TranslationMemory as the
// window calls it. Prints on one line
//   "<backend> <exact ms> <fuzzy ms> <worst fuzzy ms> <fill s> <open s>"
// with the lookups' mean over many queries.
//   bench_memory sqlite FILE     a SQLite file (created, reused when it exists)
//   bench_memory postgresql      a throwaway PostgreSQL server
#include "MemoryStore.h"
#include "PgCluster.h"
#include "TranslationMemory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <cstdio>

namespace {

constexpr int kPairs = 1'000'000;
constexpr int kChunk = 100'000;
constexpr int kExactQueries = 2000;
constexpr int kFuzzyQueries = 200;
const LanguagePair kLanguages{QStringLiteral("en"), QStringLiteral("de")};

// UI-like texts: two to five words from a vocabulary of 4,000 made-up words,
// so that many sources share words and trigrams as real ones do.
class TextMaker {
public:
    explicit TextMaker(quint32 seed) : m_random(seed)
    {
        const QString letters = QStringLiteral("etaoinshrdlucmfwypvbgk");
        for (int i = 0; i < 4000; ++i) {
            QString word;
            const int length = m_random.bounded(2, 9);
            for (int j = 0; j < length; ++j)
                word += letters[m_random.bounded(static_cast<int>(letters.size()))];
            m_words << word;
        }
    }
    QString source(int minLength = 10, int maxLength = 40)
    {
        QString text;
        const int words = m_random.bounded(2, 6);
        for (int i = 0; i < words; ++i)
            text += (i ? QStringLiteral(" ") : QString()) + m_words[m_random.bounded(4000)];
        if (text.size() < minLength || text.size() > maxLength)
            return source(minLength, maxLength);
        return text;
    }
    // Two characters changed.
    QString nearby(QString text)
    {
        for (int i = 0; i < 2; ++i)
            text[m_random.bounded(static_cast<int>(text.size()))] = QLatin1Char('z');
        return text;
    }
    int bounded(int n) { return m_random.bounded(n); }

private:
    QRandomGenerator m_random;
    QStringList m_words;
};

bool fill(const MemoryLocation& location)
{
    MemoryStore store;
    if (!store.open(location))
        return false;
    if (store.count() >= kPairs)
        return true;
    TextMaker maker(1);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int first = 0; first < kPairs; first += kChunk) {
        std::vector<MemoryUnit> units;
        units.reserve(kChunk);
        for (int i = first; i < first + kChunk; ++i)
            units.push_back({maker.source() + QStringLiteral(" %1").arg(i),
                             QStringLiteral("Ziel %1").arg(i),
                             kLanguages,
                             {QStringLiteral("/images/"), QStringLiteral("img%1.png").arg(i),
                              QStringLiteral("bench"), now},
                             now,
                             1});
        if (!store.store(units)) {
            std::fprintf(stderr, "bench_memory: %s\n", qPrintable(store.errorString()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString backend = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    PgCluster cluster;
    MemoryLocation location;
    if (backend == QLatin1String("sqlite") && argc > 2) {
        location = MemoryLocation::sqlite(QString::fromLocal8Bit(argv[2]));
    } else if (backend == QLatin1String("postgresql")) {
        QString error;
        if (!cluster.start(&error)) {
            std::fprintf(stderr, "bench_memory: %s\n", qPrintable(error));
            return 1;
        }
        location = MemoryLocation::fromText(cluster.url());
    } else {
        std::fprintf(stderr, "usage: bench_memory sqlite FILE | bench_memory postgresql\n");
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    if (!fill(location))
        return 1;
    const double fillSeconds = clock.elapsed() / 1000.0;

    TranslationMemory memory;
    clock.start();
    if (!memory.open(location) || !QTest::qWaitFor([&] { return memory.isFuzzyReady(); }, 600000)) {
        std::fprintf(stderr, "bench_memory: %s\n", qPrintable(memory.disabledReason()));
        return 1;
    }
    const double openSeconds = clock.elapsed() / 1000.0;

    // The same generator as the fill, so that queries hit stored sources.
    TextMaker maker(1);
    std::vector<QString> stored;
    for (int i = 0; i < kExactQueries; ++i)
        stored.push_back(maker.source() + QStringLiteral(" %1").arg(i));
    clock.start();
    int found = 0;
    for (const QString& source : stored)
        found += memory.exactMatch(source, kLanguages).has_value();
    const double exactMs = clock.nsecsElapsed() / 1e6 / kExactQueries;
    if (found != kExactQueries) {
        std::fprintf(stderr, "bench_memory: %d of %d exact matches found\n", found, kExactQueries);
        return 1;
    }

    // Half near a stored source, half new text: the latter must rule out every
    // candidate, the slow case.
    TextMaker queries(2);
    std::vector<QString> texts;
    for (int i = 0; i < kFuzzyQueries; ++i) {
        QString text = queries.source(17, 17) + QStringLiteral(" %1").arg(queries.bounded(90) + 10);
        texts.push_back(i % 2 ? text : queries.nearby(stored[static_cast<size_t>(i)].left(20)));
    }
    double total = 0;
    double worst = 0;
    int suggested = 0;
    for (const QString& text : texts) {
        clock.start();
        suggested += static_cast<int>(memory.suggestions(text, kLanguages).size());
        const double ms = clock.nsecsElapsed() / 1e6;
        total += ms;
        worst = std::max(worst, ms);
    }
    if (suggested == 0) {
        std::fprintf(stderr, "bench_memory: no fuzzy suggestion at all\n");
        return 1;
    }
    std::printf("%s %.3f %.2f %.2f %.1f %.1f\n", qPrintable(backend), exactMs,
                total / kFuzzyQueries, worst, fillSeconds, openSeconds);
    return 0;
}
