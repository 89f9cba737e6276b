#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "Language.h"
#include "MainWindow.h"
#include "MenuCheck.h"
#include "TempTree.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>

// Runs with LANGUAGE=de, as on a German desktop.
class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("VemarillTests"));
        QSettings().clear();
    }
    void resolvesThePreferredLanguage_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German desktop") << QString() << QStringList{"de-DE", "en"} << "de";
        QTest::newRow("English before German") << QString() << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("first shipped one") << QString() << QStringList{"fr-FR", "es_MX"} << "es";
        QTest::newRow("none shipped") << QString() << QStringList{"fr", "it"} << "en";
        QTest::newRow("nothing known") << QString() << QStringList{} << "en";
        QTest::newRow("chosen wins") << "es" << QStringList{"de"} << "es";
        QTest::newRow("chosen English") << "en" << QStringList{"de"} << "en";
    }
    void resolvesThePreferredLanguage()
    {
        QFETCH(QString, chosen);
        QFETCH(QStringList, system);
        QFETCH(QString, expected);
        QCOMPARE(Language::resolve(chosen, system), expected);
    }
    void speaksTheDesktopsLanguageButWritesFilesInEnglish()
    {
        QCOMPARE(Language::install(*qApp), QStringLiteral("de"));
        FakePlatform platform;
        TempTree tree;
        QVERIFY(tree.writeFile(QStringLiteral("menu/start.png"), "x"));
        MainWindow window;
        Form1* form = window.form();

        // Every caption of the original window is translated.
        const QStringList english{"Image Root Folder", "Browse",           "Image List",
                                  "Select All",        "Invert Selection", "Deselect All",
                                  "Image Preview",     "Actions",          "Load Image List",
                                  "Export to HTML",    "About...",         "Search Images",
                                  "Save Image List"};
        QStringList shown;
        for (const QPushButton* button : form->findChildren<QPushButton*>())
            shown << button->text();
        for (const QGroupBox* frame : form->findChildren<QGroupBox*>())
            shown << frame->title();
        QCOMPARE(shown.size(), english.size());
        for (const QString& text : english)
            QVERIFY2(!shown.contains(text), qPrintable(text));
        QVERIFY(shown.contains(QStringLiteral("Bildliste")));
        QCOMPARE(window.menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        QVERIFY2(clashingMnemonics(window.menuBar()).isEmpty(),
                 qPrintable(clashingMnemonics(window.menuBar()).join(u',')));
        ImageListModel* model = form->imageList()->imageListModel();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Ausgangstext"));

        // The exported page keeps its English column titles.
        form->textFolder()->setText(tree.root());
        form->findChild<QPushButton*>(QStringLiteral("CmdSearchImages"))->click();
        QCOMPARE(model->rowCount(), 1);
        form->findChild<QPushButton*>(QStringLiteral("CmdSelectAll"))->click();
        const QString page = tree.path(QStringLiteral("list.htm"));
        platform.answerNextFile(page);
        form->findChild<QPushButton*>(QStringLiteral("CmdExportHTML"))->click();
        const QByteArray html = readWholeFile(page);
        QVERIFY(html.contains("<TH>Source Text</TH>"));
        QVERIFY(!html.contains("Ausgangstext"));
    }
    void aChosenLanguageOverridesTheDesktop()
    {
        Language::choose(QStringLiteral("es"));
        QCOMPARE(Language::install(*qApp), QStringLiteral("es"));
        MainWindow window;
        QCOMPARE(window.menuBar()->actions().first()->text(), QStringLiteral("&Archivo"));
        QVERIFY2(clashingMnemonics(window.menuBar()).isEmpty(),
                 qPrintable(clashingMnemonics(window.menuBar()).join(u',')));
        Language::choose({});
        QVERIFY(Language::chosen().isEmpty());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
