// Times the preview of a 4000 x 4000 PNG through the real main window, against
// decoding the same file with QImageReader alone, interleaved in one run.
//   bench_preview makeimage DIR   writes DIR/big.png
//   bench_preview time DIR        prints "<ours ms> <peer ms>", the best of several rounds
#include "FormDriver.h"
#include "ImageListView.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSide = 4000;
constexpr int kRounds = 7;

// Smooth gradients with some grain, so that the file compresses and decodes
// like a photograph rather than like flat colour or pure noise.
int makeImage(const QString& dir)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    QRandomGenerator grain(4);
    for (int y = 0; y < kSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSide; ++x) {
            const int noise = static_cast<int>(grain.bounded(12));
            line[x] = qRgb((x * 255 / kSide + noise) & 0xff, (y * 255 / kSide + noise) & 0xff,
                           (((x / 40) ^ (y / 40)) * 9 + noise) & 0xff);
        }
    }
    QDir().mkpath(dir);
    return image.save(dir + QStringLiteral("/big.png"), "PNG") ? 0 : 1;
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

qint64 peerRound(const QString& file)
{
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(file);
    const QImage image = reader.read();
    const qint64 ms = timer.elapsed();
    if (image.size() != QSize(kSide, kSide))
        std::fprintf(stderr, "peer failed to decode\n");
    return ms;
}

int timePreview(const QString& dir)
{
    FormDriver driver;
    if (!QTest::qWaitForWindowExposed(&driver.form))
        return 1;
    driver.form.textFolder()->setText(QDir::toNativeSeparators(dir + QLatin1Char('/')));
    driver.click("CmdSearchImages");
    ImageListView* list = driver.form.imageList();
    if (list->itemCount() != 1)
        return 1;
    PreviewPicture* picture = driver.form.previewPane()->picture2();
    PaintWatch watch;
    picture->installEventFilter(&watch);
    const QPoint row = list->cellRect(0, 1).center();
    const QString file = dir + QStringLiteral("/big.png");

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
        while (!watch.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 shown = timer.elapsed();
        ours = ours < 0 ? shown : std::min(ours, shown);
        if (picture->size() != QSize(kSide, kSide))
            std::fprintf(stderr, "preview failed to show the image\n");
    }
    std::printf("%lld %lld\n", static_cast<long long>(ours), static_cast<long long>(peer));
    return driver.failed() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_preview makeimage|time DIR\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("makeimage"))
        return makeImage(dir);
    if (mode == QLatin1String("time"))
        return timePreview(dir);
    std::fprintf(stderr, "unknown mode\n");
    return 2;
}
