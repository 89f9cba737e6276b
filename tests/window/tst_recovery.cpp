#include "FakePlatform.h"
#include "Form1.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "RecoveryKeeper.h"
#include "RowTexts.h"
#include "TempTree.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

const char* const kChildFlag = "--journal-then-wait";

// The rows a translator leaves behind when the program is killed: edits,
// a split, checks on and off.
void editAndWait(const QString& root)
{
    FakePlatform platform;
    Form1 form;
    form.show();
    form.textFolder()->setText(root);
    form.findChild<QPushButton*>(QStringLiteral("CmdSearchImages"))->click();
    ImageListView* list = form.imageList();
    list->setSubItem(0, 1, QStringLiteral("Start; \u00e9t\u00e9 \U0001F600"));
    list->setSubItem(1, 2, QStringLiteral("Ende"));
    list->setChecked(1, true);
    list->imageListModel()->insertRow(1, list->itemText(0));
    list->setSubItem(1, 1, QStringLiteral("second line"));
    form.recovery()->flush();
    std::printf("ready\n");
    std::fflush(stdout);
    QTest::qWait(60000); // killed long before
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void restoresWhatAKilledRunLeft()
    {
        TempTree tree;
        for (const char* file : {"a.png", "b.png", "sub/c.gif"})
            QVERIFY(tree.writeFile(QString::fromUtf8(file), "x"));
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QLatin1String(kChildFlag), tree.root()});
        QVERIFY(child.waitForReadyRead(20000));
        QCOMPARE(child.readAllStandardOutput(), QByteArray("ready\n"));
        child.kill(); // SIGKILL: no clean exit, no chance to clear anything
        QVERIFY(child.waitForFinished());
        FakePlatform platform;
        platform.answerNextQuestion(QStringLiteral("Restore"));
        Form1 form;
        form.restoreUnsavedWork();
        QCOMPARE(platform.questions.size(), 1);
        QVERIFY(platform.questions.first().text.startsWith(
            QStringLiteral("Restore the unsaved work from ")));
        QCOMPARE(rowTexts(form.imageList()->imageListModel()->rows()),
                 (QStringList{"a.png|Start; \u00e9t\u00e9 \U0001F600||", "a.png|second line||",
                              "b.png||Ende|x", "sub/c.gif|||"}));
        QCOMPARE(ImageCount::value(), 4);
        QCOMPARE(form.textFolder()->text(), tree.root());
        QCOMPARE(form.windowTitle(), QStringLiteral("Vemarill - untitled *"));
        // Offered once: a second start finds nothing to restore.
        form.recovery()->flush();
        Form1 second;
        second.restoreUnsavedWork();
        QCOMPARE(platform.questions.size(), 1);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildFlag) == 0) {
        editAndWait(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
