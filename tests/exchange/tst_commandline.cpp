#include "TempTree.h"

#include <QProcess>
#include <QTest>
#include <QUrl>
#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The real program, as a pipeline would start it, in folder.
Run vemarill(const QString& folder, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    // No display: a command must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VEMARILL_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Quotes, commas, an emoji and a split row: every format must carry them unchanged.
const QByteArray kList = "title.png;Start;Los!;\r\nmenu/a,b.png;\"Quit\";;\r\n"
                         "a,b \"c\".png;Source, \"1\";\xF0\x9F\x98\x80 Ziel;\r\n"
                         "split.png;;first;\r\nsplit.png;;second;\r\nempty.png;;;\r\n";

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_tree = std::make_unique<TempTree>();
        QVERIFY(m_tree->writeFile("list.csv", kList));
        QVERIFY(m_tree->writeFile(
            "bad.csv", "Name,Source Text,Target Text,Checked\r\nok,,,1\r\n\"open,,,1\r\n"));
        QVERIFY(m_tree->writeFile("images/a.png"));
    }
    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutHas");
        QTest::addColumn<QString>("stderrHas");
        const auto row = [](const char* name, const QStringList& arguments, int exitCode,
                            const char* out, const char* err) {
            QTest::newRow(name) << arguments << exitCode << out << err;
        };
        row("version", {"--version"}, 0, "vemarill 1.0.0", "");
        row("help", {"--help"}, 0, "convert IN OUT", "");
        row("command help", {"convert", "--help"}, 0, "--xliff-version", "");
        row("missing argument", {"convert", "list.csv"}, 2, "", "convert takes 2 argument(s)");
        row("unknown option", {"search", "--bogus", "images"}, 2, "", "bogus");
        row("unknown format", {"convert", "--to", "doc", "list.csv", "o.x"}, 2, "",
            "Unknown format \"doc\"");
        row("unknown extension", {"convert", "list.csv", "out.doc"}, 2, "",
            "out.doc: Unknown file type");
        row("export without root", {"export-html", "list.csv", "-o", "p.htm"}, 2, "", "--root");
        row("missing input", {"convert", "gone.csv", "out.xlf"}, 1, "", "gone.csv: Not a file");
        row("CSV format error", {"convert", "bad.csv", "out.xlf"}, 1, "",
            "bad.csv: line 3, column 1: This quoted field");
        row("ocr without root", {"ocr", "list.csv"}, 2, "", "ocr needs --root DIR");
        row("missing folder", {"search", "nowhere"}, 1, "", "nowhere: No such folder");
    }
    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutHas);
        QFETCH(QString, stderrHas);
        const Run run = vemarill(m_tree->root(), arguments);
        QVERIFY2(run.exitCode == exitCode, run.err.constData());
        QVERIFY2(run.out.contains(stdoutHas.toUtf8()), run.out.constData());
        QVERIFY2(run.err.contains(stderrHas.toUtf8()), run.err.constData());
        QVERIFY(!QFile::exists(m_tree->path("out.xlf")));
    }
    // list -> XLIFF 2.0 -> XLIFF 1.2 -> CSV -> TSV -> list gives the same bytes.
    void pipelineRoundTrip()
    {
        const QStringList steps{"list.csv", "a.xlf", "b.xliff", "c.csv", "d.tsv", "e.csv"};
        for (qsizetype i = 1; i < steps.size(); ++i) {
            QStringList arguments{"convert", steps[i - 1], steps[i]};
            if (steps[i] == QLatin1String("b.xliff"))
                arguments << "--xliff-version"
                          << "1.2";
            if (steps[i] == QLatin1String("c.csv"))
                arguments << "--to"
                          << "csv";
            const Run run = vemarill(m_tree->root(), arguments);
            QVERIFY2(run.exitCode == 0, run.err.constData());
        }
        QVERIFY(readWholeFile(m_tree->path("b.xliff")).contains("version=\"1.2\""));
        QVERIFY(readWholeFile(m_tree->path("c.csv"))
                    .startsWith("Name,Source Text,Target Text,Checked\r\n"));
        QCOMPARE(readWholeFile(m_tree->path("e.csv")), kList);
    }
    void searchWritesAList()
    {
        QVERIFY(m_tree->writeFile("images/sub/b;c.PNG"));
        QVERIFY(m_tree->writeFile("images/notes.txt"));
        const Run toStdout = vemarill(m_tree->root(), {"search", "images"});
        QCOMPARE(toStdout.exitCode, 0);
        QCOMPARE(toStdout.out, QByteArray("a.png;;;\r\nsub/b;c.PNG;;;\r\n"));
        const Run toFile = vemarill(m_tree->root(), {"search", "images/", "-o", "found.csv"});
        QCOMPARE(toFile.exitCode, 0);
        QCOMPARE(readWholeFile(m_tree->path("found.csv")), toStdout.out);
    }
    void exportHtml()
    {
        const Run run = vemarill(m_tree->root(),
                                 {"export-html", "list.csv", "--root", "images", "-o", "page.htm"});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QByteArray page = readWholeFile(m_tree->path("page.htm"));
        QVERIFY(
            page.contains(QUrl::fromLocalFile(m_tree->path("images/menu/a,b.png")).toEncoded()));
    }
    void failedWriteKeepsTheOldFile()
    {
        QVERIFY(m_tree->writeFile("old.xlf", "earlier"));
        QVERIFY(m_tree->writeFile("bell.csv", "bell.png;ding\a;;\r\n"));
        const Run run = vemarill(m_tree->root(), {"convert", "bell.csv", "old.xlf"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("old.xlf: Row 1 (bell.png): the Source Text holds U+0007"),
                 run.err.constData());
        QCOMPARE(readWholeFile(m_tree->path("old.xlf")), QByteArray("earlier"));
    }
    void recognisesTheExampleTree()
    {
        const QString examples = QStringLiteral(EXAMPLES_DIR "/images/");
        const Run found = vemarill(m_tree->root(), {"search", examples, "-o", "list.csv"});
        QCOMPARE(found.exitCode, 0);
        const Run read = vemarill(m_tree->root(), {"ocr", "list.csv", "--root", examples});
        if (read.exitCode == 1 && read.err.contains("install"))
            QSKIP(read.err.constData());
        QCOMPARE(read.exitCode, 0);
        QVERIFY(read.err.contains("recognised"));
        // Top level, an upper-case name, nested folders and large art.
        for (const char* line :
             {"title.png;Welcome to the Harbour;;", "PHOTO.JPG;Photo: Old Lighthouse;;",
              "dialogs/errors/disk_full.bmp;Disk full!;;",
              "dialogs/map.jpeg;Map of the Northern Isles - pan me;;"})
            QVERIFY2(read.out.contains(QByteArray(line) + "\r\n"), line);
    }

private:
    std::unique_ptr<TempTree> m_tree;
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
