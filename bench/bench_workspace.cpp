// Times the workspace commands on large inputs, through the real main window.
//   bench_workspace maketree ROOT       100,000 files in 5,000 folders, one in five an image
//   bench_workspace makelist FILE       a 100,000-line image list file
//   bench_workspace search ROOT         ms to search ROOT and fill the grid
//   bench_workspace load FILE           ms to load FILE into the grid
//   bench_workspace save FILE OUT       ms to save FILE's rows, all checked, to OUT
//   bench_workspace memory FILE         MB the window grows by with FILE's rows in the grid
#include "FormDriver.h"
#include "ImageListView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kFolders = 5000;
constexpr int kFilesPerFolder = 20;
constexpr int kListLines = 100000;

int makeTree(const QString& root)
{
    const char* extensions[] = {"png", "txt", "dat", "xml", "log"};
    for (int d = 0; d < kFolders; ++d) {
        const QString folder = QStringLiteral("%1/group%2/folder%3").arg(root).arg(d / 100).arg(d);
        if (!QDir().mkpath(folder))
            return 1;
        for (int f = 0; f < kFilesPerFolder; ++f) {
            QFile file(QStringLiteral("%1/file%2.%3")
                           .arg(folder)
                           .arg(f)
                           .arg(QLatin1String(extensions[f % 5])));
            if (!file.open(QIODevice::WriteOnly))
                return 1;
        }
    }
    return 0;
}

int makeList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QTextStream out(&file);
    for (int i = 0; i < kListLines; ++i)
        out << "group" << i / 1000 << "/folder" << i / 20 << "/file" << i << ".png;Source text "
            << i << ";Target text " << i << ";\r\n";
    return 0;
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
    if (mode == QLatin1String("maketree"))
        return makeTree(path);
    if (mode == QLatin1String("makelist"))
        return makeList(path);

    QApplication app(argc, argv);
    QStringList answers{path};
    if (argc > 3)
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
        return form.imageList()->itemCount() == kFolders * kFilesPerFolder / 5 ? 0 : 1;
    }
    if (mode == QLatin1String("load")) {
        clock.start();
        driver.click("CmdLoadImages");
        settle();
        std::printf("%lld\n", clock.elapsed());
        return form.imageList()->itemCount() == kListLines ? 0 : 1;
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
