#include "FakePlatform.h"
#include "FilterBar.h"
#include "Form1.h"
#include "ImageListDocument.h"
#include "ImageListView.h"
#include "MainWindow.h"
#include "MemoryAssistant.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"
#include "RecognitionCommand.h"
#include "RowTexts.h"
#include "TempTree.h"
#include "Twips.h"
#include "cSubclassListView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>

// The main window as a translator drives it: through menus and shortcuts.
class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("VemarillTests")); }
    void init()
    {
        QSettings().clear();
        m_platform = std::make_unique<FakePlatform>();
        m_tree = std::make_unique<TempTree>();
        for (const char* file : {"ok.png", "cancel.png", "menu/start.png", "menu/quit.png"})
            QVERIFY(m_tree->writeFile(QString::fromUtf8(file), "x"));
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(), m_tree.reset(), m_platform.reset(); }
    void wrapsTheOriginalWindow()
    {
        Form1* form = m_window->form();
        // The original window keeps its design size; the bars add to it.
        QCOMPARE(form->size(), QSize(Platform::twipsToPixelsX(Form1::kDesignWidth),
                                     Platform::twipsToPixelsY(Form1::kDesignHeight)));
        QCOMPARE(m_window->height(),
                 form->height() + m_window->menuBar()->height() + m_window->statusBar()->height());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vemarill"));
        // Placed after growing: centred, its top left corner on the screen.
        const QRect area = m_window->screen()->availableGeometry();
        const QRect frame = m_window->frameGeometry();
        QVERIFY(area.contains(frame));
        QVERIFY(qAbs(frame.center().x() - area.center().x()) <= 1);
        search();
        list()->setSubItem(0, 2, QStringLiteral("Aceptar"));
        list()->setChecked(1, true);
        QTRY_COMPARE(
            m_window->counts()->text(),
            QStringLiteral("4 images \u00b7 1 checked \u00b7 1 translated \u00b7 0 overflow"));
        // Closing asks while work is unsaved; Cancel keeps the window.
        m_platform->answerNextQuestion(QStringLiteral("Cancel"));
        action("ActionQuit")->trigger();
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_platform->questions.size(), 1);
        // Discard closes it; the next start offers the folder searched last.
        m_platform->answerNextQuestion(QStringLiteral("Discard"));
        QVERIFY(m_window->close());
        m_window = std::make_unique<MainWindow>();
        QCOMPARE(m_window->form()->textFolder()->text(), m_tree->root());
        auto* folders = m_window->findChild<QMenu*>(QStringLiteral("MenuRecentFolders"));
        Q_EMIT folders->aboutToShow();
        QVERIFY(folders->actions().first()->text().endsWith(m_tree->root()));
    }
    void menusFollowTheButtons()
    {
        const char* const rowCommands[] = {"ActionSelectAll",       "ActionDeselectAll",
                                           "ActionInvertSelection", "ActionSaveImages",
                                           "ActionQuickSaveImages", "ActionExportHTML"};
        for (const char* name : rowCommands)
            QVERIFY2(!action(name)->isEnabled(), name);
        search();
        for (const char* name : rowCommands)
            QVERIFY2(action(name)->isEnabled(), name);
        // Ctrl+S asks for a file the first time, then writes to it at once.
        list()->setChecked(0, true);
        const QString path = m_tree->path(QStringLiteral("list.csv"));
        m_platform->answerNextFile(path);
        shortcut(QKeySequence::Save);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vemarill - list.csv"));
        list()->setChecked(1, true);
        shortcut(QKeySequence::Save);
        QCOMPARE(m_platform->fileDialogs.size(), 1);
        QCOMPARE(readWholeFile(path).count('\n'), 2);
        // Save As always asks, as the button does.
        m_platform->cancelNextFile();
        shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
        QCOMPARE(m_platform->fileDialogs.size(), 2);
        // Undo from the menu, and the recent list loads again.
        action("ActionUndo")->trigger();
        QVERIFY(!list()->isChecked(1));
        auto* recent = m_window->findChild<QMenu*>(QStringLiteral("MenuRecentLists"));
        Q_EMIT recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QVERIFY(recent->actions().first()->text().endsWith(path));
        m_platform->answerNextQuestion(QStringLiteral("Discard"));
        recent->actions().first()->trigger();
        QCOMPARE(list()->itemCount(), 2);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vemarill - list.csv *"));
    }
    void filtersWhatTheGridShows()
    {
        search();
        list()->setSubItem(0, 1, QStringLiteral("Cancel"));
        list()->setSubItem(1, 1, QStringLiteral("OK"));
        list()->setSubItem(1, 2, QStringLiteral("Aceptar"));
        list()->setSubItem(3, 1, QStringLiteral("Start"));
        list()->setChecked(1, true);
        shortcut(QKeySequence::Find);
        FilterBar* bar = m_window->filterBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->textBox()->hasFocus());
        const auto shown = [this] {
            QString seen;
            for (int row = 0; row < list()->itemCount(); ++row)
                seen += list()->isRowShown(row) ? QString::number(row) : QString();
            return seen;
        };
        // Rows: cancel.png "Cancel", ok.png "OK"/"Aceptar" checked, menu/quit.png,
        // menu/start.png "Start". Columns: the text typed, untranslated only,
        // checked only, the rows shown.
        const struct {
            const char* text;
            bool untranslated, checked;
            const char* shown;
        } cases[] = {{"zzz", false, false, ""},    {"", false, false, "0123"},
                     {"sTaRt", false, false, "3"}, {"acep", false, false, "1"},
                     {"", true, false, "023"},     {"", false, true, "1"},
                     {"png", true, false, "023"},  {"MENU", false, false, "23"}};
        auto* untranslated = bar->findChild<QCheckBox*>(QStringLiteral("FilterUntranslated"));
        auto* checked = bar->findChild<QCheckBox*>(QStringLiteral("FilterChecked"));
        for (const auto& c : cases) {
            bar->textBox()->clear();
            QTest::keyClicks(bar->textBox(), QString::fromUtf8(c.text));
            untranslated->setChecked(c.untranslated);
            checked->setChecked(c.checked);
            QVERIFY2(shown() == QLatin1String(c.shown), c.text);
        }
        // Select All acts on the shown rows only; the order and the file never change.
        action("ActionSelectAll")->trigger();
        QCOMPARE(rows(), (QStringList{"cancel.png|Cancel||", "ok.png|OK|Aceptar|x",
                                      "menu/quit.png|||x", "menu/start.png|Start||x"}));
        // Esc closes the bar and shows every row again.
        QTest::keyClick(bar->textBox(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QCOMPARE(shown(), QStringLiteral("0123"));
    }
    void worksFromTheKeyboard()
    {
        search();
        list()->setSubItem(0, 2, QStringLiteral("Aceptar"));
        list()->setSubItem(2, 2, QStringLiteral("Salir"));
        list()->setFocus();
        // F8 and Shift+F8 go to the untranslated rows, wrapping around.
        QList<int> visited;
        for (const QKeyCombination keys : {QKeyCombination(Qt::Key_F8), QKeyCombination(Qt::Key_F8),
                                           QKeyCombination(Qt::Key_F8), Qt::SHIFT | Qt::Key_F8}) {
            shortcut(QKeySequence(keys));
            visited << list()->selectedIndex();
        }
        QCOMPARE(visited, (QList<int>{1, 3, 1, 3}));
        // F2 edits the Source Text; Tab goes on to the Target Text.
        shortcut(QKeySequence(Qt::Key_F2));
        QLineEdit* editor = m_window->form()->subLV()->editor();
        QVERIFY(editor->hasFocus());
        QTest::keyClicks(editor, QStringLiteral("Start"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QTest::keyClicks(editor, QStringLiteral("Inicio"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(rows().last(), QStringLiteral("menu/start.png|Start|Inicio|"));
        // Ctrl+Z in the grid takes the last edit back.
        shortcut(QKeySequence::Undo);
        QCOMPARE(list()->subItem(3, 2), QString());
        // The preview zooms from the keyboard; Fit to Pane shows its state.
        PreviewPane* preview = m_window->form()->previewPane();
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
        QCOMPARE(preview->zoom(), 0.75);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal));
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(preview->zoom(), 1.25);
        action("ActionFitToPane")->trigger();
        QVERIFY(preview->isFitToPane() && action("ActionFitToPane")->isChecked());
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        QCOMPARE(preview->zoom(), 1.0);
        QVERIFY(!action("ActionFitToPane")->isChecked());
    }
    void recognisesTextIntoRows()
    {
        if (const QString why = RecognitionCommand::unavailableReason(); !why.isEmpty())
            QSKIP(qPrintable(why));
        // Two labels a translator would find in UI art.
        QVERIFY(m_tree->makeFolder(QStringLiteral("labels")));
        for (const auto& [name, text] :
             {std::pair("start.png", "START GAME"), {"quit.png", "QUIT"}}) {
            QImage label(360, 60, QImage::Format_RGB32);
            label.fill(Qt::white);
            QPainter painter(&label);
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 28));
            painter.setPen(Qt::black);
            painter.drawText(label.rect(), Qt::AlignCenter, QString::fromLatin1(text));
            painter.end();
            QVERIFY(label.save(m_tree->path(QStringLiteral("labels/") + QLatin1String(name))));
        }
        m_window->form()->textFolder()->setText(m_tree->path(QStringLiteral("labels")));
        action("ActionSearchImages")->trigger();
        action("ActionSelectAll")->trigger();
        const int steps = m_window->form()->document()->undoStack()->count();
        QSignalSpy done(m_window->findChild<RecognitionCommand*>(), &RecognitionCommand::finished);
        QTRY_VERIFY(action("ActionRecognise")->isEnabled());
        auto* button = m_window->findChild<QToolButton*>(QStringLiteral("RecogniseButton"));
        QVERIFY(button->isVisible() && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_platform->optionDialogs.size(), 1);
        QVERIFY(done.wait(30000));
        QCOMPARE(done.first().first().toString(), QStringLiteral("2 recognised"));
        QCOMPARE(rows(), (QStringList{"quit.png|QUIT||x", "start.png|START GAME||x"}));
        // One step to undo, and the list is unsaved.
        QCOMPARE(m_window->form()->document()->undoStack()->count(), steps + 1);
        QVERIFY(m_window->windowTitle().endsWith(QLatin1String(" *")));
        // The progress window may have had the focus: activate the main window again.
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        shortcut(QKeySequence::Undo);
        QCOMPARE(list()->subItem(1, 1), QString());
        shortcut(QKeySequence::Redo);
        // A translation longer than its label is marked, counted and found with F9...
        list()->setSubItem(0, 2, QStringLiteral("ABANDONAR LA PARTIDA"));
        list()->setSubItem(1, 2, QStringLiteral("JUGAR"));
        const QModelIndex quit = list()->imageListModel()->index(0, 2);
        QVERIFY(quit.data(Qt::ToolTipRole).toString().startsWith(QLatin1String("Overflows")));
        QVERIFY(!list()->imageListModel()->index(1, 2).data(Qt::BackgroundRole).isValid());
        QTRY_VERIFY(m_window->counts()->text().endsWith(QLatin1String("1 overflow")));
        list()->selectItem(1);
        shortcut(QKeySequence(Qt::Key_F9));
        QCOMPARE(list()->selectedIndex(), 0);
        // ...and Ctrl+T paints it over the preview, the overflow outlined in red.
        PreviewPicture* picture = m_window->form()->previewPane()->picture2();
        QTRY_VERIFY(picture->hasPicture() && !m_window->form()->previewPane()->isLoading());
        const auto redPixels = [picture] {
            const QImage shot = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(shot.constBits());
            return int(std::count_if(pixels, pixels + shot.width() * shot.height(), [](QRgb c) {
                return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
            }));
        };
        QCOMPARE(redPixels(), 0);
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
        QVERIFY(redPixels() > 20);
    }
    void importsAndExportsTexts()
    {
        search();
        list()->setSubItem(1, 1, QStringLiteral("OK, \"fine\""));
        list()->setChecked(2, true);
        // Export As takes the format the dialog's filter names: every row goes out.
        const QString path = m_tree->path(QStringLiteral("texts.xlf"));
        m_platform->answerNextFile(path);
        action("ActionExportAs")->trigger();
        QVERIFY(!m_window->windowTitle().endsWith(QLatin1String(" *")));
        // The CAT tool's translations come back, as one step to undo; a row the
        // list lacks is appended when the user agrees.
        QByteArray xliff = readWholeFile(path);
        xliff.replace("<source>OK, &quot;fine&quot;</source>",
                      "<source>OK, &quot;fine&quot;</source><target>Vale</target>");
        xliff.replace("</file>", "<unit id=\"new\" name=\"extra.png\"><segment><source>New</source>"
                                 "<target>Nuevo</target></segment></unit></file>");
        QVERIFY(m_tree->writeFile(QStringLiteral("back.xlf"), xliff));
        m_platform->answerNextFile(m_tree->path(QStringLiteral("back.xlf")));
        m_platform->answerNextQuestion(QStringLiteral("Append"));
        action("ActionImport")->trigger();
        const QStringList imported{"ok.png|OK, \"fine\"|Vale|", "menu/quit.png|||x",
                                   "menu/start.png|||", "extra.png|New|Nuevo|"};
        QCOMPARE(rows().mid(1), imported);
        QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("1 appended")));
        action("ActionUndo")->trigger();
        QCOMPARE(list()->itemCount(), 4);
        QCOMPARE(list()->subItem(1, 2), QString());
        // The exported file opens as a list of its own, checks and all.
        m_platform->answerNextQuestion(QStringLiteral("Discard"));
        m_window->openFile(m_tree->path(QStringLiteral("back.xlf")));
        QCOMPARE(rows().mid(1), imported);
    }
    void remembersEarlierTranslations()
    {
        QTemporaryDir memoryFolder;
        qputenv("VEMARILL_TM",
                memoryFolder.filePath(QStringLiteral("memory.sqlite")).toLocal8Bit());
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        qunsetenv("VEMARILL_TM");
        search();
        for (int row = 0; row < 4; ++row)
            list()->setSubItem(row, 1, QStringLiteral("OK"));
        // A typed translation goes into the memory...
        list()->setSubItem(0, 2, QStringLiteral("Aceptar"));
        // ...and is offered for the next row with the same text; Ctrl+1 takes it.
        list()->setFocus();
        list()->selectItem(1);
        QTRY_VERIFY_WITH_TIMEOUT(
            (m_window->memory()->suggestFor(1), !m_window->memory()->suggestions().empty()), 10000);
        auto* panel = m_window->findChild<QListWidget*>(QStringLiteral("MemorySuggestions"));
        QCOMPARE(panel->count(), 1);
        QVERIFY(panel->item(0)->text().contains(QLatin1String("100%")));
        shortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
        QCOMPARE(list()->subItem(1, 2), QStringLiteral("Aceptar"));
        // Fill from Memory: empty targets of checked rows, one step, marked for review.
        list()->setChecked(2, true);
        action("ActionFillFromMemory")->trigger();
        QCOMPARE(rows().mid(2), (QStringList{"menu/quit.png|OK|Aceptar|x", "menu/start.png|OK||"}));
        const QModelIndex filled = list()->imageListModel()->index(2, 2);
        QVERIFY(filled.data(Qt::ToolTipRole).toString().contains(QLatin1String("memory")));
        action("ActionUndo")->trigger();
        QVERIFY(list()->subItem(2, 2).isEmpty());
        // Two translations of one text are reported.
        list()->setSubItem(3, 2, QStringLiteral("Vale"));
        action("ActionInconsistencies")->trigger();
        QVERIFY(m_platform->messages.last().text.contains(
            QLatin1String("\"OK\": \"Aceptar\", \"Vale\"")));
    }

private:
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QLatin1String(name));
    }
    void shortcut(const QKeySequence& keys) { QTest::keySequence(m_window.get(), keys); }
    ImageListView* list() const { return m_window->form()->imageList(); }
    QStringList rows() const { return rowTexts(list()->imageListModel()->rows()); }
    void search()
    {
        m_window->form()->textFolder()->setText(m_tree->root());
        action("ActionSearchImages")->trigger();
        QCOMPARE(list()->itemCount(), 4);
    }
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<MainWindow> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
