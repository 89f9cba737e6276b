#include "CsvReader.h"
#include "CsvWriter.h"
#include "Exchange.h"
#include "ImageListFile.h"
#include "TempTree.h"
#include "XliffReader.h"
#include "XliffWriter.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using Exchange::Format;
using Rows = std::vector<ImageListRow>;
Q_DECLARE_METATYPE(Exchange::Format)

namespace {

// Texts every format must carry unchanged.
Rows awkwardRows()
{
    return {
        {QStringLiteral("a;b,c \"q\".png"), QStringLiteral("semi;colon, comma"),
         QStringLiteral("\"quoted\" \"\""), true},
        {QStringLiteral("line\r\nbreak/x.png"), QStringLiteral("cr\rlf\nboth\r\n"),
         QStringLiteral("  spaces kept  "), false},
        {QStringLiteral("emoji/\U0001F600.png"), QString(), QStringLiteral("\U0001F30D <&> ]]>"),
         true},
        {QStringLiteral("emoji/\U0001F600.png"), QStringLiteral("tab\there"), QString(), true},
        {QString(), QString(), QString(), false},
    };
}

QByteArray written(Format format, const Rows& rows, const Exchange::WriteOptions& options = {})
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!Exchange::write(buffer, format, rows, options, &error))
        qWarning() << error;
    return buffer.data();
}

bool readBack(Format format, const QByteArray& bytes, Rows& rows, QString* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return Exchange::read(buffer, format, rows, error);
}

Exchange::WriteOptions fixedLanguages()
{
    Exchange::WriteOptions options;
    options.targetLanguage = QStringLiteral("de");
    options.original = QStringLiteral("list.csv");
    return options;
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<Format>("format");
        QTest::newRow("XLIFF 2.0") << Format::Xliff20;
        QTest::newRow("XLIFF 1.2") << Format::Xliff12;
        QTest::newRow("CSV") << Format::Csv;
        QTest::newRow("TSV") << Format::Tsv;
    }
    void roundTrip()
    {
        QFETCH(Format, format);
        Rows back;
        QString error;
        QVERIFY2(readBack(format, written(format, awkwardRows()), back, &error), qPrintable(error));
        QCOMPARE(back, awkwardRows());
    }
    void golden_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QString>("file");
        QTest::newRow("XLIFF 2.0") << Format::Xliff20 << "rows.xlf";
        QTest::newRow("XLIFF 1.2") << Format::Xliff12 << "rows-1.2.xlf";
        QTest::newRow("CSV") << Format::Csv << "rows.csv";
        QTest::newRow("TSV") << Format::Tsv << "rows.tsv";
    }
    // Set VEMARILL_UPDATE_GOLDEN=1 to write the files afresh after a deliberate change.
    void golden()
    {
        QFETCH(Format, format);
        QFETCH(QString, file);
        const Rows rows{
            {QStringLiteral("title.png"), QStringLiteral("Start, \"now\""), QStringLiteral("Los!"),
             true},
            {QStringLiteral("menu/split.png"), QStringLiteral("red\r\nblue"), QString(), false},
            {QStringLiteral("menu/split.png"), QStringLiteral("blue"), QStringLiteral("blau"),
             true},
        };
        const QByteArray bytes = written(format, rows, fixedLanguages());
        const QString path = QStringLiteral(GOLDEN_DIR "/") + file;
        if (qEnvironmentVariableIsSet("VEMARILL_UPDATE_GOLDEN")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(bytes);
        }
        QCOMPARE(bytes, readWholeFile(path));
    }
    void malformed_data()
    {
        QTest::addColumn<Format>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, Format format, const QByteArray& bytes, int line,
                            int column, const char* message) {
            QTest::newRow(name) << format << bytes << line << column << message;
        };
        const QByteArray root = "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:2.0\" "
                                "version=\"2.0\" srcLang=\"en\">\n";
        const Format xliff = Format::Xliff20;
        row("XLIFF truncated", xliff, root + "<file id=\"f\">\n<unit id=\"a\"><segment><sou", 3, 27,
            "ends before");
        row("XLIFF wrong namespace", xliff,
            "<?xml version=\"1.0\"?>\n<xliff xmlns=\"urn:x\">\n</xliff>", 2, 22,
            "namespace \"urn:x\"");
        row("XLIFF not XLIFF", xliff, "<html>\n</html>", 1, 7, "<html>");
        row("XLIFF DOCTYPE with entity", xliff,
            "<?xml version=\"1.0\"?>\n<!DOCTYPE xliff [<!ENTITY x SYSTEM "
            "\"file:///etc/passwd\">]>\n" +
                root +
                "<file id=\"f\"><unit id=\"a\"><segment><source>&x;</source>"
                "</segment></unit></file></xliff>",
            2, 59, "DOCTYPE");
        row("XLIFF empty", xliff, QByteArray(), 1, 1, "ends before");
        row("XLIFF undeclared entity", xliff, root + "<file id=\"f\">&bad;</file></xliff>", 2, 19,
            "bad");
        const QByteArray header = "Name,Source Text,Target Text,Checked\r\n";
        row("CSV unbalanced quote", Format::Csv,
            header + "a,b,c,1\r\nname,\"open, never\r\nclosed,1\r\n", 3, 6, "never closed");
        row("CSV too many fields", Format::Csv, header + "a,b,c,1,extra\r\n", 2, 9,
            "5 fields where the header has 4");
        row("CSV too few fields after a quoted line break", Format::Csv,
            header + "\"two\nlines\",b\n", 3, 8, "2 fields");
        row("CSV quote inside a field", Format::Csv, header + "\U0001F600ab\"c,,,0\n", 2, 4,
            "quote inside");
        row("CSV text after closing quote", Format::Csv, header + "\"a\"b,,,0\n", 2, 4,
            "closing quote");
        row("CSV bad check", Format::Csv, header + "a,,,maybe\n", 2, 5, "Checked");
        row("CSV no header", Format::Csv, "a,b,c,1\r\n", 1, 1, "header");
        row("CSV not UTF-8", Format::Csv, header + "ok,,,1\ncaf\xE9,,,1\n", 3, 4, "UTF-8");
        row("TSV comma header", Format::Tsv, "Name,Source Text,Target Text,Checked\n", 1, 1,
            "header");
    }
    void malformed()
    {
        QFETCH(Format, format);
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, message);
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        Rows rows{{QStringLiteral("kept"), {}, {}, false}};
        const auto failure = [&](auto&& reader) {
            const bool read = reader.read(buffer, rows);
            return std::tuple(read, qint64(reader.errorLine()), qint64(reader.errorColumn()),
                              reader.errorString());
        };
        const auto [read, gotLine, gotColumn, error] =
            format == Format::Xliff20
                ? failure(Exchange::XliffReader())
                : failure(Exchange::CsvReader(QLatin1Char(format == Format::Tsv ? '\t' : ',')));
        QVERIFY(!read);
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(error.startsWith(QStringLiteral("line %1, column %2: ").arg(line).arg(column)),
                 qPrintable(error));
        QCOMPARE(std::pair(gotLine, gotColumn), std::pair(qint64(line), qint64(column)));
        QCOMPARE(rows.size(), size_t(1));                 // a failed read leaves the rows alone
        QVERIFY(!error.contains(QLatin1String("root:"))); // nothing from /etc/passwd
    }
    void unwritableCharacter()
    {
        const Rows rows{{QStringLiteral("ok.png"), {}, {}, true},
                        {QStringLiteral("bell.png"), QStringLiteral("ding\a"), {}, true}};
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        Exchange::XliffWriter writer;
        QVERIFY(!writer.write(buffer, rows));
        QCOMPARE(writer.errorString(),
                 QStringLiteral(
                     "Row 2 (bell.png): the Source Text holds U+0007, which XML cannot carry"));
        QVERIFY(buffer.data().isEmpty());
    }
    void unitIds()
    {
        Rows rows;
        for (const char* name : {"a b.png", "a_b.png", "a b.png", "x.png", "x.png", "x.png-2", "",
                                 "dir/\u00e9t\u00e9.png"})
            rows.push_back({QString::fromUtf8(name), {}, {}, false});
        QCOMPARE(Exchange::XliffWriter::unitIds(rows),
                 (QStringList{"a_b.png", "a_b.png-2", "a_b.png-3", "x.png", "x.png-3", "x.png-2",
                              "unit", "dir__t_.png"}));
    }
    void formatForFile()
    {
        TempTree tree;
        QVERIFY(tree.writeFile(QStringLiteral("sheet.csv"), "\xEF\xBB\xBFName,Source Text,Target "
                                                            "Text,Checked\r\n"));
        QVERIFY(tree.writeFile(QStringLiteral("list.csv"), "Name;Source;Target;\r\n"));
        QCOMPARE(Exchange::formatForFile(tree.path(QStringLiteral("sheet.csv"))), Format::Csv);
        QCOMPARE(Exchange::formatForFile(tree.path(QStringLiteral("list.csv"))), Format::ListFile);
        QCOMPARE(Exchange::formatForFile(tree.path(QStringLiteral("new.csv"))), Format::ListFile);
        QCOMPARE(Exchange::formatForFile(QStringLiteral("a.XLIFF")), Format::Xliff20);
        QCOMPARE(Exchange::formatForFile(QStringLiteral("a.tsv")), Format::Tsv);
        QCOMPARE(Exchange::formatForFile(QStringLiteral("a.txt")), Format::Unknown);
        QCOMPARE(Exchange::formatForFile(QStringLiteral("a.xlf"),
                                         Exchange::dialogFilter(Format::Xliff12)),
                 Format::Xliff12);
        QCOMPARE(
            Exchange::formatForFile(QStringLiteral("x.csv"), QStringLiteral("Spreadsheet CSV files "
                                                                            "(*.csv)")),
            Format::Csv);
    }
    void planImport()
    {
        const Rows list{
            {QStringLiteral("menu\\split.png"), QStringLiteral("red"), QStringLiteral("rot"), true},
            {QStringLiteral("other.png"), QString(), QStringLiteral("keep"), false},
            {QStringLiteral("menu\\split.png"), QStringLiteral("blue"), QString(), true},
            {QStringLiteral("same.png"), QStringLiteral("s"), QStringLiteral("t"), false},
        };
        const Rows file{
            {QStringLiteral("menu/split.png"), QStringLiteral("RED"), QStringLiteral("rouge"),
             false},
            {QStringLiteral("menu/split.png"), QStringLiteral("BLUE"), QStringLiteral("bleu"),
             false},
            {QStringLiteral("menu/split.png"), QStringLiteral("third"), QStringLiteral("x"), false},
            {QStringLiteral("other.png"), QStringLiteral("filled"), QString(), true},
            {QStringLiteral("new.png"), QStringLiteral("n"), QStringLiteral("neu"), true},
            {QStringLiteral("same.png"), QStringLiteral("s"), QStringLiteral("t"), true},
        };
        const Exchange::ImportPlan plan = Exchange::planImport(list, file);
        QCOMPARE(plan.matched, 4);
        QCOMPARE(plan.unmatched, (std::vector<int>{2, 4}));
        QCOMPARE(plan.changes.size(), size_t(3));
        QCOMPARE((QList<int>{plan.changes[0].row, plan.changes[1].row, plan.changes[2].row}),
                 (QList<int>{0, 1, 2}));
        QCOMPARE(plan.changes[0].before, list[0]);
        QCOMPARE(plan.changes[0].after, (ImageListRow{list[0].name, QStringLiteral("red"),
                                                      QStringLiteral("rouge"), true}));
        // Source filled, Target kept: the file's is empty.
        QCOMPARE(plan.changes[1].after, (ImageListRow{list[1].name, QStringLiteral("filled"),
                                                      QStringLiteral("keep"), false}));
        QCOMPARE(plan.changes[2].after, (ImageListRow{list[2].name, "blue", "bleu", true}));
    }
    void pythonReadsOurCsv()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed: the CSV writer is not checked against Python's csv "
                  "module");
        TempTree tree;
        const QString path = tree.path(QStringLiteral("rows.csv"));
        QString error;
        Exchange::WriteOptions options;
        options.byteOrderMark = true;
        QVERIFY2(Exchange::writeFile(path, Format::Csv, awkwardRows(), options, &error),
                 qPrintable(error));
        QProcess process;
        process.start(python,
                      {QStringLiteral("-c"),
                       QStringLiteral("import csv, json, sys\n"
                                      "with open(sys.argv[1], newline='', encoding='utf-8-sig') "
                                      "as f:\n"
                                      "    print(json.dumps(list(csv.reader(f, strict=True))))"),
                       path});
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        // Appended, not braced: one braced array would be taken as a copy of it.
        QJsonArray expected;
        expected.append(QJsonArray{"Name", "Source Text", "Target Text", "Checked"});
        for (const ImageListRow& row : awkwardRows())
            expected.append(QJsonArray{row.name, row.sourceText, row.targetText,
                                       row.checked ? QStringLiteral("1") : QStringLiteral("0")});
        QCOMPARE(QJsonDocument::fromJson(process.readAllStandardOutput()).array(), expected);
    }
    void hundredThousandRows()
    {
        Rows rows;
        for (int i = 0; i < 100000; ++i)
            rows.push_back({QStringLiteral("dir %1/a;b,\"c\"\n%2.png").arg(i / 100).arg(i % 3),
                            QStringLiteral("Source %1").arg(i), QStringLiteral("Ziel %1").arg(i),
                            i % 2 == 0});
        for (const Format format : {Format::Xliff20, Format::Csv}) {
            Rows back;
            QVERIFY(readBack(format, written(format, rows), back));
            QVERIFY(back == rows);
        }
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
