#include "CsvReader.h"
#include "Exchange.h"
#include "RowTexts.h"
#include "TempTree.h"
#include "XliffReader.h"
#include "XliffWriter.h"

#include <QBuffer>
#include <QTest>

using Exchange::Format;
using Rows = std::vector<ImageListRow>;
Q_DECLARE_METATYPE(Exchange::Format)

namespace {

// Texts every format must carry unchanged.
Rows awkwardRows()
{
    return {
        {"a;b,c \"q\".png", "semi;colon, comma", "\"quoted\" \"\"", true},
        {"line\r\nbreak/x.png", "cr\rlf\nboth\r\n", "  spaces kept  ", false},
        {"emoji/\U0001F600.png", QString(), "\U0001F30D <&> ]]>", true},
        {"emoji/\U0001F600.png", "tab\there", QString(), true},
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
    options.targetLanguage = "de";
    options.original = "list.csv";
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
        // Enough rows besides that the writers flush in several chunks.
        Rows rows = awkwardRows();
        for (int i = 0; i < 5000; ++i)
            rows.push_back(
                {u"dir %1/a;b,\"c\"\n.png"_qs.arg(i), "Source", u"Ziel %1"_qs.arg(i), i % 2 == 0});
        Rows back;
        QString error;
        QVERIFY2(readBack(format, written(format, rows), back, &error), qPrintable(error));
        QVERIFY(back == rows);
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
            {"title.png", "Start, \"now\"", "Los!", true},
            {"menu/split.png", "red\r\nblue", QString(), false},
            {"menu/split.png", "blue", "blau", true},
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
        const Format xliff = Format::Xliff20, csv = Format::Csv;
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
        row("CSV unbalanced quote", csv, header + "a,b,c,1\r\nname,\"open, never\r\nclosed,1\r\n",
            3, 6, "never closed");
        row("CSV too many fields", csv, header + "a,b,c,1,extra\r\n", 2, 9,
            "5 fields where the header has 4");
        row("CSV too few fields after a quoted line break", csv, header + "\"two\nlines\",b\n", 3,
            8, "2 fields");
        row("CSV quote inside a field", csv, header + "\U0001F600ab\"c,,,0\n", 2, 4,
            "quote inside");
        row("CSV text after closing quote", csv, header + "\"a\"b,,,0\n", 2, 4, "closing quote");
        row("CSV bad check", csv, header + "a,,,maybe\n", 2, 5, "Checked");
        row("CSV no header", csv, "a,b,c,1\r\n", 1, 1, "header");
        row("CSV not UTF-8", csv, header + "ok,,,1\ncaf\xE9,,,1\n", 3, 4, "UTF-8");
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
        Rows rows{{"kept", {}, {}, false}};
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
        const Rows rows{{"ok.png", {}, {}, true}, {"bell.png", "ding\a", {}, true}};
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
        QVERIFY(
            tree.writeFile("sheet.csv", "\xEF\xBB\xBFName,Source Text,Target Text,Checked\r\n"));
        QVERIFY(tree.writeFile("list.csv", "Name;Source;Target;\r\n"));
        const auto of = [](const QString& file, const QString& filter = {}) {
            return Exchange::formatForFile(file, filter);
        };
        QCOMPARE((QList<Format>{of(tree.path("sheet.csv")), of(tree.path("list.csv")),
                                of(tree.path("new.csv")), of("a.XLIFF"), of("a.tsv"), of("a.txt"),
                                of("a.xlf", Exchange::dialogFilter(Format::Xliff12)),
                                of("x.csv", "Spreadsheet CSV files (*.csv)")}),
                 (QList<Format>{Format::Csv, Format::ListFile, Format::ListFile, Format::Xliff20,
                                Format::Tsv, Format::Unknown, Format::Xliff12, Format::Csv}));
    }
    void planImport()
    {
        const Rows list{
            {"menu\\split.png", "red", "rot", true},
            {"other.png", QString(), "keep", false},
            {"menu\\split.png", "blue", QString(), true},
            {"same.png", "s", "t", false},
        };
        const Rows file{
            {"menu/split.png", "RED", "rouge", false},
            {"menu/split.png", "BLUE", "bleu", false},
            {"menu/split.png", "third", "x", false},
            {"other.png", "filled", QString(), true},
            {"new.png", "n", "neu", true},
            {"same.png", "s", "t", true},
        };
        const Exchange::ImportPlan plan = Exchange::planImport(list, file);
        QCOMPARE(plan.matched, 4);
        QCOMPARE(plan.unmatched, (std::vector<int>{2, 4}));
        QStringList changes;
        for (const Exchange::ImportPlan::Change& change : plan.changes)
            changes << QString::number(change.row) + ": " + rowTexts({change.after}).constFirst();
        // Source filled, Target kept: the file's is empty.
        QCOMPARE(changes,
                 (QStringList{"0: menu\\split.png|red|rouge|x", "1: other.png|filled|keep|",
                              "2: menu\\split.png|blue|bleu|x"}));
        QCOMPARE(plan.changes[0].before, list[0]);
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
