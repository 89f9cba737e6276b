// Times Export to HTML of a large list, through the real main window.
//   bench_export makelist FILE        a 100,000-line image list file
//   bench_export export FILE ROOT OUT  ms to export FILE's rows, all checked, below ROOT to OUT
#include "FormDriver.h"
#include "ImageListView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kListLines = 100000;

// Names with spaces and texts with markup characters, so that both sides
// encode and escape as a real list makes them.
int makeList(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    QTextStream out(&file);
    for (int i = 0; i < kListLines; ++i) {
        out << "group" << i / 1000 << "/folder " << i / 20 << "/file" << i << ".png;";
        if (i % 3 != 2)
            out << "Source <b>" << i << "</b> & \"more\"";
        out << ';';
        if (i % 4 != 3)
            out << "Target text " << i;
        out << ";\r\n";
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_export MODE FILE [ROOT OUT]\n");
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString list = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("makelist"))
        return makeList(list);
    if (mode != QLatin1String("export") || argc < 5) {
        std::fprintf(stderr, "unknown mode\n");
        return 2;
    }

    QApplication app(argc, argv);
    FormDriver driver({list, QString::fromLocal8Bit(argv[4])});
    driver.form.textFolder()->setText(QString::fromLocal8Bit(argv[3]));
    driver.loadAllChecked();
    QElapsedTimer clock;
    clock.start();
    driver.click("CmdExportHTML");
    std::printf("%lld\n", clock.elapsed());
    return driver.failed() || driver.form.imageList()->itemCount() != kListLines ? 1 : 0;
}
