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
#include <QTest>

// The editable grid as the main window sets it up: a translator double-clicks
// a cell of the found images, types, and the rows follow.
class TestGridInForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { ImageCount::set(0); }
    void boundAtStartUp();
    void editsAndSplitsFoundImages();
};

void TestGridInForm::boundAtStartUp()
{
    FakePlatform platform;
    Form1 form;
    cSubclassListView* grid = form.subLV();
    QVERIFY(grid);
    QCOMPARE(grid->listView(), form.imageList());
    auto* editor = form.findChild<QLineEdit*>(QStringLiteral("txtEdit0"));
    QVERIFY(editor);
    QCOMPARE(grid->editor(), editor);
    QCOMPARE(editor->parentWidget()->objectName(), QStringLiteral("Frame2"));
    QVERIFY(editor->isHidden());
    QCOMPARE(grid->containerWindow() != grid->formWindow(), true);
    QVERIFY(platform.messages.isEmpty());

    // Image1 holds the header skin at its design place, under the frames and
    // out of sight, and start-up hands the skin to the grid.
    auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(image);
    QCOMPARE(image->pixmap().size(), QSize(81, 20));
    QCOMPARE(image->geometry(), Platform::twipsRect(3960, 720, 1215, 300));
    QVERIFY(image->isHidden());
    const QObjectList children = form.children();
    QVERIFY(children.indexOf(image) < children.indexOf(form.findChild<QWidget*>(u"Frame1"_qs)));
    QCOMPARE(grid->SkinPicture().size(), QSize(81, 20));
    QCOMPARE(grid->skinHeight(), 20);
    QCOMPARE(grid->sliceWidth(), 9);
    QVERIFY(QFontMetrics(form.imageList()->header()->font()).height() <= 16);
}

void TestGridInForm::editsAndSplitsFoundImages()
{
    FakePlatform platform;
    TempTree tree;
    for (const char* file : {"a.png", "b.png", "ui/btn.png", "ui/menu.gif"})
        QVERIFY(tree.writeFile(QString::fromUtf8(file), "x"));
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(form.textFolder(), tree.root());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CmdSearchImages")),
                      Qt::LeftButton);
    ImageListView* list = form.imageList();
    QCOMPARE(list->itemCount(), 4);
    QCOMPARE(ImageCount::value(), 4);
    const QString name = list->itemText(2);

    const auto cellCentre = [list](int row, int column) {
        return list->visualRect(list->imageListModel()->index(row, column)).center();
    };
    QLineEdit* editor = form.subLV()->editor();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cellCentre(2, 1));
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());
    QTest::keyClicks(editor, QStringLiteral("red | blue"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(list->itemCount(), 5);
    QCOMPARE(ImageCount::value(), 5);
    QCOMPARE(list->subItem(2, 1), QStringLiteral("red"));
    QCOMPARE(list->itemText(3), name);
    QCOMPARE(list->subItem(3, 1), QStringLiteral("blue"));
    QVERIFY(list->isChecked(2) && list->isChecked(3));

    // Tab moves on and writes; the bulk commands see the new row.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cellCentre(3, 2));
    QTest::keyClicks(editor, QStringLiteral("azul"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(list->subItem(3, 2), QStringLiteral("azul"));
    QVERIFY(!editor->isVisible());
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CmdDeselectAll")),
                      Qt::LeftButton);
    for (int row = 0; row < list->itemCount(); ++row)
        QVERIFY(!list->isChecked(row));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestGridInForm)
#include "tst_gridinform.moc"
