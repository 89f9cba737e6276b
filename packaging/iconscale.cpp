// Builds the icon theme's PNG sizes from the one application icon, so that they can never
// drift from the icon the window shows.
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fputs("usage: vemarill_iconscale SOURCE.png OUTDIR NAME SIZE...\n", stderr);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        std::fprintf(stderr, "vemarill_iconscale: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0) {
            std::fprintf(stderr, "vemarill_iconscale: bad size %s\n", argv[i]);
            return 2;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        // 8 bits a channel: the 16-bit source would only make every file twice as large.
        const QImage scaled =
            source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !scaled.save(file, "PNG")) {
            std::fprintf(stderr, "vemarill_iconscale: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
