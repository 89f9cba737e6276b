#include "FakePlatform.h"
#include "Form1.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "RowTexts.h"
#include "SearchProgress.h"
#include "TempTree.h"
#include "Twips.h"
#include "cSubclassListView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const char* const kRowCommands[] = {"CmdSelectAll", "CmdDeselectAll", "CmdSaveImages",
                                    "CmdExportHTML", "CmdInvertSelection"};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_platform = std::make_unique<FakePlatform>();
        m_tree = std::make_unique<TempTree>();
        for (const char* file :
             {"b.png", "A.JPG", "notes.txt", "sub/c.gif", "sub/deeper/d.bmp", ".hidden/e.png"})
            QVERIFY(m_tree->writeFile(QString::fromUtf8(file), "x"));
        m_form = std::make_unique<Form1>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup()
    {
        m_form.reset(), m_tree.reset(), m_platform.reset();
        ImageCount::set(0);
        SearchProgress::setDefaultDelay(500);
        delete m_midSearch;
        m_midSearch = nullptr;
    }
    void startsAsDesignedAndSearches()
    {
        for (const char* name : {"CmdBrowse", "CmdSearchImages", "CmdLoadImages", "CmdAbout"})
            QVERIFY2(button(name)->isEnabled(), name);
        QCOMPARE(list()->itemCount(), 0);
        QVERIFY(list()->toolTip().contains(QLatin1String("Put \" | \" to create")));
        const double tppX = 1440.0 / m_form->logicalDpiX();
        // The list sits at 120, 240 twips in its frame, 10815 twips wide.
        QCOMPARE(list()->geometry().left(), qRound(120 / tppX));
        QCOMPARE(list()->width(), qRound(10815 / tppX));
        QCOMPARE(list()->parentWidget()->objectName(), QStringLiteral("Frame2"));
        QCOMPARE(button("CmdSearchImages")->parentWidget(), m_form.get());
        // Image1 holds the header skin at its design place, under the frames and out of sight.
        auto* image = m_form->findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(image->geometry(), Platform::twipsRect(3960, 720, 1215, 300));
        QVERIFY(image->isHidden());
        const QObjectList children = m_form->children();
        QVERIFY(children.indexOf(image) <
                children.indexOf(m_form->findChild<QWidget*>(QStringLiteral("Frame1"))));
        QVERIFY(QFontMetrics(list()->header()->font()).height() <= 16);
        QVERIFY(m_form->subLV()->editor()->isHidden());
        // Browse cancelled: nothing changes.
        click("CmdBrowse");
        QCOMPARE(m_platform->folderPickerCalls, 1);
        QVERIFY(m_form->textFolder()->text().isEmpty());
        QVERIFY(!m_form->LoadImages);
        // Typed without the trailing separator: the search adds it.
        QString typed = m_tree->root();
        typed.chop(1);
        QTest::keyClicks(m_form->textFolder(), typed);
        click("CmdSearchImages");
        QCOMPARE(m_form->textFolder()->text(), m_tree->root());
        QCOMPARE(rows(),
                 (QStringList{"A.JPG|||", "b.png|||", "sub/c.gif|||", "sub/deeper/d.bmp|||"}));
        QVERIFY(rowCommandsEnabled(true));
        QVERIFY(m_form->LoadImages);
        // A search that ends within its delay shows no progress window, though
        // it answers events meanwhile.
        SearchProgress quick(m_form.get(), 60000);
        QElapsedTimer spent;
        for (spent.start(); spent.elapsed() < 100;)
            QVERIFY(quick.keepGoing());
        QVERIFY(!quick.wasShown());
        // A folder without images empties the list and disables the row commands.
        TempTree empty;
        QVERIFY(empty.writeFile(QStringLiteral("readme.txt"), "x"));
        searchTree(empty);
        QCOMPARE(ImageCount::value(), 0);
        QVERIFY(rowCommandsEnabled(false));
        QVERIFY(m_form->LoadImages);
        // Chosen the same way, and searched.
        m_platform->answerNextFolder(typed);
        click("CmdBrowse");
        QCOMPARE(m_form->textFolder()->text(), m_tree->root());
        QCOMPARE(list()->itemCount(), 4);
        // A choice that is no folder on disk counts as cancelled.
        m_platform->answerNextFolder(m_tree->path(QStringLiteral("gone")));
        click("CmdBrowse");
        QCOMPARE(m_form->textFolder()->text(), m_tree->root());
        QVERIFY(m_platform->messages.isEmpty());
    }
    void reportsWhatItCannotUse()
    {
        QVERIFY(m_tree->writeFile(QStringLiteral("sub2/f.png"), "x"));
        // The first answer comes before the root is listed, the second after.
        duringSearch([this](int call) {
            return call == 2 && QDir(m_tree->path(QStringLiteral("sub"))).removeRecursively();
        });
        searchTree(*m_tree);
        QVERIFY(!m_midSearch->isActive());
        QCOMPARE(rows(), (QStringList{"A.JPG|||", "b.png|||", "sub2/f.png|||"}));
        QCOMPARE(m_platform->messageTexts(),
                 QStringList{QStringLiteral("1 folder could not be read and was skipped:\n") +
                             m_tree->path(QStringLiteral("sub/"))});
        list()->setChecked(1, true);
        list()->setSubItem(2, 1, QStringLiteral("typed work"));
        m_form->textFolder()->setText(m_tree->path(QStringLiteral("missing")));
        click("CmdSearchImages");
        QCOMPARE(m_platform->messages.last().text,
                 QStringLiteral("Please, specify an existing folder."));
        QCOMPARE(m_platform->messages.last().title, QStringLiteral("Vemarill"));
        QCOMPARE(m_platform->messages.last().icon, Platform::MessageIcon::Information);
        clickWithFile("CmdLoadImages", m_tree->path(QStringLiteral("missing.csv")));
        QCOMPARE(m_platform->messages.last().text, QStringLiteral("Can't access file!"));
        QCOMPARE(m_platform->messages.last().icon, Platform::MessageIcon::Critical);
        // Neither changes the list the user was working on.
        QCOMPARE(rows(), (QStringList{"A.JPG|||", "b.png|||x", "sub2/f.png|typed work||"}));
        QCOMPARE(ImageCount::value(), 3);
        QVERIFY(rowCommandsEnabled(true));
        // Saving into a folder that does not exist fails visibly.
        clickWithFile("CmdSaveImages", m_tree->path(QStringLiteral("no/such/folder/list.csv")));
        QCOMPARE(m_platform->messageTexts().mid(2),
                 QStringList(2, QStringLiteral("Can't access file!")));
    }
    void checksRowsByKeyAndInBulk()
    {
        searchTree(*m_tree);
        clickRow(1);
        QTest::keyClick(list(), Qt::Key_Space);
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Space);
        QCOMPARE(checks(), QStringLiteral("-xx-"));
        QTest::keyClick(list(), Qt::Key_Space);
        QCOMPARE(checks(), QStringLiteral("-x--"));
        click("CmdInvertSelection");
        QCOMPARE(checks(), QStringLiteral("x-xx"));
        click("CmdDeselectAll");
        QCOMPARE(checks(), QStringLiteral("----"));
        QVERIFY(m_form->LoadImages);
        QCOMPARE(list()->selectedIndex(), 2); // selection untouched by the bulk commands
        // The list's notifications: key releases with their shift state, and the
        // button pressed with the point in twips of the control.
        QSignalSpy clicks(list(), &ImageListView::itemClick);
        QSignalSpy keys(list(), &ImageListView::keyUp);
        QSignalSpy downs(list(), &ImageListView::mouseDown);
        QSignalSpy doubles(list(), &ImageListView::itemDblClick);
        QTest::keyClick(list(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(keys.size(), 2); // the shift key's own release follows
        QCOMPARE(keys.first().at(0).toInt(), int(Qt::Key_Up));
        QCOMPARE(keys.first().at(1).toInt(), int(ImageListView::ShiftMask));
        const QPoint at = list()->cellRect(3, 1).center();
        QTest::mouseClick(list()->viewport(), Qt::RightButton, Qt::AltModifier, at);
        QCOMPARE(downs.size(), 1);
        QCOMPARE(downs.last().at(0).toInt(), int(ImageListView::RightButton));
        QCOMPARE(downs.last().at(1).toInt(), int(ImageListView::AltMask));
        const QPoint inControl = list()->viewport()->mapTo(list(), at);
        QCOMPARE(downs.last().at(2).toDouble(), inControl.x() * 1440.0 / list()->logicalDpiX());
        QCOMPARE(downs.last().at(3).toDouble(), inControl.y() * 1440.0 / list()->logicalDpiY());
        QCOMPARE(list()->selectedIndex(), 3);          // selected before anyone hears of the press
        QCOMPARE(m_platform->shellRequests.size(), 1); // the right press edits the image
        QVERIFY(clicks.isEmpty());
        clickRow(2);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(downs.last().at(0).toInt(), int(ImageListView::LeftButton));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(doubles.size(), 1);
    }
    void savesAndLoadsThroughTheDialog()
    {
        searchTree(*m_tree);
        list()->setSubItem(0, 1, QStringLiteral("Hello"));
        list()->setSubItem(0, 2, QStringLiteral("Hola"));
        list()->setChecked(0, true);
        list()->setChecked(2, true);
        const QString path = m_tree->path(QStringLiteral("out/list.csv"));
        QVERIFY(QDir().mkpath(m_tree->path(QStringLiteral("out"))));
        clickWithFile("CmdSaveImages", path);
        const Platform::FileDialogRequest save = m_platform->fileDialogs.last();
        QCOMPARE(save.mode, Platform::FileDialogRequest::Mode::Save);
        QCOMPARE(save.title + u'|' + save.filter + u'|' + QString::number(save.flags),
                 QStringLiteral("Specify a CSV file...|CSV Delimited files (*.csv)|*.csv|2"));
        const QByteArray expected = "A.JPG;Hello;Hola;\r\n" +
                                    QDir::toNativeSeparators(QStringLiteral("sub/c.gif")).toUtf8() +
                                    ";;;\r\n";
        QCOMPARE(readWholeFile(path), expected);
        // Cancelling leaves the file as it is.
        list()->setChecked(1, true);
        m_platform->cancelNextFile();
        click("CmdSaveImages");
        QCOMPARE(readWholeFile(path), expected);
        // Load offers the path chosen last and rebuilds the list from the file, unchecked.
        clickWithFile("CmdLoadImages", path);
        const Platform::FileDialogRequest load = m_platform->fileDialogs.last();
        QCOMPARE(load.mode, Platform::FileDialogRequest::Mode::Open);
        QCOMPARE(load.title, QStringLiteral("Select a CSV file..."));
        QCOMPARE(load.fileName, path);
        QCOMPARE(rows(), (QStringList{"A.JPG|Hello|Hola|", "sub/c.gif|||"}));
        QCOMPARE(ImageCount::value(), 2);
        QVERIFY(rowCommandsEnabled(true)); // load leaves the buttons alone
        // Save right after a load writes an empty file; Select All visits the loaded rows.
        clickWithFile("CmdSaveImages", path);
        QCOMPARE(readWholeFile(path), QByteArray());
        click("CmdSelectAll");
        QCOMPARE(checks(), QStringLiteral("xx"));
        m_platform->cancelNextFile();
        click("CmdLoadImages");
        QCOMPARE(list()->itemCount(), 2);
        QVERIFY(m_platform->messages.isEmpty());
    }
    void failedWriteKeepsEarlierFiles()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit to make writes fail");
#else
        searchTree(*m_tree);
        for (int row = 0; row < list()->itemCount(); ++row) {
            list()->setSubItem(row, 1, QString(400, QLatin1Char('s')));
            list()->setChecked(row, true);
        }
        const QString listPath = m_tree->path(QStringLiteral("out/list.csv"));
        const QString pagePath = m_tree->path(QStringLiteral("out/page.htm"));
        QVERIFY(m_tree->writeFile(QStringLiteral("out/list.csv"), "earlier list\r\n"));
        QVERIFY(m_tree->writeFile(QStringLiteral("out/page.htm"), "earlier page"));
        // A disk that fills up part-way: writes past 600 bytes fail with EFBIG.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        rlimit low = old;
        low.rlim_cur = 600;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &low) == 0);
        clickWithFile("CmdSaveImages", listPath);
        clickWithFile("CmdExportHTML", pagePath);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(m_platform->messageTexts(), QStringList(2, QStringLiteral("Can't access file!")));
        QCOMPARE(m_platform->messages.last().title, QStringLiteral("Warning"));
        QCOMPARE(readWholeFile(listPath), QByteArray("earlier list\r\n"));
        QCOMPARE(readWholeFile(pagePath), QByteArray("earlier page"));
        QCOMPARE(QDir(m_tree->path(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("list.csv"), QStringLiteral("page.htm")}));
#endif
    }
    void asksBeforeDroppingUnsavedWork()
    {
        searchTree(*m_tree);
        list()->setSubItem(1, 2, QStringLiteral("typed"));
        QVERIFY(m_tree->writeFile(QStringLiteral("new.png"), "x"));
        // Cancel: the search does not run.
        m_platform->answerNextQuestion(QStringLiteral("Cancel"));
        click("CmdSearchImages");
        QCOMPARE(m_platform->questions.last().text,
                 QStringLiteral("Save changes to the image list?"));
        QCOMPARE(m_platform->questions.last().buttons,
                 (QStringList{QStringLiteral("Save"), QStringLiteral("Discard"),
                              QStringLiteral("Cancel")}));
        QCOMPARE(list()->subItem(1, 2), QStringLiteral("typed"));
        // Save, with a row that holds a text but is unchecked: asked to check it,
        // the file is written first, then the search runs.
        const QString path = m_tree->path(QStringLiteral("list.csv"));
        m_platform->answerNextQuestion(QStringLiteral("Save"));
        m_platform->answerNextQuestion(QStringLiteral("Check them and save"));
        clickWithFile("CmdSearchImages", path);
        QCOMPARE(m_platform->questions.last().text,
                 QStringLiteral("1 unchecked row holds a text. Only checked rows are written."));
        QCOMPARE(readWholeFile(path), list()->itemText(1).toUtf8() + ";;typed;\r\n");
        QCOMPARE(list()->itemCount(), 5);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Vemarill - untitled *"));
        // Saved and clean: no question; Load names the file in the title.
        m_platform->answerNextQuestion(QStringLiteral("Discard"));
        clickWithFile("CmdLoadImages", path);
        QCOMPARE(list()->itemCount(), 1);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Vemarill - list.csv *"));
        click("CmdSelectAll");
        m_platform->answerNextFile(path);
        const qsizetype asked = m_platform->questions.size();
        click("CmdSaveImages");
        click("CmdSearchImages");
        QCOMPARE(m_platform->questions.size(), asked);
        // Ctrl+Z undoes Select All, Ctrl+Shift+Z brings it back.
        click("CmdSelectAll");
        click("CmdInvertSelection");
        QVERIFY(!list()->isChecked(0));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(list()->isChecked(0));
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!list()->isChecked(0));
        // Closing with unsaved changes asks too; Cancel keeps the window.
        m_platform->answerNextQuestion(QStringLiteral("Cancel"));
        QVERIFY(!m_form->close());
    }
    void unfinishedSearchChangesNothing_data()
    {
        QTest::addColumn<bool>("browse");
        QTest::addColumn<bool>("cancel"); // else the folder goes before it can be read
        QTest::newRow("search cancelled") << false << true;
        QTest::newRow("browse cancelled") << true << true;
        QTest::newRow("search, folder unreadable") << false << false;
        QTest::newRow("browse, folder unreadable") << true << false;
    }
    void unfinishedSearchChangesNothing()
    {
        QFETCH(bool, browse);
        QFETCH(bool, cancel);
        searchTree(*m_tree);
        list()->setChecked(1, true);
        TempTree other;
        QVERIFY(other.writeFile(QStringLiteral("new.png"), "x"));
        duringSearch([&](int) {
            if (cancel) {
                auto* progress =
                    m_form->findChild<QProgressDialog*>(QStringLiteral("SearchProgress"));
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            } else {
                QDir(other.root()).removeRecursively();
            }
            return true;
        });
        QString typed = other.root();
        typed.chop(1);
        if (browse) {
            m_platform->answerNextFolder(typed);
            click("CmdBrowse");
        } else {
            m_form->textFolder()->setText(typed);
            click("CmdSearchImages");
        }
        QVERIFY(!m_midSearch->isActive());
        // The rows, count, buttons and root text stay in step: a typed root stays as typed.
        QCOMPARE(m_form->textFolder()->text(), browse ? m_tree->root() : typed);
        QCOMPARE(rows().join(u' '),
                 QStringLiteral("A.JPG||| b.png|||x sub/c.gif||| sub/deeper/d.bmp|||"));
        QCOMPARE(ImageCount::value(), 4);
        QVERIFY(rowCommandsEnabled(true));
        QCOMPARE(m_platform->messageTexts(),
                 cancel ? QStringList()
                        : QStringList{QStringLiteral("This folder could not be read:\n") +
                                      other.root()});
    }
    void gridKeepsHugeAndOldListTextsWhole()
    {
        // An older Windows-1252 list, with a cell longer than any line edit's default.
        const QByteArray huge(200000, 'w');
        QVERIFY(m_tree->writeFile(QStringLiteral("old.csv"),
                                  "caf\xe9.png;" + huge + ";\x80;\r\nb.png;;;\r\n"));
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        clickWithFile("CmdLoadImages", m_tree->path(QStringLiteral("old.csv")));
        QCOMPARE(
            m_platform->messageTexts(),
            QStringList{QStringLiteral("The file was not UTF-8 and was read as Windows-1252.")});
        // The cell shows its start only; the editor and the row hold it whole.
        const QModelIndex cell = list()->imageListModel()->index(0, 1);
        QVERIFY(cell.data(Qt::DisplayRole).toString().size() <= ImageListModel::kShownLimit + 1);
        QVERIFY(!list()->viewport()->grab().isNull());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, list()->cellRect(0, 1).center());
        QLineEdit* editor = m_form->subLV()->editor();
        QCOMPARE(editor->text().size(), huge.size());
        // A click on a scroll bar takes no focus, yet it ends the edit.
        editor->setText(QStringLiteral("short"));
        auto* bar = m_form->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());
        QVERIFY(!editor->isVisible());
        QCOMPARE(list()->subItem(0, 1), QStringLiteral("short"));
    }

private:
    ImageListView* list() const
    {
        return m_form->imageList();
    }
    QStringList rows() const
    {
        return rowTexts(list()->imageListModel()->rows());
    }
    // The check marks, "x" checked and "-" not, row by row.
    QString checks() const
    {
        QString marks;
        for (const QString& row : rows())
            marks += row.endsWith(u'x') ? u'x' : u'-';
        return marks;
    }
    QPushButton* button(const char* name) const
    {
        return m_form->findChild<QPushButton*>(QLatin1String(name));
    }
    void click(const char* name)
    {
        QTest::mouseClick(button(name), Qt::LeftButton);
    }
    void clickWithFile(const char* name, const QString& file)
    {
        m_platform->answerNextFile(file);
        click(name);
    }
    bool rowCommandsEnabled(bool expected) const
    {
        for (const char* name : kRowCommands) {
            if (button(name)->isEnabled() != expected) {
                qWarning("%s enabled state differs", name);
                return false;
            }
        }
        return true;
    }
    void clickRow(int row)
    {
        const QRect cell = list()->cellRect(row, 1);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void searchTree(const TempTree& tree)
    {
        QLineEdit* folder = m_form->textFolder();
        folder->clear();
        QTest::keyClicks(folder, tree.root());
        click("CmdSearchImages");
    }
    // Runs act(n) each time the progress window answers events while it is
    // shown, n counting from 1, until act returns true.
    void duringSearch(const std::function<bool(int)>& act)
    {
        SearchProgress::setDefaultDelay(0);
        m_midSearch = new QTimer;
        m_midSearch->setInterval(0);
        connect(m_midSearch, &QTimer::timeout, m_midSearch, [this, act, calls = 0]() mutable {
            auto* progress = m_form->findChild<QProgressDialog*>(QStringLiteral("SearchProgress"));
            if (progress && progress->isVisible() && act(++calls))
                m_midSearch->stop();
        });
        m_midSearch->start();
    }
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<TempTree> m_tree;
    QTimer* m_midSearch = nullptr;
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
