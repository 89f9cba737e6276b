// Times one skinned paint of a three-column header against one default paint
// of the same QHeaderView, both into a pixmap.
//   bench_header    prints "<ours> <peer>": microseconds per paint, best of three rounds
#include "HeaderItems.h"
#include "HeaderLayout.h"
#include "HeaderPainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStandardItemModel>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kPaints = 2000;
constexpr int kRounds = 3;

double bestMicroseconds(const std::function<void()>& paint)
{
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kPaints; ++i)
            paint();
        best = std::min(best, timer.nsecsElapsed() / 1000.0 / kPaints);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QStandardItemModel model(0, 3);
    model.setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Source Text"), QStringLiteral("Target Text")});
    QHeaderView header(Qt::Horizontal);
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header.setModel(&model);
    header.setFixedSize(600, 20);
    for (int column = 0; column < 3; ++column)
        header.resizeSection(column, 190);
    header.show();
    QApplication::processEvents();

    const QPixmap skinPicture(QStringLiteral(":/vemarill/header_skin.bmp"));
    const HeaderLayout::SkinGeometry skin = HeaderLayout::skinGeometry(skinPicture);
    const HeaderPainter painter(skinPicture, skin.sliceWidth, skin.height);
    const QFont measureFont = HeaderLayout::headerFont(skin.height);
    const QSize size = header.viewport()->size();
    QPixmap ours(size);
    QPixmap peer(header.size());

    // Each paint reads the header's items afresh, as a paint message would.
    const double oursTime = bestMicroseconds([&] {
        HeaderPaintState state;
        state.columns = HeaderItems::columns(header);
        state.imageList = HeaderItems::imageList(header);
        state.hotColumn = 1;
        state.measureFont = measureFont;
        QPainter target(&ours);
        painter.PaintHeader(target, size, state);
    });
    const double peerTime = bestMicroseconds([&] { header.render(&peer); });
    std::printf("%.1f %.1f\n", oursTime, peerTime);
    return 0;
}
