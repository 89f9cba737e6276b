#include "Crc32.h"
#include "RecoveryJournal.h"
#include "TempTree.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(JournalSnapshot)
Q_DECLARE_METATYPE(JournalFormat::Status)

namespace {

JournalSnapshot awkwardSnapshot()
{
    JournalSnapshot s;
    s.imageRoot = "/home/ü ser/images;|/";
    s.listFile = "C:\\lists\\list one.csv";
    s.rows = {
        {{}, {}, {}, false},
        {";", ";;", "a;b;", true},
        {"a | b.png", "|", "red | blue", false},
        {"lines.png", "one\ntwo\r\nthree\r", "\n", true},
        {"emoji.png", u"\U0001F600 \U0001F1EB"_qs, u"\u65E5\u672C\u8A9E"_qs, true},
        {"long.png", QString(100000, QLatin1Char('x')), "short", false},
        {"surrogate.png", QString(QChar(0xD800)), QString(QChar(0)), true},
    };
    return s;
}

JournalSnapshot numbered(int rows, const QString& tag)
{
    JournalSnapshot s;
    s.imageRoot = tag;
    for (int i = 0; i < rows; ++i)
        s.rows.push_back({u"image%1.png"_qs.arg(i), u"source text of some length %1"_qs.arg(i),
                          u"%1 target text of some length %2"_qs.arg(tag).arg(i), i % 2 == 0});
    return s;
}

JournalSnapshot readBack(const QString& path)
{
    JournalSnapshot s;
    QString error;
    if (RecoveryJournal::read(path, s, &error) != JournalFormat::Status::Ok)
        s.imageRoot = u"<unreadable: %1>"_qs.arg(error);
    return s;
}

// Every file in the folder but the live instances' locks.
QStringList journalFiles(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    files.removeIf([](const QString& f) { return f.endsWith(QLatin1String(".lock")); });
    return files;
}

} // namespace

class TestRecoveryJournal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crcMatchesTheStandard()
    {
        QCOMPARE(crc32("123456789", 9), 0xCBF43926u);
        QByteArray bytes;
        for (int i = 0; i < 1001; ++i)
            bytes += char(i * 7 + 3);
        // Chained over any split: the eight-byte steps and the tail must agree.
        const quint32 whole = crc32(bytes.constData(), bytes.size());
        for (int split : {0, 1, 7, 8, 9, 500, 1000})
            QCOMPARE(crc32(bytes.constData() + split, bytes.size() - split,
                           crc32(bytes.constData(), split)),
                     whole);
    }
    void roundTrips_data()
    {
        QTest::addColumn<JournalSnapshot>("snapshot");
        QTest::newRow("nothing") << JournalSnapshot{};
        QTest::newRow("awkward rows") << awkwardSnapshot();
    }
    void roundTrips()
    {
        QFETCH(JournalSnapshot, snapshot);
        QTemporaryDir dir;
        RecoveryJournal journal(dir.path());
        journal.update(snapshot);
        QVERIFY(journal.flush());
        QCOMPARE(readBack(journal.path()), snapshot);
    }
    void newestSnapshotReachesDiskWithoutFlush()
    {
        QTemporaryDir dir;
        RecoveryJournal journal(dir.path());
        QSignalSpy failures(&journal, &RecoveryJournal::writeFailed);
        for (int i = 0; i < 5; ++i)
            journal.update(numbered(2000, QString::number(i)));
        QTRY_COMPARE(readBack(journal.path()), numbered(2000, "4"));
        // A change while a write may be in flight is not lost either.
        journal.update(numbered(10, "late"));
        QTRY_COMPARE(readBack(journal.path()), numbered(10, "late"));
        QCOMPARE(failures.count(), 0);
    }
    void detectsDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<JournalFormat::Status>("status");
        const QByteArray good = JournalFormat::serialise(awkwardSnapshot());
        QByteArray flipped = good;
        flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x10);
        QByteArray newer = good;
        qToLittleEndian(JournalFormat::kVersion + 1, newer.data() + 8);
        using S = JournalFormat::Status;
        QTest::newRow("empty") << QByteArray() << S::Corrupt;
        QTest::newRow("text") << QByteArray("a.png;Hello;Hola;\r\n") << S::Corrupt;
        QTest::newRow("header torn") << good.left(12) << S::Corrupt;
        QTest::newRow("payload torn") << good.chopped(7) << S::Corrupt;
        QTest::newRow("bit flipped") << flipped << S::Corrupt;
        QTest::newRow("trailing bytes") << good + "x" << S::Corrupt;
        QTest::newRow("newer version") << newer << S::NewerVersion;
    }
    void detectsDamagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(JournalFormat::Status, status);
        TempTree tree;
        QVERIFY(tree.writeFile("journal-1-dead.vmj", bytes));
        RecoveryJournal journal(tree.path(QString()));
        const QList<RecoveryJournal::Orphan> orphans = journal.orphans();
        QCOMPARE(orphans.size(), 1);
        JournalSnapshot snapshot{"untouched", {}, {}};
        QString error;
        QCOMPARE(RecoveryJournal::read(orphans[0].path, snapshot, &error), status);
        QVERIFY(!error.isEmpty());
        QCOMPARE(snapshot.imageRoot, "untouched");
        QVERIFY(journal.setAside(orphans[0].path, &error));
        QVERIFY(journal.orphans().isEmpty());
        QCOMPARE(readWholeFile(orphans[0].path + ".bad"), bytes);
        QCOMPARE(journalFiles(tree.path(QString())), {"journal-1-dead.vmj.bad"});
    }
    void clearRemovesTheJournal()
    {
        QTemporaryDir dir;
        RecoveryJournal journal(dir.path());
        journal.update(numbered(3, "written"));
        QVERIFY(journal.flush());
        journal.clear();
        QCOMPARE(journalFiles(dir.path()), {});
        // Pending, then in flight: tens of megabytes on disk from a few in memory
        // (the text is shared), so the write the debounce starts is still going.
        JournalSnapshot big;
        const QString text(2000, QLatin1Char('t'));
        big.rows.assign(15000, ImageListRow{"a.png", text, text, true});
        for (int waitMs : {0, 550}) {
            journal.update(big);
            QTest::qWait(waitMs);
            journal.clear();
            QTest::qWait(600);
            QVERIFY(journal.flush());
            QCOMPARE(journalFiles(dir.path()), {});
        }
        journal.update(numbered(3, "after"));
        QVERIFY(journal.flush());
        QCOMPARE(readBack(journal.path()), numbered(3, "after"));
    }
    void instancesKeepApartAndHandOver()
    {
        QTemporaryDir dir;
        auto first = std::make_unique<RecoveryJournal>(dir.path());
        RecoveryJournal second(dir.path());
        first->update(numbered(4, "first"));
        second.update(numbered(4, "second"));
        QVERIFY(first->flush());
        QVERIFY(second.flush());
        QCOMPARE(readBack(first->path()), numbered(4, "first"));
        QCOMPARE(readBack(second.path()), numbered(4, "second"));
        QVERIFY(second.orphans().isEmpty());
        // Ended without clear(): what it held is offered, once, to one instance.
        const QString firstPath = first->path();
        first.reset();
        RecoveryJournal third(dir.path());
        const QList<RecoveryJournal::Orphan> offered = second.orphans();
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered[0].path, firstPath);
        QVERIFY(offered[0].modified.isValid());
        QVERIFY(third.orphans().isEmpty());
        QVERIFY(!third.discard(firstPath));
        // Restored: it stays until the rows are journaled again, then goes.
        second.adopt(firstPath);
        QVERIFY(QFileInfo::exists(firstPath));
        second.update(readBack(firstPath));
        QVERIFY(second.flush());
        QVERIFY(!QFileInfo::exists(firstPath));
    }
    void unwritableFolderIsReportedOnce()
    {
        TempTree tree;
        QVERIFY(tree.writeFile("plain-file"));
        // Below a plain file: no folder can be made there, whoever runs the test.
        RecoveryJournal journal(tree.path("plain-file/journal"));
        QSignalSpy failures(&journal, &RecoveryJournal::writeFailed);
        journal.update(numbered(3, "a"));
        QVERIFY(failures.wait(5000));
        journal.update(numbered(3, "b"));
        QVERIFY(!journal.flush());
        QCOMPARE(failures.count(), 1);
        QVERIFY(failures[0][0].toString().contains("plain-file"));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryJournal)
#include "tst_recoveryjournal.moc"
