// Reads 100 rendered UI labels with the recognition pool (all cores, one
// engine per worker), against the tesseract command run once per image in
// sequence on the same files. Prints "<ours ms> <peer ms>", then a line
// saying on how many images both read the same text and each side's
// character error rate against the drawn text.
//   bench_ocr DIR    scratch folder for the images
#include "RecognitionPool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kImages = 100;

const char* const kWords[] = {
    "Start",   "Options", "Continue", "Quit",       "Save",    "Load",     "Game",    "Level",
    "Sound",   "Music",   "Volume",   "Back",       "Next",    "Map",      "Harbour", "Island",
    "Castle",  "Forest",  "Gold",     "Score",      "Player",  "Settings", "Credits", "Help",
    "Victory", "Defeat",  "Ready",    "Shop",       "Journal", "Quest",    "Reward",  "Bridge",
    "Tower",   "Village", "Market",   "Lighthouse", "Storm",   "Morning",  "Evening", "Welcome"};

struct Label {
    QString file;
    QString text;
};

QList<Label> makeLabels(const QString& folder)
{
    QRandomGenerator random(7);
    QList<Label> labels;
    for (int i = 0; i < kImages; ++i) {
        QStringList words;
        const int count = 1 + int(random.bounded(3));
        for (int w = 0; w < count; ++w)
            words.append(QLatin1String(kWords[random.bounded(int(std::size(kWords)))]));
        const QString text = words.join(QLatin1Char(' '));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14 + int(random.bounded(27)));
        const QFontMetrics metrics(font);
        const int margin = font.pixelSize() / 2;
        QImage image(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                     QImage::Format_RGB32);
        const bool lightOnDark = i % 3 == 0;
        image.fill(lightOnDark ? QColor(30, 50, 80) : QColor(240, 236, 226));
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(lightOnDark ? QColor(245, 245, 240) : QColor(30, 30, 40));
        painter.drawText(margin, margin + metrics.ascent(), text);
        painter.end();
        const QString file =
            QDir(folder).filePath(QStringLiteral("label%1.png").arg(i, 3, 10, QLatin1Char('0')));
        if (!image.save(file))
            return {};
        labels.append({file, text});
    }
    return labels;
}

int editDistance(const QString& a, const QString& b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

double errorRate(const QList<Label>& labels, const QStringList& read)
{
    qint64 errors = 0, characters = 0;
    for (int i = 0; i < labels.size(); ++i) {
        errors += editDistance(read.value(i), labels[i].text);
        characters += labels[i].text.size();
    }
    return 100.0 * double(errors) / double(std::max<qint64>(1, characters));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_ocr DIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder))
        return 1;
    const QList<Label> labels = makeLabels(folder);
    if (labels.size() != kImages)
        return 1;

    QList<OcrJob> jobs;
    for (int i = 0; i < kImages; ++i)
        jobs.append({i, labels[i].file});
    QStringList ours(kImages);
    RecognitionPool pool;
    pool.setLanguages(QStringLiteral("eng"));
    pool.setCacheFolder({}); // every image read, none answered from an earlier run
    QObject::connect(&pool, &RecognitionPool::resultReady, &pool,
                     [&](int row, const OcrResult& result) {
                         ours[row] = result.text(QStringLiteral(" ")).simplified();
                     });
    QSignalSpy finished(&pool, &RecognitionPool::finished);
    QElapsedTimer clock;
    clock.start();
    if (!pool.recognise(jobs) || !finished.wait(600000))
        return 1;
    const qint64 oursMs = clock.elapsed();
    const OcrSummary summary = finished.at(0).at(0).value<OcrSummary>();
    if (summary.recognised != kImages) {
        std::fprintf(stderr, "bench_ocr: %s\n", qPrintable(summary.message()));
        return 1;
    }

    QStringList peer;
    clock.start();
    for (const Label& label : labels) {
        QProcess tesseract;
        tesseract.start(QStringLiteral("tesseract"), {label.file, QStringLiteral("stdout")});
        if (!tesseract.waitForFinished(60000) || tesseract.exitCode() != 0) {
            std::fprintf(stderr, "bench_ocr: the tesseract command failed\n");
            return 1;
        }
        peer.append(QString::fromUtf8(tesseract.readAllStandardOutput()).simplified());
    }
    const qint64 peerMs = clock.elapsed();

    int same = 0;
    for (int i = 0; i < kImages; ++i)
        same += ours[i] == peer[i] ? 1 : 0;
    std::printf("%lld %lld\n", static_cast<long long>(oursMs), static_cast<long long>(peerMs));
    std::printf("%d %.2f %.2f\n", same, errorRate(labels, ours), errorRate(labels, peer));
    return 0;
}
