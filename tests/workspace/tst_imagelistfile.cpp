#include "ImageListFile.h"
#include "TempTree.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::vector<ImageListRow> readBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<ImageListRow> rows{ImageListRow{QStringLiteral("stale"), {}, {}, true}};
    if (!ImageListFile::read(buffer, rows))
        qFatal("reading a buffer failed");
    return rows;
}

QByteArray writeRows(const std::vector<ImageListRow>& rows, int limit)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ImageListFile::write(buffer, rows, limit))
        qFatal("writing a buffer failed");
    return buffer.data();
}

ImageListRow row(const char* name, const char* source, const char* target, bool checked = false)
{
    return ImageListRow{QString::fromUtf8(name), QString::fromUtf8(source),
                        QString::fromUtf8(target), checked};
}

} // namespace

class TestImageListFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsLines()
    {
        // line, then the name, source and target it gives
        for (const auto& [line, n, s, t] :
             {std::tuple("a.png;Hello;Hola;", "a.png", "Hello", "Hola"),
              {"a.png;;;", "a.png", "", ""},
              {"a;b;c", "a", "b", "c"},     // no trailing separator
              {"n;s;x;y;", "n", "s", "xy"}, // a separator in a text is lost
              {"a;b", "a", "b", ""},
              {"lonely.png", "lonely.png", "", ""},
              {";;;", "", "", ""},
              {" a ; b ; c ;", " a ", " b ", " c "}})
            QCOMPARE(ImageListFile::parseLine(QString::fromUtf8(line)), row(n, s, t));
        QVERIFY(readBytes({}).empty()); // a 0-byte file gives no rows, and drops what was there
        const std::vector<ImageListRow> expected{row("a", "1", "x"), row("b", "2", "y"),
                                                 row("c", "3", "z")};
        QCOMPARE(readBytes("a;1;x;\nb;2;y;\nc;3;z;"), expected);
        QCOMPARE(readBytes("a;1;x;\r\nb;2;y;\nc;3;z;\r"), expected);
        // Blank lines anywhere, including trailing ones from a hand edit, are skipped.
        QCOMPARE(readBytes("\r\n\na;1;x;\r\n\r\nb;2;y;\n\n\rc;3;z;\r\n\r\n"), expected);
    }
    void toleratesOddBytes()
    {
        // Bytes that are no UTF-8: an older Windows-1252 file, read as that,
        // every byte kept as its character, and said so.
        ImageListFile::Encoding encoding = ImageListFile::Encoding::System;
        std::vector<ImageListRow> odd;
        ImageListFile::readBytes("caf\xe9.png;\x80 5;\x93q\x94 \x81;\r\nok.png;\xc3\xa9;;\r\n", odd,
                                 &encoding);
        QCOMPARE(encoding, ImageListFile::Encoding::Windows1252);
        const std::vector<ImageListRow> expected{
            row("caf\u00e9.png", "\u20ac 5", "\u201cq\u201d \u0081"),
            row("ok.png", "\u00c3\u00a9", "")};
        QCOMPARE(odd, expected);
        // A line longer than the slices a long file is read in, a broken character
        // right before its end and one at the very end: nothing cut, lost or made a row.
        const QByteArray cut = "a.png;" + QByteArray(70000, 's') + ";t\xc3\r\nb.png;;u\xc3";
        QCOMPARE(readBytes(cut),
                 (std::vector{row("a.png", QByteArray(70000, 's').constData(), "t\u00c3"),
                              row("b.png", "", "u\u00c3")}));
    }
    void writesOnlyCheckedRowsUpToTheCount()
    {
        const std::vector<ImageListRow> rows{
            row("a.png", "Hello", "Hola", true), row("b.png", "skip", "me", false),
            row("sub/c.png", "", "", true), row("d.png", "s", "x;y", true)};
        QCOMPARE(writeRows(rows, 4),
                 QByteArray("a.png;Hello;Hola;\r\nsub/c.png;;;\r\nd.png;s;x;y;\r\n"));
        QCOMPARE(writeRows(rows, 1), QByteArray("a.png;Hello;Hola;\r\n"));
        QCOMPARE(writeRows(rows, 100), writeRows(rows, 4));
        QCOMPARE(writeRows({row("a", "b", "c", false)}, 1), QByteArray());
    }
    void roundTrips()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("list.csv"));
        std::vector<ImageListRow> rows;
        // Enough rows of multi-byte text that the file is read in several slices.
        for (int i = 0; i < 5000; ++i)
            rows.push_back(
                ImageListRow{QStringLiteral("d\u00fcr %1/img%1.png").arg(i),
                             QStringLiteral("Source \u65e5\u672c %1").arg(i),
                             i % 3 ? QStringLiteral("Target %1 \u00e9").arg(i) : QString(), true});
        QVERIFY(ImageListFile::save(path, rows, int(rows.size())));
        std::vector<ImageListRow> loaded;
        QVERIFY(ImageListFile::load(path, loaded));
        for (ImageListRow& r : rows)
            r.checked = false; // the check mark is not stored
        QCOMPARE(loaded, rows);
    }
    void keepsEarlierWorkWhenItCannotReadOrWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.csv"));
        QVERIFY(ImageListFile::save(path, {row("old", "", "", true)}, 1));
        // A path inside a missing folder, and a folder in place of a file.
        QString error;
        QVERIFY(!ImageListFile::save(dir.filePath(QStringLiteral("nope/list.csv")),
                                     {row("a", "", "", true)}, 1, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!ImageListFile::save(dir.path(), {row("a", "", "", true)}, 1));
        QCOMPARE(readWholeFile(path), QByteArray("old;;;\r\n"));
        // Loads that fail leave the rows alone.
        std::vector<ImageListRow> rows{row("mine", "typed", "work", true)};
        QVERIFY(!ImageListFile::load(dir.filePath(QStringLiteral("missing.csv")), rows));
        QVERIFY(!ImageListFile::load(dir.path(), rows));
#ifdef Q_OS_LINUX
        QVERIFY(!ImageListFile::load(QStringLiteral("/dev/zero"), rows)); // would never end
        // A plain file whose bytes differ from its size as they are read, as one
        // that another program writes meanwhile.
        QVERIFY(QFileInfo(QStringLiteral("/proc/self/status")).isFile());
        QVERIFY(!ImageListFile::load(QStringLiteral("/proc/self/status"), rows));
#endif
        QCOMPARE(rows, std::vector{row("mine", "typed", "work", true)});
        // A folder that takes no new file (no temporary) around a writable file:
        // the file is written in place. Root ignores permissions, so it freezes
        // the folder instead.
        const QString folder = dir.path();
        const bool root =
            QFileInfo(folder).ownerId() == 0 && QFile::permissions(folder) != 0 &&
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0;
        if (!root)
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const auto unfreeze = qScopeGuard([&] {
            if (root)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        });
        if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly))
            QSKIP("this folder cannot be made read-only here");
        QVERIFY(ImageListFile::save(path, {row("new", "", "", true)}, 1, &error));
        QCOMPARE(readWholeFile(path), QByteArray("new;;;\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestImageListFile)
#include "tst_imagelistfile.moc"
