// The main window on 100,000 rows:
//   bench_window filter   the slowest keystroke (ms) of a text typed into the
//                         filter bar, the grid re-filtered and painted each time
#include "FilterBar.h"
#include "Form1.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

qint64 slowestFilterKey(MainWindow& window)
{
    std::vector<ImageListRow> rows;
    for (int i = 0; i < 100000; ++i)
        rows.push_back({QStringLiteral("group%1/button%2.png").arg(i / 1000).arg(i),
                        QStringLiteral("Label %1").arg(i),
                        {},
                        false});
    ImageListView* list = window.form()->imageList();
    list->imageListModel()->setRows(std::move(rows));
    QApplication::processEvents();
    window.filterBar()->open();
    qint64 slowest = 0;
    for (const QChar c : QStringLiteral("button1234")) {
        QElapsedTimer key;
        key.start();
        QTest::keyClick(window.filterBar()->textBox(), c.toLatin1());
        list->viewport()->repaint();
        slowest = std::max(slowest, key.elapsed());
    }
    return list->isRowShown(1234) && !list->isRowShown(1235) ? slowest : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (argc < 2 || qstrcmp(argv[1], "filter") != 0)
        return 2;
    MainWindow window;
    window.show();
    std::printf("%lld\n", slowestFilterKey(window));
    return 0;
}
