// Times the workspace commands on large inputs, through the real main window.
//   bench_workspace maketree ROOT [FOLDERS FILES]  FILES empty files in each of FOLDERS
//                                       folders (100 to a group folder), one in five an
//                                       image; 5,000 folders of 20 by default
//   bench_workspace makelist FILE [LINES]  an image list file of 100,000 lines by default
//   bench_workspace search ROOT [IMAGES]   ms to search ROOT and fill the grid
//   bench_workspace watch ROOT IMAGES   the same search with the progress window: the
//                                       longest event-loop stall in ms, peak resident MB,
//                                       and the longest stall of the idle window as long
//   bench_workspace load FILE [LINES]   ms to load FILE into the grid
//   bench_workspace save FILE OUT       ms to save FILE's rows, all checked, to OUT
//   bench_workspace memory FILE         MB the window grows by with FILE's rows in the grid
//   bench_workspace scroll FILE LINES   the slowest PageDown, key to painted, in ms through
//                                       the grid holding FILE's rows and through a plain
//                                       QTreeView over the same rows; then the same in
//                                       ms of the GUI thread's CPU time; then the longest
//                                       stall in the 1.5 s after the load, before paging
#include "FormDriver.h"
#include "ImageListView.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>
#include <QTreeView>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFolders = 5000;
constexpr int kFilesPerFolder = 20;
constexpr int kListLines = 100000;

// Plain system calls on both cores: a million files through QFile would take
// longer than the searches they are made for.
int makeTree(const QString& root, int folders, int filesPerFolder)
{
    const char* extensions[] = {"png", "txt", "dat", "xml", "log"};
    const QByteArray base = QFile::encodeName(root);
    for (int g = 0; g * 100 < folders; ++g) {
        if (!QDir().mkpath(QStringLiteral("%1/group%2").arg(root).arg(g)))
            return 1;
    }
    const auto makeFolders = [&](int first, int step, bool* ok) {
        for (int d = first; d < folders; d += step) {
            const QByteArray folder =
                base + "/group" + QByteArray::number(d / 100) + "/folder" + QByteArray::number(d);
            if (::mkdir(folder.constData(), 0755) != 0) {
                *ok = false;
                return;
            }
            for (int f = 0; f < filesPerFolder; ++f) {
                const QByteArray file =
                    folder + "/file" + QByteArray::number(f) + '.' + extensions[f % 5];
                const int fd = ::open(file.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
                if (fd < 0) {
                    *ok = false;
                    return;
                }
                ::close(fd);
            }
        }
    };
    bool firstOk = true;
    bool secondOk = true;
    std::thread other(makeFolders, 1, 2, &secondOk);
    makeFolders(0, 2, &firstOk);
    other.join();
    return firstOk && secondOk ? 0 : 1;
}

int makeList(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QTextStream out(&file);
    for (int i = 0; i < lines; ++i)
        out << "group" << i / 1000 << "/folder" << i / 20 << "/file" << i << ".png;Source text "
            << i << ";Target text " << i << ";\r\n";
    return 0;
}

long peakResidentKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The rows as a plain table, for a stock view to show.
class PlainRows : public QAbstractTableModel {
public:
    explicit PlainRows(const std::vector<ImageListRow>& rows) : m_rows(rows) {}
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 3;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        const ImageListRow& row = m_rows[static_cast<size_t>(index.row())];
        return index.column() == 0   ? row.name
               : index.column() == 1 ? row.sourceText
                                     : row.targetText;
    }

private:
    const std::vector<ImageListRow>& m_rows;
};

qint64 threadCpuNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Frames {
    double slowest = 0;    // ms, wall clock: what the user waits
    double slowestCpu = 0; // ms of the GUI thread's own work, whatever else the machine runs
};

// A few hundred PageDowns, each timed from the key to the end of the paint it
// causes, from the top, the middle and near the end.
Frames pageThrough(QTreeView& view)
{
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    view.setFocus();
    FormDriver::settle();
    const int rows = view.model()->rowCount();
    Frames frames;
    QElapsedTimer clock;
    for (const int start : {0, rows / 2, rows - 20000}) {
        view.setCurrentIndex(view.model()->index(start, 0));
        FormDriver::settle();
        for (int i = 0; i < 200; ++i) {
            const int before = counter.paints;
            clock.start();
            const qint64 cpu = threadCpuNs();
            QTest::keyClick(&view, Qt::Key_PageDown);
            while (counter.paints == before && clock.elapsed() < 1000)
                QApplication::processEvents();
            frames.slowest = std::max(frames.slowest, clock.nsecsElapsed() / 1e6);
            frames.slowestCpu = std::max(frames.slowestCpu, (threadCpuNs() - cpu) / 1e6);
        }
    }
    view.viewport()->removeEventFilter(&counter);
    return frames;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_workspace MODE PATH [OUT]\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const auto number = [&](int at, int otherwise) {
        return argc > at ? QByteArray(argv[at]).toInt() : otherwise;
    };
    if (mode == QLatin1String("maketree"))
        return makeTree(path, number(3, kFolders), number(4, kFilesPerFolder));
    if (mode == QLatin1String("makelist"))
        return makeList(path, number(3, kListLines));

    QApplication app(argc, argv);
    QStringList answers{path};
    if (mode == QLatin1String("save"))
        answers.append(QString::fromLocal8Bit(argv[3]));
    FormDriver driver(answers);
    Form1& form = driver.form;
    const auto settle = &FormDriver::settle;

    QElapsedTimer clock;
    if (mode == QLatin1String("search")) {
        form.textFolder()->setText(path);
        clock.start();
        driver.click("CmdSearchImages");
        settle();
        std::printf("%lld\n", clock.elapsed());
        return form.imageList()->itemCount() == number(3, kFolders * kFilesPerFolder / 5) ? 0 : 1;
    }
    if (mode == QLatin1String("watch")) {
        form.textFolder()->setText(path);
        // The same window left idle for as long: the machine's own share.
        QElapsedTimer searching;
        searching.start();
        const qint64 stall = longestStall([&] {
            driver.click("CmdSearchImages");
            settle();
        });
        const qint64 took = searching.elapsed();
        const qint64 idle = longestStall([took] { spin(static_cast<int>(took)); });
        std::printf("%lld %.0f %lld\n", stall, peakResidentKb() / 1024.0, idle);
        return form.imageList()->itemCount() == number(3, 0) ? 0 : 1;
    }
    if (mode == QLatin1String("scroll")) {
        driver.click("CmdLoadImages");
        settle();
        ImageListView* grid = form.imageList();
        if (grid->itemCount() != number(3, 0))
            return 1;
        // Paging starts once the window has done what a load sets off on its
        // own (the crash journal's copy of the rows), which is told apart.
        const qint64 afterLoad = longestStall([] { spin(1500); });
        const Frames ours = pageThrough(*grid);
        PlainRows rows(grid->imageListModel()->rows());
        QTreeView plain;
        plain.setUniformRowHeights(true);
        plain.setRootIsDecorated(false);
        plain.setModel(&rows);
        plain.resize(grid->size());
        plain.show();
        settle();
        const Frames peer = pageThrough(plain);
        std::printf("%.1f %.1f %.1f %.1f %lld\n", ours.slowest, peer.slowest, ours.slowestCpu,
                    peer.slowestCpu, afterLoad);
        return 0;
    }
    if (mode == QLatin1String("load")) {
        clock.start();
        driver.click("CmdLoadImages");
        settle();
        std::printf("%lld\n", clock.elapsed());
        return form.imageList()->itemCount() == number(3, kListLines) ? 0 : 1;
    }
    if (mode == QLatin1String("save")) {
        driver.loadAllChecked();
        clock.start();
        driver.click("CmdSaveImages");
        std::printf("%lld\n", clock.elapsed());
        return 0;
    }
    if (mode == QLatin1String("memory")) {
        const long before = residentKb("VmRSS:");
        driver.click("CmdLoadImages");
        settle();
        form.imageList()->scrollToBottom();
        settle();
        const long peak = residentKb("VmHWM:");
        std::printf("%.1f\n", (peak - before) / 1024.0);
        return form.imageList()->itemCount() == kListLines ? 0 : 1;
    }
    std::fprintf(stderr, "unknown mode\n");
    return 2;
}
