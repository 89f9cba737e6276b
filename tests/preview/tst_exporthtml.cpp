#include "CommonDialog.h"
#include "ExportCommand.h"
#include "ExportHTML.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "ImageCount.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "TempTree.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {

// The page as the block rules lay it out, assembled here line by line.
struct ExpectedPage {
    QByteArray bytes;

    void line(const QByteArray& text) { bytes += text + "\r\n"; }

    void head(const QByteArray& title, const QList<QByteArray>& headers)
    {
        line("<HTML>");
        line("<HEAD>");
        line("<TITLE>" + title + "</TITLE>");
        line("<META charset=\"UTF-8\">");
        line("</HEAD>");
        line("");
        line("<H1>Image List</H1><HR><TABLE width=100% border=1 border-color=#FFFFFF "
             "border-style=\"groove\">");
        line("");
        line("<TR>");
        for (const QByteArray& header : headers)
            line("<TH>" + header + "</TH>");
        line("</TR>");
        line("");
    }

    void row(const QByteArray& url, const QByteArray& name, const QList<QByteArray>& cells)
    {
        line("<TR>");
        line("<TD><A HREF=\"" + url + "\">" + name + "</A></TD>");
        for (const QByteArray& cell : cells)
            line(cell.isEmpty() ? QByteArray("<TD>&nbsp;</TD>") : "<TD>" + cell + "</TD>");
        line("</TR>");
        line("");
    }

    void close(const QByteArray& footer)
    {
        line("</TABLE>");
        line("<HR>" + footer);
        line("</BODY>");
        line("</HTML>");
    }
};

const QList<QByteArray> kHeaders{"Name", "Source Text", "Target Text"};

// A root folder that exists on no machine in particular, in native form.
QString rootText()
{
    return QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("img/"));
}

// The file URL of the root above, written out by hand.
QByteArray rootUrl()
{
    const QByteArray root = QDir::rootPath().toUtf8();
    return "file://" + QByteArray(root.startsWith('/') ? "" : "/") + root + "img/";
}

QByteArray exportToBuffer(const ImageListModel& model, const ExportHTML::Page& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ExportHTML::write(buffer, model, page))
        return "<write failed>";
    return buffer.data();
}

ExportHTML::Page page(const QString& title = QStringLiteral("T"))
{
    return {title, QStringLiteral("Image List"), QStringLiteral("F"), rootText()};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString unescapeHtml(QString text)
{
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// The HREF values of the page, as a browser reads them.
QStringList linkTargets(const QByteArray& page)
{
    QStringList targets;
    static const QRegularExpression href(QStringLiteral("<A HREF=\"([^\"]*)\">"));
    auto it = href.globalMatch(QString::fromUtf8(page));
    while (it.hasNext())
        targets.append(unescapeHtml(it.next().captured(1)));
    return targets;
}

} // namespace

class TestExportHTML : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheBlocks_data();
    void writesTheBlocks();
    void escapesEveryText();
    void linksReachTheImageFiles();
    void writesUtf8();
    void replacesAnExistingFile();
    void exportsFromTheMainWindow();
    void cancelWritesNothing();
    void reportsAnUnwritablePath();

private:
    void cleanup() { ImageCount::set(0); }
};

void TestExportHTML::writesTheBlocks_data()
{
    QTest::addColumn<QList<ImageListRow>>("rows");
    QTest::addColumn<QByteArray>("expectedRows");

    ExpectedPage none;
    QTest::newRow("no checked row")
        << QList<ImageListRow>{{"a.jpg", "Hello", "Hallo", false}} << none.bytes;

    ExpectedPage hello;
    hello.row(rootUrl() + "a.jpg", "a.jpg", {"Hello", ""});
    QTest::newRow("empty target") << QList<ImageListRow>{{"a.jpg", "Hello", "", true}}
                                  << hello.bytes;

    ExpectedPage space;
    space.row(rootUrl() + "b.png", "b.png", {" ", ""});
    QTest::newRow("single space") << QList<ImageListRow>{{"b.png", " ", "", true}} << space.bytes;

    ExpectedPage spaced;
    spaced.row(rootUrl() + "en/my%20pic%20%231%25.png", "en/my pic #1%.png", {"", "Bild"});
    QTest::newRow("spaces, # and %")
        << QList<ImageListRow>{{"en/my pic #1%.png", "", "Bild", true}} << spaced.bytes;

    ExpectedPage order;
    order.row(rootUrl() + "c.png", "c.png", {"1", "one"});
    order.row(rootUrl() + "a.png", "a.png", {"3", "three"});
    QTest::newRow("checked rows in list order")
        << QList<ImageListRow>{{"c.png", "1", "one", true},
                               {"b.png", "2", "two", false},
                               {"a.png", "3", "three", true}}
        << order.bytes;
}

void TestExportHTML::writesTheBlocks()
{
    QFETCH(QList<ImageListRow>, rows);
    QFETCH(QByteArray, expectedRows);

    ImageListModel model;
    model.setRows({rows.begin(), rows.end()});
    ExpectedPage expected;
    expected.head("T", kHeaders);
    expected.bytes += expectedRows;
    expected.close("F");
    QCOMPARE(exportToBuffer(model, page()), expected.bytes);
}

void TestExportHTML::escapesEveryText()
{
    ImageListModel model;
    model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Source <i>"));
    model.setRows({{"<b>x&y\".png", "<script>alert(1)</script>", "Tom & \"Jerry\"", true}});
    ExportHTML::Page risky{QStringLiteral("</TITLE><script>"), QStringLiteral("A & B"),
                           QStringLiteral("<img src=x>"), rootText()};
    const QByteArray bytes = exportToBuffer(model, risky);

    QVERIFY(!bytes.contains("<script>"));
    QVERIFY(!bytes.contains("<b>"));
    QVERIFY(!bytes.contains("<img"));
    QVERIFY(!bytes.contains("<i>"));
    for (const QByteArray& expected :
         {QByteArray("<TITLE>&lt;/TITLE&gt;&lt;script&gt;</TITLE>"),
          QByteArray("<H1>A &amp; B</H1>"), QByteArray("<TH>Source &lt;i&gt;</TH>"),
          QByteArray("\">&lt;b&gt;x&amp;y&quot;.png</A></TD>"),
          QByteArray("<TD>&lt;script&gt;alert(1)&lt;/script&gt;</TD>"),
          QByteArray("<TD>Tom &amp; &quot;Jerry&quot;</TD>"),
          QByteArray("<HR>&lt;img src=x&gt;\r\n")}) {
        if (!bytes.contains(expected))
            QFAIL(qPrintable(QStringLiteral("missing: ") + QString::fromUtf8(expected)));
    }
    QCOMPARE(ExportHTML::escape(QStringLiteral("a<b>&\"c\"'")),
             QStringLiteral("a&lt;b&gt;&amp;&quot;c&quot;'"));
}

void TestExportHTML::linksReachTheImageFiles()
{
    TempTree tree;
    QVERIFY(tree.isValid());
    const QStringList names{QStringLiteral("plain.png"), QStringLiteral("en/with space.png"),
                            QStringLiteral("odd #1 %41 & \"q\".png"),
                            QStringLiteral("ja/\u753b\u50cf.png")};
    std::vector<ImageListRow> rows;
    for (const QString& name : names) {
        QVERIFY(tree.writeImage(name, QSize(4, 4)));
        rows.push_back({QDir::toNativeSeparators(name), {}, {}, true});
    }
    ImageListModel model;
    model.setRows(rows);
    ExportHTML::Page where = page();
    where.rootFolder = tree.root();
    const QStringList targets = linkTargets(exportToBuffer(model, where));
    QCOMPARE(targets.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QUrl url = QUrl::fromEncoded(targets.at(i).toLatin1(), QUrl::StrictMode);
        QVERIFY2(url.isValid() && url.isLocalFile(), qPrintable(targets.at(i)));
        QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(),
                 QFileInfo(tree.path(names.at(i))).canonicalFilePath());
    }
}

void TestExportHTML::writesUtf8()
{
    ImageListModel model;
    const QString russian = QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442");
    const QString japanese = QStringLiteral("\u3053\u3093\u306b\u3061\u306f");
    model.setRows({{"a.png", russian, japanese, true}});
    const QByteArray bytes = exportToBuffer(model, page());
    QVERIFY(bytes.contains("<TD>" + russian.toUtf8() + "</TD>"));
    QVERIFY(bytes.contains("<TD>" + japanese.toUtf8() + "</TD>"));
    QCOMPARE(bytes.split('\n').at(3), QByteArray("<META charset=\"UTF-8\">\r"));
}

void TestExportHTML::replacesAnExistingFile()
{
    TempTree tree;
    const QString path = tree.path(QStringLiteral("page.htm"));
    QVERIFY(tree.writeFile(QStringLiteral("page.htm"), QByteArray(100000, 'z')));
    ImageListModel model;
    model.setRows({{"a.png", "x", "y", true}});
    QVERIFY(ExportHTML::ExportHTML(path, model, page()));
    QCOMPARE(readFile(path), exportToBuffer(model, page()));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExportHTML::exportsFromTheMainWindow()
{
    FakePlatform platform;
    TempTree tree;
    QVERIFY(tree.writeImage(QStringLiteral("b.png"), QSize(3, 3)));
    QVERIFY(tree.writeImage(QStringLiteral("sub/a b.jpg"), QSize(3, 3)));
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* exportButton = form.findChild<QPushButton*>(QStringLiteral("CmdExportHTML"));
    QVERIFY(!exportButton->isEnabled());

    form.textFolder()->setText(tree.root());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CmdSearchImages")),
                      Qt::LeftButton);
    QCOMPARE(form.imageList()->itemCount(), 2);
    QVERIFY(exportButton->isEnabled());
    form.imageList()->setSubItem(1, 1, QStringLiteral("Start <now>"));
    form.imageList()->setChecked(1, true);

    const QString path = tree.path(QStringLiteral("out.htm"));
    platform.answerNextFile(path);
    QTest::mouseClick(exportButton, Qt::LeftButton);

    QCOMPARE(platform.fileDialogs.size(), 1);
    const Platform::FileDialogRequest& request = platform.fileDialogs.first();
    QCOMPARE(request.mode, Platform::FileDialogRequest::Mode::Save);
    QCOMPARE(request.title, QStringLiteral("Specify an HTML file..."));
    QCOMPARE(request.filter, QStringLiteral("HTML files (*.htm)|*.htm"));
    QCOMPARE(request.flags, 2);
    QVERIFY(platform.messages.isEmpty());

    ExpectedPage expected;
    expected.head(ExportHTML::escape(path).toUtf8(), kHeaders);
    const QString name = QDir::toNativeSeparators(QStringLiteral("sub/a b.jpg"));
    expected.row(QUrl::fromLocalFile(tree.path(name)).toEncoded(), name.toUtf8(),
                 {"Start &lt;now&gt;", ""});
    expected.close("HTML generated with Vemarill");
    QCOMPARE(readFile(path), expected.bytes);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestExportHTML::cancelWritesNothing()
{
    FakePlatform platform;
    TempTree tree;
    Form1 form;
    platform.cancelNextFile();
    CommonDialog& dialog = *form.commonDialog();
    ExportHTML::ExportToHTML(&form, dialog, *form.imageList()->imageListModel(), tree.root());
    QCOMPARE(platform.fileDialogs.size(), 1);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(QDir(tree.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void TestExportHTML::reportsAnUnwritablePath()
{
    FakePlatform platform;
    TempTree tree;
    QVERIFY(tree.writeFile(QStringLiteral("plain-file")));
    Form1 form;
    // A path below a plain file can never be created, not even by root.
    const QString path = tree.path(QStringLiteral("plain-file/page.htm"));
    platform.answerNextFile(path);
    QList<const QCursor*> pointerAtMessage;
    Platform::setMessageBoxHandler([&](const Platform::MessageBoxRequest& request) {
        platform.messages.append(request);
        pointerAtMessage.append(QGuiApplication::overrideCursor());
    });
    ExportHTML::ExportToHTML(&form, *form.commonDialog(), *form.imageList()->imageListModel(),
                             tree.root());

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().text, QStringLiteral("Can't access file!"));
    QCOMPARE(platform.messages.first().title, QStringLiteral("Warning"));
    QCOMPARE(platform.messages.first().icon, Platform::MessageIcon::Critical);
    QCOMPARE(pointerAtMessage, QList<const QCursor*>{nullptr});
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(readFile(tree.path(QStringLiteral("plain-file"))), QByteArray());
}

QTEST_MAIN(TestExportHTML)
#include "tst_exporthtml.moc"
