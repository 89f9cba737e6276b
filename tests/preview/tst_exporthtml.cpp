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
#include <QTest>
#include <QUrl>

namespace {

QByteArray lines(const QByteArrayList& texts)
{
    return texts.join("\r\n") + "\r\n";
}

// The page as the block rules lay it out, assembled here line by line.
QByteArray head(const QByteArray& title)
{
    return lines({"<HTML>", "<HEAD>", "<TITLE>" + title + "</TITLE>", "<META charset=\"UTF-8\">",
                  "</HEAD>", "",
                  "<H1>Image List</H1><HR><TABLE width=100% border=1 border-color=#FFFFFF "
                  "border-style=\"groove\">",
                  "", "<TR>", "<TH>Name</TH>", "<TH>Source Text</TH>", "<TH>Target Text</TH>",
                  "</TR>", ""});
}

QByteArray row(const QByteArray& url, const QByteArray& name, const QByteArray& source,
               const QByteArray& target)
{
    const auto cell = [](const QByteArray& text) {
        return text.isEmpty() ? QByteArray("<TD>&nbsp;</TD>") : "<TD>" + text + "</TD>";
    };
    return lines({"<TR>", "<TD><A HREF=\"" + url + "\">" + name + "</A></TD>", cell(source),
                  cell(target), "</TR>", ""});
}

QByteArray closing(const QByteArray& footer)
{
    return lines({"</TABLE>", "<HR>" + footer, "</BODY>", "</HTML>"});
}

// A root folder that exists on no machine in particular, and its URL by hand.
const QString kRoot = QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("img/"));
const QByteArray kRootUrl = "file://" + QByteArray(QDir::rootPath().startsWith('/') ? "" : "/") +
                            QDir::rootPath().toUtf8() + "img/";

QByteArray exportToBuffer(const ImageListModel& model, const ExportHTML::Page& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return ExportHTML::write(buffer, model, page) ? buffer.data() : "<write failed>";
}

} // namespace

class TestExportHTML : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesTheBlocks_data()
    {
        QTest::addColumn<QList<ImageListRow>>("rows");
        QTest::addColumn<QByteArray>("expectedRows");
        QTest::newRow("no checked row")
            << QList<ImageListRow>{{"a.jpg", "Hello", "Hallo", false}} << QByteArray();
        QTest::newRow("empty target") << QList<ImageListRow>{{"a.jpg", "Hello", "", true}}
                                      << row(kRootUrl + "a.jpg", "a.jpg", "Hello", "");
        QTest::newRow("single space") << QList<ImageListRow>{{"b.png", " ", "", true}}
                                      << row(kRootUrl + "b.png", "b.png", " ", "");
        QTest::newRow("spaces, # and %")
            << QList<ImageListRow>{{"en/my pic #1%.png", "", "Bild", true}}
            << row(kRootUrl + "en/my%20pic%20%231%25.png", "en/my pic #1%.png", "", "Bild");
        QTest::newRow("& and quote")
            << QList<ImageListRow>{{"x&y\".png", "", "", true}}
            << row(kRootUrl + "x&amp;y%22.png", "x&amp;y&quot;.png", "", "");
        QTest::newRow("UTF-8") << QList<ImageListRow>{{"\u753b.png", "\u041f\u0440", "\u3053",
                                                       true}}
                               << row(kRootUrl + "%E7%94%BB.png", "\u753b.png", "\u041f\u0440",
                                      "\u3053");
        QTest::newRow("checked rows in list order")
            << QList<ImageListRow>{{"c.png", "1", "one", true},
                                   {"b.png", "2", "two", false},
                                   {"a.png", "3", "three", true}}
            << row(kRootUrl + "c.png", "c.png", "1", "one") +
                   row(kRootUrl + "a.png", "a.png", "3", "three");
    }
    void writesTheBlocks()
    {
        QFETCH(QList<ImageListRow>, rows);
        QFETCH(QByteArray, expectedRows);
        ImageListModel model;
        model.setRows({rows.begin(), rows.end()});
        const ExportHTML::Page page{QStringLiteral("T"), QStringLiteral("Image List"),
                                    QStringLiteral("F"), kRoot};
        QCOMPARE(exportToBuffer(model, page), head("T") + expectedRows + closing("F"));
    }
    void exportsFromTheMainWindow()
    {
        FakePlatform platform;
        TempTree tree;
        QVERIFY(tree.writeImage(QStringLiteral("b.png"), QSize(3, 3)));
        QVERIFY(tree.writeImage(QStringLiteral("sub/a b.jpg"), QSize(3, 3)));
        QVERIFY(tree.writeFile(QStringLiteral("plain-file")));
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.textFolder()->setText(tree.root());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CmdSearchImages")),
                          Qt::LeftButton);
        QCOMPARE(form.imageList()->itemCount(), 2);
        form.imageList()->setSubItem(1, 1, QStringLiteral("Start <now>"));
        form.imageList()->setChecked(1, true);
        auto* exportButton = form.findChild<QPushButton*>(QStringLiteral("CmdExportHTML"));
        QList<const QCursor*> pointerAtMessage;
        Platform::setMessageBoxHandler([&](const Platform::MessageBoxRequest& request) {
            platform.messages.append(request);
            pointerAtMessage.append(QGuiApplication::overrideCursor());
        });
        // Cancel writes nothing; a path below a plain file can never be created.
        const QStringList before = QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden);
        platform.cancelNextFile();
        QTest::mouseClick(exportButton, Qt::LeftButton);
        const QString unwritable = tree.path(QStringLiteral("plain-file/page.htm"));
        platform.answerNextFile(unwritable);
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(platform.messageTexts(), QStringList{QStringLiteral("Can't access file!")});
        QCOMPARE(platform.messages.first().title, QStringLiteral("Warning"));
        QCOMPARE(pointerAtMessage, QList<const QCursor*>{nullptr});
        QCOMPARE(QDir(tree.root()).entryList(QDir::AllEntries | QDir::Hidden), before);
        // An earlier file is replaced whole.
        QVERIFY(tree.writeFile(QStringLiteral("out.htm"), QByteArray(100000, 'z')));
        const QString path = tree.path(QStringLiteral("out.htm"));
        platform.answerNextFile(path);
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(platform.fileDialogs.size(), 3);
        const Platform::FileDialogRequest& request = platform.fileDialogs.last();
        QCOMPARE(request.mode, Platform::FileDialogRequest::Mode::Save);
        QCOMPARE(request.title, QStringLiteral("Specify an HTML file..."));
        QCOMPARE(request.filter, QStringLiteral("HTML files (*.htm)|*.htm"));
        QCOMPARE(request.flags, 2);
        QCOMPARE(platform.messages.size(), 1);
        const QString name = QDir::toNativeSeparators(QStringLiteral("sub/a b.jpg"));
        QCOMPARE(readWholeFile(path), head(ExportHTML::escape(path).toUtf8()) +
                                          row(QUrl::fromLocalFile(tree.path(name)).toEncoded(),
                                              name.toUtf8(), "Start &lt;now&gt;", "") +
                                          closing("HTML generated with Vemarill"));
    }
    void cleanup() { ImageCount::set(0); }
};

QTEST_MAIN(TestExportHTML)
#include "tst_exporthtml.moc"
