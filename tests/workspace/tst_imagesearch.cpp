#include "Functions.h"
#include "ImageListCommands.h"
#include "TempTree.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString native(const char* path)
{
    return QDir::toNativeSeparators(QString::fromUtf8(path));
}

// The names with '/' between folders, as the expected lists are written.
QStringList portable(QStringList names)
{
    for (QString& name : names)
        name = QDir::fromNativeSeparators(name);
    return names;
}

QStringList findImages(const QString& root)
{
    Functions::FoundImages found;
    if (Functions::FindImages(root, found) != Functions::WalkOutcome::Finished)
        qFatal("search did not finish");
    return portable(found.Names);
}

} // namespace

class TestImageSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recognisesImagesAndFolders()
    {
        for (const char* path :
             {"a.png", "PHOTO.JPG", "pic.Png", "photo.jpeg", "x.tar.gif", "dir.v2/x.BMP"})
            QVERIFY2(Functions::IsImageFile(QString::fromUtf8(path)), path);
        for (const char* path : {"clip.mpeg", "png", "imagepng", "a.png/readme", "logo.svg"})
            QVERIFY2(!Functions::IsImageFile(QString::fromUtf8(path)), path);
        // Only the leading root goes, not a later repeat of it.
        QCOMPARE(Functions::RemoveRoot(native("/img/x/img/c.png"), native("/img/x/")),
                 native("img/c.png"));
        QCOMPARE(Functions::RemoveRoot(native("/img/x/img/x/c.png"), native("/img/x/")),
                 native("img/x/c.png"));
        QCOMPARE(Functions::WithTrailingSeparator(native("/img")), native("/img/"));
        QCOMPARE(Functions::WithTrailingSeparator(native("/img/")), native("/img/"));
        QCOMPARE(Functions::WithTrailingSeparator(QString()), QString());
        TempTree tree;
        QVERIFY(Functions::FolderExists(tree.root()));
        QVERIFY(tree.writeFile(QStringLiteral("f.png"), "x"));
        QVERIFY(!Functions::FolderExists(tree.path(QStringLiteral("f.png"))));
        QVERIFY(!Functions::FolderExists(tree.path(QStringLiteral("missing"))));
        QVERIFY(!Functions::FolderExists(QString()));
    }
    void walksBreadthFirstSorted()
    {
        TempTree tree;
        QVERIFY(tree.isValid());
        for (const char* file :
             {"c.gif", "B.png", "a.JPG", "notes.txt", "zeta/deep/d.png", "zeta/z.bmp",
              "Alpha/y.png", "Alpha/x.jpeg", "Alpha/sub/w.gif", "empty/.keep"})
            QVERIFY(tree.writeFile(QString::fromUtf8(file), "x"));
        // Root files first (sorted regardless of case), then each level in turn.
        QCOMPARE(findImages(tree.root()),
                 (QStringList{"a.JPG", "B.png", "c.gif", "Alpha/x.jpeg", "Alpha/y.png",
                              "zeta/z.bmp", "Alpha/sub/w.gif", "zeta/deep/d.png"}));
        Functions::WalkState state;
        QCOMPARE(Functions::CollectFiles(tree.root(), state), Functions::WalkOutcome::Finished);
        QVERIFY(state.FoundFiles.contains(tree.path(QStringLiteral("notes.txt"))));
        QCOMPARE(state.RootFolder, tree.root());
    }
    void skipsHiddenAndLinkedFolders()
    {
        TempTree tree;
        QVERIFY(tree.writeFile(QStringLiteral(".hidden.png"), "x"));
        QVERIFY(tree.writeFile(QStringLiteral(".secret/in.png"), "x"));
        QVERIFY(tree.writeFile(QStringLiteral("real/pic.png"), "x"));
        QVERIFY(tree.writeFile(QStringLiteral("shown.png"), "x"));
#ifdef Q_OS_UNIX
        // A link back up the tree would loop forever if followed; a link to a file is a file.
        QVERIFY(QFile::link(tree.root(), tree.path(QStringLiteral("real/loop"))));
        QVERIFY(QFile::link(tree.path(QStringLiteral("real/pic.png")),
                            tree.path(QStringLiteral("alias.png"))));
        // Names that are no text in the file name encoding cannot be opened again
        // by any Name made from them: left out, like any unreadable entry.
        const QByteArray rootBytes = QFile::encodeName(tree.root());
        QVERIFY(::mkdir(rootBytes + "bad\xff", 0700) == 0);
        for (const char* raw : {"bad\xff.png", "bad\xff/in.png"})
            QVERIFY(::close(::open(rootBytes + raw, O_CREAT | O_WRONLY, 0600)) == 0);
        const QStringList names = findImages(tree.root());
        for (const char* raw : {"bad\xff/in.png", "bad\xff.png"})
            ::unlink(rootBytes + raw);
        ::rmdir(rootBytes + "bad\xff"); // which the tree itself could not remove
        QCOMPARE(names, QStringList({"alias.png", "shown.png", "real/pic.png"}));
#else
        QCOMPARE(findImages(tree.root()), QStringList({"shown.png", "real/pic.png"}));
#endif
    }
    void countsFoldersItCannotRead_data()
    {
        // Tests may run as root, which reads any folder whatever its permissions:
        // a folder that turns into a file between being queued and being listed
        // fails the same way and shows the counting everywhere. Folders removed
        // meanwhile, the root among them, are the window test's.
        QTest::addColumn<QString>("folder");
        QTest::newRow("replaced by a file mid-walk") << "later";
        QTest::newRow("locked, where permissions hold") << "locked";
    }
    void countsFoldersItCannotRead()
    {
        QFETCH(QString, folder);
        const bool lock = folder == QLatin1String("locked");
        TempTree tree;
        for (const char* file : {"a.png", "later/b.png", "locked/c.png", "next/d.png"})
            QVERIFY(tree.writeFile(QString::fromUtf8(file), "x"));
        const QString target = tree.path(folder + QLatin1Char('/'));
        bool unreadable = true;
        if (lock) {
            QVERIFY(QFile::setPermissions(target, QFileDevice::Permissions()));
            unreadable = QDir(target).entryList(QDir::Files).isEmpty();
        }
        auto unlock = qScopeGuard([&] {
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        });
        // The first call comes before the root is listed, the second after.
        int calls = 0;
        const auto replaceMidWalk = [&](qsizetype, qsizetype) {
            if (++calls == 2 && !lock) {
                QDir(target).removeRecursively();
                tree.writeFile(folder, "x");
            }
            return true;
        };
        Functions::FoundImages found;
        QCOMPARE(Functions::FindImages(tree.root(), found, replaceMidWalk),
                 Functions::WalkOutcome::Finished);
        QStringList names{"a.png", "later/b.png", "locked/c.png", "next/d.png"};
        if (unreadable)
            names.removeAt(lock ? 2 : 1);
        QCOMPARE(portable(found.Names), names);
        QCOMPARE(found.UnreadableFolders, unreadable ? QStringList{target} : QStringList());
    }
    void describesSkippedFolders()
    {
        const QString deep = QStringLiteral("/top/") + QStringLiteral("d000000001/").repeated(100);
        const QString one = QStringLiteral("1 folder could not be read and was skipped:\n");
        const QString many = QStringLiteral(" folders could not be read and were skipped:\n");
        for (const auto& [folders, text] :
             {std::pair(QStringList{"/a/"}, one + "/a/"),
              {QStringList{"/a/", "/b/"}, "2" + many + "/a/\n/b/"},
              {QStringList{"/1/", "/2/", "/3/", "/4/", "/5/", "/6/", "/7/"},
               "7" + many + "/1/\n/2/\n/3/\n/4/\n/5/\nand 2 more"},
              {QStringList{deep}, one + deep.left(40) + "..." + deep.right(77)}})
            QCOMPARE(ImageListCommands::SkippedFoldersText(folders), text);
    }
    void reachesBeyondThePathLimit()
    {
        // 1,000 levels of 10-character names, an image every 100 levels: about
        // 11,000 characters, beyond what the system takes as one path. Made and
        // removed a step at a time from the current folder for the same reason.
        constexpr int kDepth = 1000;
        TempTree tree;
        const QString start = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tree.root()));
        int levels = 0;
        auto removeChain = qScopeGuard([&] {
            for (; levels > 0; --levels) {
                QFile::remove(QStringLiteral("i.png"));
                QDir::setCurrent(QStringLiteral(".."));
                QDir().rmdir(QStringLiteral("d%1").arg(levels, 9, 10, QLatin1Char('0')));
            }
            QDir::setCurrent(start);
        });
        QStringList expected;
        for (QString name; levels < kDepth;) {
            const QString folder = QStringLiteral("d%1").arg(++levels, 9, 10, QLatin1Char('0'));
            QVERIFY(QDir().mkdir(folder) && QDir::setCurrent(folder));
            name += folder + u'/';
            if (levels % 100 == 0) {
                QVERIFY(QFile(QStringLiteral("i.png")).open(QIODevice::WriteOnly));
                expected.append(name + QStringLiteral("i.png"));
            }
        }
        QCOMPARE(findImages(tree.root()), expected);
    }
    void readsLargeTreesAndStopsWhenAsked()
    {
        // Enough folders that helpers start, with names whose order and kind the
        // walk must get right on any thread.
        TempTree tree;
        for (int top = 0; top < 6; ++top) {
            for (int sub = 0; sub < 8; ++sub) {
                const QString folder = QString::asprintf("%ctop%d/%csub%d/", top % 2 ? 'T' : 't',
                                                         top, sub % 3 ? '_' : 'S', sub);
                for (const char* file : {"b.PNG", "A.gif", "_x.jpeg", "notes.txt", ".hidden.png",
                                         "deeper/c.bmp", "Deeper/d.jpg", "caf\xc3\xa9.png"})
                    QVERIFY(tree.writeFile(folder + QString::fromUtf8(file), "x"));
            }
            QVERIFY(tree.writeFile(QStringLiteral("root%1.png").arg(top), "x"));
        }
        Functions::FoundImages serial;
        Functions::FoundImages parallel;
        QCOMPARE(Functions::FindImages(tree.root(), serial, {}, 0),
                 Functions::WalkOutcome::Finished);
        QCOMPARE(Functions::FindImages(tree.root(), parallel, {}, 3),
                 Functions::WalkOutcome::Finished);
        QCOMPARE(serial.Names.size(), 6 + 6 * 8 * 6);
        QCOMPARE(parallel.Names, serial.Names);
        Functions::WalkState allSerial;
        Functions::WalkState allParallel;
        QCOMPARE(Functions::CollectFiles(tree.root(), allSerial, {}, 0),
                 Functions::WalkOutcome::Finished);
        QCOMPARE(Functions::CollectFiles(tree.root(), allParallel, {}, 3),
                 Functions::WalkOutcome::Finished);
        QCOMPARE(allParallel.FoundFiles, allSerial.FoundFiles);
        QCOMPARE(allSerial.FoundFiles.size(), 6 + 6 * 8 * 7);
        // Stopped with helpers running: what was still queued is left to see.
        int calls = 0;
        QCOMPARE(
            Functions::CollectFiles(
                tree.root(), allParallel, [&](qsizetype, qsizetype) { return ++calls < 40; }, 3),
            Functions::WalkOutcome::Stopped);
        QVERIFY(!allParallel.PendingFolders.isEmpty());
        QVERIFY(allParallel.FoundFiles.size() < allSerial.FoundFiles.size());
        // Stopped on one thread: what was found is not handed out.
        calls = 0;
        Functions::FoundImages stopped{{QStringLiteral("kept")}, {}};
        QCOMPARE(Functions::FindImages(
                     tree.root(), stopped, [&](qsizetype, qsizetype) { return ++calls < 3; }, 0),
                 Functions::WalkOutcome::Stopped);
        QCOMPARE(calls, 3);
        QCOMPARE(stopped.Names, QStringList{QStringLiteral("kept")});
    }
    void ordersNamesRegardlessOfCase()
    {
        // The quick comparison of plain ASCII names agrees with the full one.
        const QStringList names{"a",  "A",   "_a",     "[x", "Z",       "z1",     "a b", "a-b",
                                "ab", "aB",  "AB",     "b",  "10",      "9",      "~",   "@",
                                "`",  "\\x", "\u00e9", "E",  "\u00c9t", "e\u0301"};
        for (const QString& a : names) {
            for (const QString& b : names) {
                const int order = QString::compare(a, b, Qt::CaseInsensitive);
                const bool expected = order != 0 ? order < 0 : a < b;
                QVERIFY2(FolderWalk::lessByName(a, b) == expected, qPrintable(a + " vs " + b));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestImageSearch)
#include "tst_imagesearch.moc"
