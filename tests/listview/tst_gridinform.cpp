#include "FakePlatform.h"
#include "Form1.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "TempTree.h"
#include "Twips.h"
#include "cSubclassListView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// The editable grid as the main window sets it up: a translator double-clicks
// a cell of the found images, types, and the rows follow.
class TestGridInForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boundAtStartUpAndEditsFoundImages();
    void keepsHugeAndOldListTextsWhole();
};

void TestGridInForm::boundAtStartUpAndEditsFoundImages()
{
    FakePlatform platform;
    TempTree tree;
    for (const char* file : {"a.png", "b.png", "ui/btn.png", "ui/menu.gif"})
        QVERIFY(tree.writeFile(QString::fromUtf8(file), "x"));
    Form1 form;
    cSubclassListView* grid = form.subLV();
    QVERIFY(grid);
    QCOMPARE(grid->listView(), form.imageList());
    QCOMPARE(grid->editorName(), u"txtEdit0"_qs);
    QCOMPARE(grid->editor()->parentWidget()->objectName(), u"Frame2"_qs);
    QVERIFY(grid->editor()->isHidden());
    QVERIFY(platform.messages.isEmpty());

    // Image1 holds the header skin at its design place, under the frames and
    // out of sight, and start-up hands the skin to the grid.
    auto* image = form.findChild<QLabel*>(u"Image1"_qs);
    QVERIFY(image);
    QCOMPARE(image->geometry(), Platform::twipsRect(3960, 720, 1215, 300));
    QVERIFY(image->isHidden());
    const QObjectList children = form.children();
    QVERIFY(children.indexOf(image) < children.indexOf(form.findChild<QWidget*>(u"Frame1"_qs)));
    QCOMPARE(grid->SkinPicture().size(), QSize(81, 20));
    QVERIFY(QFontMetrics(form.imageList()->header()->font()).height() <= 16);

    // A translator double-clicks a cell of the found images and splits it.
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(form.textFolder(), tree.root());
    QTest::mouseClick(form.findChild<QPushButton*>(u"CmdSearchImages"_qs), Qt::LeftButton);
    ImageListView* list = form.imageList();
    QCOMPARE(list->itemCount(), 4);
    QCOMPARE(ImageCount::value(), 4);
    const QString name = list->itemText(2);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->cellRect(2, 1).center());
    QVERIFY(grid->editor()->hasFocus());
    QTest::keyClicks(grid->editor(), u"red | blue"_qs);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(list->itemCount(), 5);
    QCOMPARE(ImageCount::value(), 5);
    QCOMPARE(list->subItem(2, 1), u"red"_qs);
    QCOMPARE(list->itemText(3), name);
    QCOMPARE(list->subItem(3, 1), u"blue"_qs);
    QVERIFY(list->isChecked(2) && list->isChecked(3));
    QVERIFY(!grid->editor()->isVisible());
    QVERIFY(platform.messages.isEmpty());
}

void TestGridInForm::keepsHugeAndOldListTextsWhole()
{
    FakePlatform platform;
    TempTree tree;
    // An older Windows-1252 list, with a cell longer than any line edit's default.
    const QByteArray huge(200000, 'w');
    QVERIFY(tree.writeFile(u"old.csv"_qs, "caf\xe9.png;" + huge + ";\x80;\r\nb.png;;;\r\n"));
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    platform.answerNextFile(tree.path(u"old.csv"_qs));
    QTest::mouseClick(form.findChild<QPushButton*>(u"CmdLoadImages"_qs), Qt::LeftButton);
    QCOMPARE(platform.messageTexts(),
             QStringList{u"The file was not UTF-8 and was read as Windows-1252."_qs});
    ImageListView* list = form.imageList();
    QCOMPARE(list->itemText(0), u"caf\u00e9.png"_qs);
    QCOMPARE(list->subItem(0, 2), u"\u20ac"_qs);

    // The cell shows its start only; the editor and the row hold it whole.
    const QModelIndex cell = list->imageListModel()->index(0, 1);
    QVERIFY(cell.data(Qt::DisplayRole).toString().size() <= ImageListModel::kShownLimit + 1);
    QVERIFY(!list->viewport()->grab().isNull());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->cellRect(0, 1).center());
    cSubclassListView* grid = form.subLV();
    QCOMPARE(grid->editor()->text().size(), huge.size());

    // A click on a scroll bar takes no focus, yet it ends the edit.
    grid->editor()->setText(u"short"_qs);
    auto* bar = form.findChild<QScrollBar*>(u"VScroll1"_qs);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());
    QVERIFY(!grid->editor()->isVisible());
    QCOMPARE(list->subItem(0, 1), u"short"_qs);
}

QTEST_MAIN(TestGridInForm)
#include "tst_gridinform.moc"
