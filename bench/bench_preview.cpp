// Times the preview through the real main window, each figure against
// QImageReader alone on the same file, interleaved in one run.
//   bench_preview makeimage DIR   writes DIR/one/big.png (4000 x 4000), DIR/rows/ (20 rows of
//                                 such PNGs) and DIR/huge/ (a 12000 x 12000 PNG and a small one)
//   bench_preview time DIR        "<ours ms> <peer ms>": row click to image shown, best of rounds
//   bench_preview stall DIR       "<stall ms> <decode ms> <idle ms>": the longest event-loop
//                                 stall while the selection moves through the 20 rows, one every
//                                 50 ms, the decode of one of them, and the longest stall idle
//   bench_preview fit DIR         "<ours ms> <peer ms>": the 12000 x 12000 PNG shown under Fit to
//                                 Pane, against decoding it at the same reduced size
#include "FormDriver.h"
#include "ImageListView.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSide = 4000;
constexpr int kHugeSide = 12000;
constexpr int kRows = 20;
constexpr int kRounds = 7;
constexpr int kFitRounds = 5;

QString rowName(int row)
{
    return QStringLiteral("row%1.png").arg(row + 1, 2, 10, QLatin1Char('0'));
}

// Smooth gradients with some grain, so that the file compresses and decodes
// like a photograph rather than like flat colour or pure noise.
bool writeImage(const QString& file, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    QRandomGenerator grain(4);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            const int noise = static_cast<int>(grain.bounded(12));
            line[x] = qRgb((x * 255 / side + noise) & 0xff, (y * 255 / side + noise) & 0xff,
                           (((x / 40) ^ (y / 40)) * 9 + noise) & 0xff);
        }
    }
    return image.save(file, "PNG");
}

int makeImages(const QString& dir)
{
    // Apart, as a search takes in every folder below the one it is given.
    const QString big = dir + QStringLiteral("/one/big.png");
    bool ok = QDir().mkpath(dir + QStringLiteral("/one")) &&
              QDir().mkpath(dir + QStringLiteral("/rows")) &&
              QDir().mkpath(dir + QStringLiteral("/huge")) && writeImage(big, kSide) &&
              writeImage(dir + QStringLiteral("/huge/huge.png"), kHugeSide) &&
              writeImage(dir + QStringLiteral("/huge/small.png"), 64);
    // The rows decode alike, so copies serve as well as twenty different pictures.
    for (int row = 0; ok && row < kRows; ++row)
        ok = QFile::copy(big, dir + QStringLiteral("/rows/") + rowName(row));
    return ok ? 0 : 1;
}

// Notes when the image holder has painted.
class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

qint64 peerRound(const QString& file, const QSize& scaled = {})
{
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(file);
    if (scaled.isValid())
        reader.setScaledSize(scaled);
    const QImage image = reader.read();
    const qint64 ms = timer.elapsed();
    if (image.size() != (scaled.isValid() ? scaled : QSize(kSide, kSide)))
        std::fprintf(stderr, "peer failed to decode\n");
    return ms;
}

// The real window searched over a folder, ready for rows to be selected.
bool searchFolder(FormDriver& driver, const QString& dir, int rows)
{
    if (!QTest::qWaitForWindowExposed(&driver.form))
        return false;
    driver.form.textFolder()->setText(QDir::toNativeSeparators(dir + QLatin1Char('/')));
    driver.click("CmdSearchImages");
    return driver.form.imageList()->itemCount() == rows;
}

void clickRow(ImageListView& list, int row)
{
    list.scrollToItem(row, 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.cellRect(row, 1).center());
}

int timePreview(const QString& dir)
{
    FormDriver driver;
    if (!searchFolder(driver, dir + QStringLiteral("/one"), 1))
        return 1;
    ImageListView* list = driver.form.imageList();
    const PreviewPane* pane = driver.form.previewPane();
    PreviewPicture* picture = pane->picture2();
    PaintWatch watch;
    picture->installEventFilter(&watch);
    const QPoint row = list->cellRect(0, 1).center();
    const QString file = dir + QStringLiteral("/one/big.png");

    qint64 ours = -1;
    qint64 peer = -1;
    for (int round = 0; round < kRounds; ++round) {
        const qint64 decode = peerRound(file);
        peer = peer < 0 ? decode : std::min(peer, decode);

        QApplication::processEvents();
        watch.painted = false;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        while (!watch.painted || pane->isLoading())
            spin(1);
        const qint64 shown = timer.elapsed();
        ours = ours < 0 ? shown : std::min(ours, shown);
        if (picture->size() != QSize(kSide, kSide))
            std::fprintf(stderr, "preview failed to show the image\n");
    }
    std::printf("%lld %lld\n", static_cast<long long>(ours), static_cast<long long>(peer));
    return driver.failed() ? 1 : 0;
}

// The longest stall while the selection moves down the rows and the last one
// shows, the decode of one row's picture, and the longest stall of the same
// window left idle as long, which is what the machine itself adds.
int stallMovingRows(const QString& dir)
{
    const QString rows = dir + QStringLiteral("/rows");
    FormDriver driver;
    if (!searchFolder(driver, rows, kRows))
        return 1;
    ImageListView* list = driver.form.imageList();
    const PreviewPane* pane = driver.form.previewPane();
    clickRow(*list, 0);
    while (pane->isLoading())
        spin(1);
    list->setFocus();

    QElapsedTimer moving;
    moving.start();
    const qint64 stall = longestStall([&] {
        for (int row = 1; row < kRows; ++row) {
            spin(50);
            QTest::keyClick(list, Qt::Key_Down);
        }
        while (pane->isLoading() && moving.elapsed() < 30000)
            spin(5);
        spin(200); // the last picture's paint
    });
    const bool last = driver.form.PreviousImagePath == rowName(kRows - 1) &&
                      pane->picture2()->naturalSize() == QSize(kSide, kSide) && !pane->isLoading();
    if (!last)
        std::fprintf(stderr, "the last row's picture did not show\n");
    const qint64 idle = longestStall([&] { spin(static_cast<int>(moving.elapsed())); });

    qint64 decode = -1;
    for (int round = 0; round < 3; ++round) {
        const qint64 ms = peerRound(rows + QLatin1Char('/') + rowName(0));
        decode = decode < 0 ? ms : std::min(decode, ms);
    }
    std::printf("%lld %lld %lld\n", static_cast<long long>(stall), static_cast<long long>(decode),
                static_cast<long long>(idle));
    return last && !driver.failed() ? 0 : 1;
}

// Row click to picture painted for a picture too big to decode whole, under
// Fit to Pane, between clicks on a small one.
int timeFit(const QString& dir)
{
    const QString huge = dir + QStringLiteral("/huge");
    FormDriver driver;
    if (!searchFolder(driver, huge, 2))
        return 1;
    ImageListView* list = driver.form.imageList();
    PreviewPane* pane = driver.form.previewPane();
    PreviewPicture* picture = pane->picture2();
    pane->fitToPane();
    PaintWatch watch;
    picture->installEventFilter(&watch);
    const auto show = [&](int row) {
        watch.painted = false;
        clickRow(*list, row);
        while (!watch.painted || pane->isLoading())
            spin(1);
    };

    qint64 ours = -1;
    qint64 peer = -1;
    for (int round = 0; round < kFitRounds; ++round) {
        show(1); // small.png
        QElapsedTimer timer;
        timer.start();
        show(0); // huge.png
        const qint64 shown = timer.elapsed();
        ours = ours < 0 ? shown : std::min(ours, shown);
        if (picture->naturalSize() != QSize(kHugeSide, kHugeSide))
            std::fprintf(stderr, "preview failed to show the image\n");
        const qint64 decode = peerRound(huge + QStringLiteral("/huge.png"), picture->decodedSize());
        peer = peer < 0 ? decode : std::min(peer, decode);
    }
    std::printf("%lld %lld\n", static_cast<long long>(ours), static_cast<long long>(peer));
    return driver.failed() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_preview makeimage|time|stall|fit DIR\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("makeimage"))
        return makeImages(dir);
    if (mode == QLatin1String("time"))
        return timePreview(dir);
    if (mode == QLatin1String("stall"))
        return stallMovingRows(dir);
    if (mode == QLatin1String("fit"))
        return timeFit(dir);
    std::fprintf(stderr, "unknown mode\n");
    return 2;
}
