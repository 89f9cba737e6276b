#include "LabelArt.h"
#include "OcrApply.h"
#include "OcrCache.h"
#include "OcrEngine.h"
#include "OcrLanguages.h"
#include "OcrPreprocess.h"
#include "RecognitionPool.h"
#include "TempTree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

// QSKIP leaves only the function it stands in, so it cannot sit in a helper.
#define REQUIRE_ENGINE()                                                                           \
    do {                                                                                           \
        if (!m_available.isEmpty())                                                                \
            QSKIP(qPrintable(m_available));                                                        \
    } while (false)

namespace {

// The labelled set: dark on light and light on dark, 12 to 48 px, words and
// two-line labels, a transparent GIF and a JPEG, a light-framed dark button;
// and 9 px text, which only reads right enlarged.
struct Sample {
    const char* file;
    const char* text;
    int pixelSize;
    bool lightOnDark;
    bool lightFrame = false; // makes dark art look light at its edge
};
const Sample kSamples[] = {
    {"start.png", "Start", 12, false},
    {"options.png", "Options", 14, true},
    {"cancel.bmp", "Cancel", 16, false},
    {"save.png", "Save your progress?", 20, true},
    {"sound.png", "Sound\nMusic Volume", 18, false},
    {"quit.png", "Quit to Desktop\nAre you sure", 22, true},
    {"newgame.png", "New Game", 24, false},
    {"continue.bmp", "Continue", 28, true, true},
    {"inventory.png", "Inventory", 36, false},
    {"complete.png", "Level Complete", 48, true},
    {"harbour.gif", "Harbour Gate", 26, false},
    {"map.jpg", "Map of the Isles", 30, false},
    {"tiny.png", "Options", 9, false},
};
constexpr int kSampleCount = int(std::size(kSamples));

struct PoolRun {
    QMap<int, OcrResult> results;
    OcrSummary summary;
    int lastDone = 0;
};

PoolRun runPool(RecognitionPool& pool, const QList<OcrJob>& jobs,
                const std::function<void()>& onFirstResult = {},
                const std::function<void()>& afterStart = {})
{
    PoolRun run;
    QObject context;
    QObject::connect(&pool, &RecognitionPool::resultReady, &context,
                     [&](int row, const OcrResult& result) {
                         run.results.insert(row, result);
                         if (run.results.size() == 1 && onFirstResult)
                             onFirstResult();
                     });
    QObject::connect(&pool, &RecognitionPool::progress, &context,
                     [&](int done, int) { run.lastDone = done; });
    QSignalSpy finished(&pool, &RecognitionPool::finished);
    if (!pool.recognise(jobs))
        return {};
    if (afterStart)
        afterStart();
    if (!finished.wait(120000))
        return {};
    run.summary = finished.at(0).at(0).value<OcrSummary>();
    return run;
}

} // namespace

class TestOcr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationName("tst_ocr");
        m_available = OcrEngine::unavailableReason(OcrLanguages::kDefault);
        QVERIFY(m_tree.isValid());
        const QColor dark(32, 32, 40), light(240, 238, 228), panel(28, 48, 72);
        for (const Sample& sample : kSamples) {
            const QString file = QLatin1String(sample.file);
            const bool gif = file.endsWith(QLatin1String(".gif"));
            LabelArt::Label label = LabelArt::render(QLatin1String(sample.text), sample.pixelSize,
                                                     sample.lightOnDark ? light : dark,
                                                     gif                  ? QColor(Qt::transparent)
                                                     : sample.lightOnDark ? panel
                                                                          : light);
            m_ink.append(label.ink);
            if (sample.lightFrame) {
                QPainter painter(&label.image);
                painter.setPen(QPen(light, 6));
                painter.drawRect(label.image.rect());
            }
            QVERIFY(gif ? m_tree.writeFile(file, LabelArt::gif(label.image))
                        : label.image.save(m_tree.path(file)));
        }
        QVERIFY(m_tree.writeFile("bad/garbage.png", "not an image at all"));
        QVERIFY(m_tree.writeFile("bad/empty.png"));
        if (!m_available.isEmpty())
            return;
        // One run of the pool over the set, checked by the tests that follow.
        m_cacheFolder = m_tree.path("cache");
        RecognitionPool pool;
        pool.setLanguages(OcrLanguages::kDefault);
        pool.setCacheFolder(m_cacheFolder);
        pool.setWorkerCount(2);
        m_first = runPool(pool, sampleJobs());
    }
    void labels_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kSampleCount; ++i)
            QTest::newRow(kSamples[i].file) << i;
    }
    void labels()
    {
        REQUIRE_ENGINE();
        QFETCH(int, index);
        const OcrResult result = m_first.results.value(index);
        const QString expected = QLatin1String(kSamples[index].text);
        QCOMPARE(result.text().simplified(), expected.simplified());
        QCOMPARE(result.lines.size(), expected.count(QLatin1Char('\n')) + 1);
        const QImage image(m_tree.path(QLatin1String(kSamples[index].file)));
        QRect boxes;
        for (const OcrLine& line : result.lines) {
            QVERIFY2(image.rect().contains(line.box), qPrintable(line.text));
            QVERIFY(line.confidence > 0 && line.confidence <= 100);
            boxes |= line.box;
        }
        // Around the text: covering its ink, with little to spare.
        const QRect ink = m_ink.at(index);
        const int spare = std::max(2, ink.height() / 4);
        QString where;
        QDebug(&where) << "lines in" << boxes << "text in" << ink;
        QVERIFY2(boxes.adjusted(-2, -2, 2, 2).contains(ink) &&
                     ink.adjusted(-spare, -spare, spare, spare).contains(boxes),
                 qPrintable(where));
    }
    void badInputIsSkipped()
    {
        REQUIRE_ENGINE();
        RecognitionPool pool;
        pool.setCacheFolder({});
        const QList<OcrJob> jobs = {{0, m_tree.path("bad/missing.png")},
                                    {1, m_tree.path("start.png")},
                                    {2, m_tree.path("bad/garbage.png")},
                                    {3, m_tree.path("bad/empty.png")},
                                    {4, m_tree.path("bad")}};
        PoolRun run = runPool(pool, jobs);
        QCOMPARE(run.results.keys(), QList<int>{1});
        QCOMPARE(run.lastDone, 5);
        QMap<int, QString> reasons;
        for (const OcrSkip& skip : run.summary.skipped)
            reasons.insert(skip.row, skip.reason);
        QCOMPARE(reasons.values(),
                 (QStringList{"could not read missing.png", "could not read garbage.png",
                              "empty.png is empty", "could not read bad"}));
        const QString message = run.summary.message();
        QVERIFY2(message.startsWith("1 recognised, 4 skipped: could not") &&
                     message.endsWith("; 1 more"),
                 qPrintable(message));
    }
    void secondRunComesFromTheCache()
    {
        REQUIRE_ENGINE();
        RecognitionPool pool;
        pool.setCacheFolder(m_cacheFolder);
        const PoolRun second = runPool(pool, sampleJobs());
        QCOMPARE(second.summary.fromCache, kSampleCount);
        QCOMPARE(second.results, m_first.results);
        QCOMPARE(second.summary.message(), "13 recognised");
    }
    void damagedCacheEntryIsReadAgain()
    {
        REQUIRE_ENGINE();
        const QString image = m_tree.path("newgame.png");
        const auto key = OcrCacheKey::of(image, OcrLanguages::kDefault);
        QVERIFY(key && QFile::exists(QDir(m_cacheFolder).filePath(key->fileName())));
        QVERIFY(m_tree.writeFile("cache/" + key->fileName(), "{\"format\": 1, \"pa"));
        RecognitionPool pool;
        pool.setCacheFolder(m_cacheFolder);
        const PoolRun run = runPool(pool, {{6, image}});
        QCOMPARE(run.summary.fromCache, 0);
        QCOMPARE(run.results.value(6), m_first.results.value(6));
        QCOMPARE(OcrCache(m_cacheFolder).find(*key), m_first.results.value(6));
    }
    void cacheEntryRejects_data()
    {
        // A good entry, with "from" replaced by "to".
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("good") << QByteArray() << QByteArray();
        QTest::newRow("cut short") << QByteArray("}]") << QByteArray();
        QTest::newRow("box outside") << QByteArray("[1,2,") << QByteArray("[-5,2,");
        QTest::newRow("confidence 120") << QByteArray("91.5") << QByteArray("120");
        QTest::newRow("no lines") << QByteArray("\"lines\"") << QByteArray("\"lineup\"");
        QTest::newRow("another image") << QByteArray("a.png") << QByteArray("b.png");
        QTest::newRow("another size") << QByteArray("\"10\"") << QByteArray("\"11\"");
    }
    void cacheEntryRejects()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        const OcrCacheKey key{"/art/a.png", 10, 20, "eng", OcrEngine::recipe()};
        const OcrResult written{{{"Start", QRect(1, 2, 30, 10), 91.5}}};
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(OcrCache::writeEntry(buffer, key, written, nullptr));
        QByteArray bytes = buffer.data();
        QVERIFY(from.isEmpty() || bytes.contains(from));
        bytes.replace(from, to);
        QBuffer reading(&bytes);
        reading.open(QIODevice::ReadOnly);
        OcrResult read;
        QString error;
        const bool readable = from.isEmpty();
        QCOMPARE(OcrCache::readEntry(reading, key, read, &error), readable);
        QCOMPARE(read, readable ? written : OcrResult{});
        QCOMPARE(error.isEmpty(), readable);
    }
    void cancelKeepsResultsSoFar_data()
    {
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("at once") << true;
        QTest::newRow("after the first result") << false;
    }
    void cancelKeepsResultsSoFar()
    {
        REQUIRE_ENGINE();
        QFETCH(bool, atOnce);
        RecognitionPool pool;
        pool.setCacheFolder({});
        pool.setWorkerCount(2);
        const auto cancel = [&] { pool.cancel(); };
        const PoolRun run =
            atOnce ? runPool(pool, sampleJobs(), {}, cancel) : runPool(pool, sampleJobs(), cancel);
        QVERIFY(run.summary.cancelled);
        // At once, each worker ends with the image it had taken, if any.
        const qsizetype least = atOnce ? 0 : 1;
        const qsizetype most = atOnce ? pool.workerCount() : kSampleCount - 1;
        QVERIFY2(run.results.size() >= least && run.results.size() <= most,
                 qPrintable(QString::number(run.results.size())));
        QCOMPARE(run.summary.recognised, run.results.size());
        QCOMPARE(run.lastDone, run.results.size());
        QVERIFY(!pool.isRunning());
        QVERIFY(run.summary.message().endsWith("of 13, cancelled"));
    }
    void unavailableLanguageSkipsEveryImage()
    {
        RecognitionPool pool;
        pool.setCacheFolder({});
        pool.setLanguages("zzz");
        const PoolRun run =
            runPool(pool, {{0, m_tree.path("start.png")}, {1, m_tree.path("map.jpg")}});
        QCOMPARE(run.summary.recognised, 0);
        QCOMPARE(run.summary.skipped.size(), 2);
        QVERIFY2(run.summary.skipped.at(0).reason.contains("unavailable"),
                 qPrintable(run.summary.skipped.at(0).reason));
        OcrEngine engine("zzz");
        QVERIFY(!engine.isAvailable() && !engine.recognise(QImage(40, 40, QImage::Format_RGB32)));
    }
    void missingOrBrokenModuleIsReported()
    {
        REQUIRE_ENGINE();
        const QString missing = m_tree.path("none.so");
        const QString broken = m_tree.path("broken.so");
        QVERIFY(m_tree.writeFile("broken.so", "not a library"));
        for (const QString& module : {missing, broken}) {
            qputenv("VEMARILL_OCR_MODULE", QFile::encodeName(module));
            const QString why = OcrEngine::unavailableReason(OcrLanguages::kDefault);
            OcrEngine engine(OcrLanguages::kDefault);
            qunsetenv("VEMARILL_OCR_MODULE");
            QCOMPARE(why.isEmpty(), module == broken);
            QVERIFY(!engine.isAvailable());
            QVERIFY2(engine.errorString().contains(module == broken ? broken : why),
                     qPrintable(engine.errorString()));
        }
        QVERIFY(OcrEngine(OcrLanguages::kDefault).isAvailable());
    }
    void preparation()
    {
        // A small transparent label: flattened on white and enlarged.
        QImage small(20, 10, QImage::Format_ARGB32);
        small.fill(Qt::transparent);
        small.setPixel(5, 5, qRgba(0, 0, 0, 255));
        OcrPreprocess::Prepared prepared = OcrPreprocess::prepare(small);
        QCOMPARE(prepared.gray.format(), QImage::Format_Grayscale8);
        QCOMPARE(prepared.gray.size(), QSize(60, 30));
        QCOMPARE(prepared.scale, OcrPreprocess::kUpscale);
        QCOMPARE(qGray(prepared.gray.pixel(0, 0)), 255);
        QVERIFY(qGray(prepared.gray.pixel(16, 16)) < 128);
        QVERIFY(!prepared.darkBackground);
        // Boxes map back covering every pixel, clamped to the image.
        const auto back = [&](const QRect& box) {
            return OcrPreprocess::toOriginal(box, prepared);
        };
        QCOMPARE((QList<QRect>{back({15, 15, 3, 3}), back({16, 14, 4, 4}), back({50, 20, 30, 30})}),
                 (QList<QRect>{{5, 5, 1, 1}, {5, 4, 2, 2}, {16, 6, 4, 4}}));
        // Tall dark art stays its size and is known for light text.
        QImage panel(80, 40, QImage::Format_RGB32);
        panel.fill(QColor(20, 30, 50));
        prepared = OcrPreprocess::prepare(panel);
        QCOMPARE(prepared.scale, 1);
        QCOMPARE(prepared.gray.size(), panel.size());
        QVERIFY(prepared.darkBackground);
        QCOMPARE(qGray(OcrPreprocess::inverted(prepared.gray).pixel(3, 3)),
                 255 - qGray(prepared.gray.pixel(3, 3)));
        // A frame round the art goes, with what touches it; a letter inside
        // stays, and so do shapes at the edge that span less than the image.
        for (const bool framed : {true, false}) {
            QImage art(60, 30, QImage::Format_RGB32);
            art.fill(Qt::white);
            QPainter painter(&art);
            if (framed) {
                painter.setPen(QPen(Qt::black, 4));
                painter.drawRect(art.rect());
            }
            painter.fillRect(20, 10, 10, 10, Qt::black);
            painter.fillRect(0, 12, 12, 4, Qt::black);
            painter.fillRect(40, 0, 4, 30, Qt::black);
            painter.end();
            QImage gray = art.convertToFormat(QImage::Format_Grayscale8);
            OcrPreprocess::clearFrame(gray);
            const int edge = framed ? 255 : 0;
            QCOMPARE((QList<int>{qGray(gray.pixel(30, 1)), qGray(gray.pixel(8, 14)),
                                 qGray(gray.pixel(42, 15)), qGray(gray.pixel(25, 15))}),
                     (QList<int>{255, edge, edge, 0}));
        }
    }
    void languages()
    {
        TempTree data;
        QVERIFY(data.writeFile("tessdata/xyz.traineddata", "x"));
        QVERIFY(data.writeFile("tessdata/osd.traineddata", "x"));
        QVERIFY(data.writeFile("tessdata/no good.traineddata", "x"));
        const QByteArray before = qgetenv("TESSDATA_PREFIX");
        qputenv("TESSDATA_PREFIX", QFile::encodeName(data.path(QString())));
        const QString folder = QDir(data.path("tessdata")).canonicalPath();
        QCOMPARE(OcrLanguages::searchFolders().value(0), folder);
        const QStringList available = OcrLanguages::available();
        QVERIFY(available.contains("xyz") && !available.contains("osd") &&
                !available.contains("no good"));
        QCOMPARE(OcrLanguages::folderFor("xyz"), folder);
        QCOMPARE(OcrLanguages::folderFor("xyz+qqq"), QString());
        if (before.isEmpty())
            qunsetenv("TESSDATA_PREFIX");
        else
            qputenv("TESSDATA_PREFIX", before);
        QCOMPARE(OcrLanguages::codes("eng+deu"), (QStringList{"eng", "deu"}));
        QVERIFY(OcrLanguages::codes("../eng").isEmpty() && OcrLanguages::codes("eng+").isEmpty());
        QCOMPARE(OcrLanguages::chosen(), OcrLanguages::kDefault);
        QVERIFY(OcrLanguages::setChosen("eng+deu"));
        QVERIFY(!OcrLanguages::setChosen("eng/deu"));
        QCOMPARE(OcrLanguages::chosen(), "eng+deu");
        QVERIFY(OcrLanguages::setChosen(OcrLanguages::kDefault));
    }
    void applyToRows_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("perLine");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<QList<OcrRowText>>("expected");
        const QString joined = "Quit to Desktop Are you sure";
        const QString split = "Quit to Desktop | Are you sure";
        QTest::newRow("defaults") << false << false << 60.0
                                  << QList<OcrRowText>{{0, joined, false}, {3, "OK", true}};
        QTest::newRow("replace, one row per line")
            << true << true << 60.0
            << QList<OcrRowText>{{0, split, false}, {1, "Start", false}, {3, "OK", true}};
        QTest::newRow("threshold 90")
            << false << false << 90.0 << QList<OcrRowText>{{0, joined, true}, {3, "OK", true}};
    }
    void applyToRows()
    {
        QFETCH(bool, replace);
        QFETCH(bool, perLine);
        QFETCH(double, threshold);
        QFETCH(QList<OcrRowText>, expected);
        const std::vector<ImageListRow> rows = {{"quit.png", {}, {}, false},
                                                {"start.png", "Go", {}, true},
                                                {"blank.png", {}, {}, false},
                                                {"ok.png", {}, {}, false}};
        const QMap<int, OcrResult> results = {
            {0,
             {{{"Quit to Desktop", QRect(0, 0, 90, 20), 95},
               {"Are you sure", QRect(0, 24, 80, 20), 88}}}},
            {1, {{{"Start", QRect(0, 0, 40, 20), 92}}}},
            {2, {}},
            {3, {{{"OK", QRect(0, 0, 20, 20), 41}}}},
            {7, {{{"nowhere", QRect(0, 0, 20, 20), 99}}}},
        };
        QCOMPARE(OcrApply::sourceTexts(rows, results, {replace, perLine, threshold}), expected);
    }

private:
    QList<OcrJob> sampleJobs() const
    {
        QList<OcrJob> jobs;
        for (int i = 0; i < kSampleCount; ++i)
            jobs.append({i, m_tree.path(QLatin1String(kSamples[i].file))});
        return jobs;
    }
    TempTree m_tree;
    QString m_available; // why recognition cannot run here, empty when it can
    QList<QRect> m_ink;
    QString m_cacheFolder;
    PoolRun m_first;
};

QTEST_MAIN(TestOcr)
#include "tst_ocr.moc"
