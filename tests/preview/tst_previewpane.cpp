#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListView.h"
#include "PreviewPane.h"
#include "PreviewPicture.h"
#include "ResizeCode.h"
#include "Rounding.h"
#include "ScrollMath.h"
#include "TempTree.h"
#include "Twips.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

const QColor kTreeColour(40, 120, 200); // what TempTree paints its images with

// Two 1 x 1 frames, red then blue.
QByteArray animatedGif()
{
    QByteArray gif("GIF89a");
    gif += QByteArray::fromHex("01000100800000"); // 1 x 1, two-colour global table
    gif += QByteArray::fromHex("ff00000000ff");   // red, blue
    gif += QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("0301000000");
    const QByteArray frameHead = QByteArray::fromHex("21f904000a0000002c00000000010001000002");
    gif += frameHead + QByteArray::fromHex("02440100"); // index 0
    gif += frameHead + QByteArray::fromHex("024c0100"); // index 1
    gif += ";";
    return gif;
}

// A bitmap header that claims 20000 x 20000 pixels of 32 bits, with no pixels.
QByteArray hugeBitmapHeader()
{
    QByteArray bmp("BM");
    auto le32 = [&bmp](quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp += char((v >> (8 * i)) & 0xff);
    };
    auto le16 = [&bmp](quint16 v) {
        bmp += char(v & 0xff);
        bmp += char(v >> 8);
    };
    le32(54);
    le32(0);
    le32(54);
    le32(40);
    le32(20000);
    le32(20000);
    le16(1);
    le16(32);
    for (int i = 0; i < 6; ++i)
        le32(0);
    return bmp;
}

} // namespace

class TestPreviewPane : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void controlsAtDesignGeometry();
    void clickShowsImageWithScrollBars();
    void sameRowKeepsPanOtherRowResetsIt();
    void failedLoadsKeepThePreviousPicture();
    void keyReleaseShowsImage();
    void nothingShownBeforeTheFirstSearch();
    void rightClickEditsFullPath();
    void resizeScalesAndRestores();

private:
    void search();
    int rowOf(const QString& name) const;
    void clickRow(const QString& name, Qt::MouseButton button = Qt::LeftButton);
    QColor shownColour() const;

    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<Form1> m_form;
    ImageListView* m_list = nullptr;
    PreviewPane* m_pane = nullptr;
    PreviewPicture* m_picture = nullptr;
    QScrollBar* m_h = nullptr;
    QScrollBar* m_v = nullptr;
};

void TestPreviewPane::init()
{
    m_tree = std::make_unique<TempTree>();
    QVERIFY(m_tree->writeImage(QStringLiteral("a.png"), QSize(1200, 600)));
    QVERIFY(m_tree->writeImage(QStringLiteral("b.png"), QSize(200, 100)));
    QVERIFY(m_tree->writeFile(QStringLiteral("anim.gif"), animatedGif()));
    QVERIFY(m_tree->writeFile(QStringLiteral("bad.png"), "not a picture at all"));
    QVERIFY(m_tree->writeFile(QStringLiteral("huge.bmp"), hugeBitmapHeader()));
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_list = m_form->imageList();
    m_pane = m_form->previewPane();
    m_picture = m_pane->picture2();
    m_h = m_pane->hScroll1();
    m_v = m_pane->vScroll1();
    // Images exactly as large as the viewport, and one pixel narrower.
    const QSize viewport = m_pane->picContenedor()->contentsRect().size();
    QVERIFY(m_tree->writeImage(QStringLiteral("exact.png"), viewport));
    QVERIFY(m_tree->writeImage(QStringLiteral("narrow.png"), viewport - QSize(1, 0)));
}

void TestPreviewPane::cleanup()
{
    m_form.reset();
    m_platform.reset();
    m_tree.reset();
}

void TestPreviewPane::search()
{
    m_form->textFolder()->setText(m_tree->root());
    QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("CmdSearchImages")),
                      Qt::LeftButton);
    QCOMPARE(m_list->itemCount(), 7);
    QVERIFY(m_form->LoadImages);
}

int TestPreviewPane::rowOf(const QString& name) const
{
    for (int i = 0; i < m_list->itemCount(); ++i) {
        if (m_list->itemText(i) == name)
            return i;
    }
    return -1;
}

void TestPreviewPane::clickRow(const QString& name, Qt::MouseButton button)
{
    const int row = rowOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    const QModelIndex index = m_list->imageListModel()->index(row, 1);
    m_list->scrollTo(index);
    QTest::mouseClick(m_list->viewport(), button, {}, m_list->visualRect(index).center());
}

// The colour on screen at the viewport's top-left corner, as the frame paints it.
QColor TestPreviewPane::shownColour() const
{
    const QImage shot = m_pane->frame3()->grab().toImage();
    const QPoint corner = m_pane->picContenedor()->geometry().topLeft() + QPoint(1, 1);
    return shot.pixelColor(corner * shot.devicePixelRatio());
}

void TestPreviewPane::controlsAtDesignGeometry()
{
    QCOMPARE(m_form->size(), Platform::twipsRect(0, 0, 11295, 9510).size());
    QVERIFY(m_form->maximumSize().width() > m_form->width()); // resizable
    QCOMPARE(m_pane->frame3()->parentWidget(), m_form.get());
    QCOMPARE(m_pane->frame3()->geometry(), Platform::twipsRect(240, 5040, 10695, 3015));
    QCOMPARE(m_pane->picContenedor()->geometry(), Platform::twipsRect(0, 360, 10695, 3255));
    QCOMPARE(m_h->geometry(), Platform::twipsRect(240, 8040, 10815, 255));
    QCOMPARE(m_v->geometry(), Platform::twipsRect(10805, 5040, 255, 2985));
    QCOMPARE(m_picture->parentWidget(), m_pane->frame3());
    QVERIFY(m_picture->isHidden());
    QVERIFY(!m_h->isEnabled());
    QVERIFY(!m_v->isEnabled());
}

void TestPreviewPane::clickShowsImageWithScrollBars()
{
    search();
    const double viewWidth = Platform::pixelsToTwipsX(m_pane->picContenedor()->width());
    const double viewHeight = Platform::pixelsToTwipsY(m_pane->picContenedor()->height());
    QCOMPARE(viewWidth, Platform::pixelsToTwipsX(Platform::twipsToPixelsX(10695)));

    clickRow(QStringLiteral("a.png"));
    QVERIFY(m_picture->isVisible());
    QCOMPARE(m_picture->size(), QSize(1200, 600));
    QCOMPARE(m_picture->pos(), QPoint(0, 0));
    QCOMPARE(shownColour(), kTreeColour);
    QCOMPARE(m_form->PreviousImagePath, QStringLiteral("a.png"));
    QCOMPARE(m_h->maximum(),
             Platform::roundHalfEven((Platform::pixelsToTwipsX(1200) - viewWidth) / 120));
    QCOMPARE(m_v->maximum(),
             Platform::roundHalfEven((Platform::pixelsToTwipsY(600) - viewHeight) / 120));
    QCOMPARE(m_h->minimum(), 0);
    QVERIFY(m_h->isEnabled());
    QVERIFY(m_v->isEnabled());

    // A real click on the right arrow pans one unit, 120 twips.
    QTest::mouseClick(m_h, Qt::LeftButton, {}, QPoint(m_h->width() - 3, m_h->height() / 2));
    QCOMPARE(m_h->value(), 1);
    QCOMPARE(m_picture->x(), Platform::twipsToPixelsX(-120));
    m_v->setValue(m_v->maximum());
    QCOMPARE(m_picture->y(), Platform::twipsToPixelsY(-120.0 * m_v->maximum()));
    QCOMPARE(m_picture->x(), Platform::twipsToPixelsX(-120));

    // Smaller than the viewport: both bars off, the picture at the corner.
    clickRow(QStringLiteral("b.png"));
    QCOMPARE(m_picture->size(), QSize(200, 100));
    QCOMPARE(m_picture->pos(), QPoint(0, 0));
    QVERIFY(!m_h->isEnabled());
    QVERIFY(!m_v->isEnabled());
    QCOMPARE(m_h->value(), 0);
    QCOMPARE(m_h->minimum(),
             Platform::roundHalfEven((Platform::pixelsToTwipsX(200) - viewWidth) / 120));

    // Exactly the viewport's size keeps the bars on with maximum 0; a pixel less turns one off.
    clickRow(QStringLiteral("exact.png"));
    QVERIFY(m_h->isEnabled());
    QVERIFY(m_v->isEnabled());
    QCOMPARE(m_h->maximum(), 0);
    QCOMPARE(m_v->maximum(), 0);
    clickRow(QStringLiteral("narrow.png"));
    QVERIFY(!m_h->isEnabled());
    QVERIFY(m_v->isEnabled());

    // An animated picture shows its first frame.
    clickRow(QStringLiteral("anim.gif"));
    QCOMPARE(m_picture->size(), QSize(1, 1));
    QCOMPARE(m_picture->picture().pixelColor(0, 0), QColor(Qt::red));
}

void TestPreviewPane::sameRowKeepsPanOtherRowResetsIt()
{
    search();
    clickRow(QStringLiteral("a.png"));
    m_h->setValue(5);
    m_v->setValue(2);
    const QPoint panned(Platform::twipsToPixelsX(-600), Platform::twipsToPixelsY(-240));
    QCOMPARE(m_picture->pos(), panned);

    clickRow(QStringLiteral("a.png"));
    QCOMPARE(m_picture->pos(), panned);
    QCOMPARE(m_h->value(), 5);
    QCOMPARE(m_v->value(), 2);

    clickRow(QStringLiteral("b.png"));
    clickRow(QStringLiteral("a.png"));
    QCOMPARE(m_picture->pos(), QPoint(0, 0));
    QCOMPARE(m_h->value(), 0);
    QCOMPARE(m_v->value(), 0);
}

void TestPreviewPane::failedLoadsKeepThePreviousPicture()
{
    search();
    clickRow(QStringLiteral("a.png"));
    m_h->setValue(3);
    QVERIFY(QFile::remove(m_tree->path(QStringLiteral("b.png"))));

    for (const QString& name :
         {QStringLiteral("b.png"), QStringLiteral("bad.png"), QStringLiteral("huge.bmp")}) {
        clickRow(QStringLiteral("a.png"));
        m_h->setValue(3);
        clickRow(name);
        QCOMPARE(m_picture->size(), QSize(1200, 600));
        QCOMPARE(shownColour(), kTreeColour);
        // A new Name still resets the pan and becomes the previous one.
        QCOMPARE(m_picture->pos(), QPoint(0, 0));
        QCOMPARE(m_h->value(), 0);
        QVERIFY(m_h->isEnabled());
        QCOMPARE(m_form->PreviousImagePath, name);
    }

    // The root folder text is used exactly as written: no separator is added.
    QString root = m_tree->root();
    root.chop(1);
    m_form->textFolder()->setText(root);
    clickRow(QStringLiteral("b.png"));
    clickRow(QStringLiteral("anim.gif"));
    QCOMPARE(m_picture->size(), QSize(1200, 600));
}

void TestPreviewPane::keyReleaseShowsImage()
{
    search();
    clickRow(QStringLiteral("a.png"));
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_Down);
    QCOMPARE(m_form->PreviousImagePath, m_list->itemText(rowOf(QStringLiteral("a.png")) + 1));
    QTest::keyClick(m_list, Qt::Key_Up);
    QCOMPARE(m_form->PreviousImagePath, QStringLiteral("a.png"));
    QCOMPARE(m_picture->size(), QSize(1200, 600));
    // Any key release shows the selection again, the pan kept.
    m_h->setValue(4);
    QTest::keyClick(m_list, Qt::Key_Shift);
    QCOMPARE(m_h->value(), 4);
}

void TestPreviewPane::nothingShownBeforeTheFirstSearch()
{
    QVERIFY(m_tree->writeFile(QStringLiteral("list.txt"), "a.png;;;\r\nb.png;x;y;\r\n"));
    m_platform->answerNextFile(m_tree->path(QStringLiteral("list.txt")));
    QTest::mouseClick(m_form->findChild<QPushButton*>(QStringLiteral("CmdLoadImages")),
                      Qt::LeftButton);
    QCOMPARE(m_list->itemCount(), 2);
    m_form->textFolder()->setText(m_tree->root());

    clickRow(QStringLiteral("a.png"));
    QTest::keyClick(m_list, Qt::Key_Down);
    QVERIFY(m_picture->isHidden());
    QVERIFY(m_form->PreviousImagePath.isEmpty());
    QVERIFY(!m_h->isEnabled());

    // The edit does not depend on the preview switch.
    clickRow(QStringLiteral("b.png"), Qt::RightButton);
    QCOMPARE(m_platform->shellRequests.size(), 1);
    QCOMPARE(m_platform->shellRequests.first().target, m_tree->root() + QStringLiteral("b.png"));
}

void TestPreviewPane::rightClickEditsFullPath()
{
    search();
    // Nothing selected yet: a right click below the rows does nothing.
    QTest::mouseClick(m_list->viewport(), Qt::RightButton, {},
                      QPoint(10, m_list->viewport()->height() - 3));
    QVERIFY(m_platform->shellRequests.isEmpty());

    clickRow(QStringLiteral("b.png"));
    QVERIFY(m_platform->shellRequests.isEmpty());

    // Left held while the right goes down: button code 3, nothing.
    const QModelIndex index = m_list->imageListModel()->index(rowOf(QStringLiteral("b.png")), 1);
    const QPoint at = m_list->visualRect(index).center();
    QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(m_list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(m_list->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(m_platform->shellRequests.isEmpty());

    clickRow(QStringLiteral("a.png"), Qt::RightButton);
    QCOMPARE(m_platform->shellRequests.size(), 1);
    const Platform::ShellRequest request = m_platform->shellRequests.first();
    QCOMPARE(request.verb, QStringLiteral("Edit"));
    QCOMPARE(request.target, m_tree->path(QStringLiteral("a.png")));
    QCOMPARE(request.owner, m_form.get());
}

void TestPreviewPane::resizeScalesAndRestores()
{
    search();
    clickRow(QStringLiteral("a.png"));
    const QList<QWidget*> controls = ResizeCode::Controls(*m_form);
    QVERIFY(controls.size() >= 20);
    QList<QRect> design;
    for (QWidget* control : controls)
        design.append(control->geometry());
    auto* frame2 = m_form->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    auto* frame4 = m_form->findChild<QGroupBox*>(QStringLiteral("Frame4"));
    QCOMPARE(m_list->columnWidth(0), Platform::twipsToPixelsX(3455));
    m_h->setValue(7);
    m_v->setValue(3);

    const QSize size = m_form->size();
    m_form->resize(size.width() * 2, size.height());
    QTRY_COMPARE(m_form->width(), size.width() * 2);
    QCOMPARE(frame2->geometry(), Platform::twipsRect(240, 960, 22110, 3735));
    QCOMPARE(m_list->geometry(), Platform::twipsRect(240, 240, 21630, 2775));
    for (int column = 0; column < 3; ++column)
        QCOMPARE(m_list->columnWidth(column), Platform::twipsToPixelsX(7060));
    QCOMPARE(m_v->x(), Platform::twipsToPixelsX(Platform::pixelsToTwipsX(frame4->width()) - 250));
    QCOMPARE(m_v->width(), m_h->height());
    // The picture keeps its natural size and goes back to the corner with the bars.
    QCOMPARE(m_picture->geometry(), QRect(0, 0, 1200, 600));
    QCOMPARE(m_h->value(), 0);
    QCOMPARE(m_v->value(), 0);
    // The bars fit the wider viewport: the picture is now narrower than it.
    const double viewWidth = Platform::pixelsToTwipsX(m_pane->picContenedor()->width());
    QVERIFY(viewWidth > Platform::pixelsToTwipsX(1200));
    QVERIFY(!m_h->isEnabled());
    QCOMPARE(m_h->minimum(),
             Platform::roundHalfEven((Platform::pixelsToTwipsX(1200) - viewWidth) / 120));
    QVERIFY(m_v->isEnabled());

    m_form->resize(size.width(), size.height() / 2);
    QTRY_COMPARE(m_form->height(), size.height() / 2);
    QCOMPARE(frame2->geometry(), Platform::twipsRect(120, 480, 11055, 1867.5));
    QCOMPARE(m_h->height(), Platform::twipsToPixelsY(127.5));
    QCOMPARE(m_v->width(), m_h->height());

    m_form->resize(size);
    QTRY_COMPARE(m_form->size(), size);
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls.at(i)->geometry(), design.at(i));
    QCOMPARE(m_list->columnWidth(2), Platform::twipsToPixelsX(3455));
}

QTEST_MAIN(TestPreviewPane)
#include "tst_previewpane.moc"
