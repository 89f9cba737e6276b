// Times one paint of the grid's three-column header as the program paints it
// (the header's Paint through its hook to the skinned painting, hot column 1)
// against one default paint of the same QHeaderView once the hook is gone,
// both rendered into a pixmap.
//   bench_header    prints "<ours> <peer>": microseconds per paint, best of three rounds
#include "ImageListView.h"
#include "cSubclassListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

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

    QWidget form;
    form.resize(760, 300);
    auto* list = new ImageListView(&form);
    list->setGeometry(8, 8, 721, 185);
    for (int column = 0; column < 3; ++column)
        list->setColumnWidth(column, 230);
    form.show();
    QApplication::processEvents();

    auto object = std::make_unique<cSubclassListView>();
    object->SubClassListView(list);
    object->setSkinPicture(QPixmap(QStringLiteral(":/vemarill/header_skin.bmp")));
    QApplication::processEvents();
    QWidget* header = list->header()->viewport();
    // The mouse over the second column: it paints in the hot look. The
    // benchmark runs no event loop, so the hover timer never ticks.
    const QPoint over(list->header()->sectionViewportPosition(1) + 20, header->height() / 2);
    QMouseEvent move(QEvent::MouseMove, over, header->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(header, &move);
    if (object->hotColumn() != 1)
        return 1;
    QPixmap target(header->size());

    const double oursTime = bestMicroseconds([&] { header->render(&target); });
    // What was timed is the skin's hot look, not the header's own painting.
    if ((target.toImage().pixel(over.x(), 2) & 0xFFFFFF) != 0xFAF8F3u)
        return 1;
    // The same header with the same font, painting itself.
    object.reset();
    QApplication::processEvents();
    const double peerTime = bestMicroseconds([&] { header->render(&target); });
    if ((target.toImage().pixel(over.x(), 2) & 0xFFFFFF) == 0xFAF8F3u)
        return 1;
    std::printf("%.1f %.1f\n", oursTime, peerTime);
    return 0;
}
