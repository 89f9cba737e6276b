#include "SkinnedGrid.h"

#include <QFontMetrics>
#include <QPixmap>
#include <functional>

namespace {
const QColor kNormalText(0, 0, 255);
const QColor kHotText(255, 0, 0);

bool isBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}
bool isRed(QRgb c)
{
    return qRed(c) > 200 && qBlue(c) < 80 && qGreen(c) < 80;
}
bool isGreen(QRgb c)
{
    return (c & 0xFFFFFF) == 0x00FF00u;
}

// The first header row that shows skin row `row`.
int rowOf(const QImage& header, int row)
{
    int y = 0;
    while (skinRow(header, y) < row)
        ++y;
    return y;
}

// Counts the header's paints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Normal look of a column: background in the middle, slice 2's separator at the right.
void verifyNormal(const QImage& image, int left, int right)
{
    const int top = rowOf(image, 2);
    QCOMPARE(rgbAt(image, left + 4, top), 0xEBEADBu);
    QCOMPARE(rgbAt(image, right - 20, top), 0xEBEADBu);
    QCOMPARE(rgbAt(image, right - 20, image.height() - 1), 0xCBC7B8u);
    QCOMPARE(rgbAt(image, right - 3, rowOf(image, 10)), 0xC7C5B2u);
    QCOMPARE(rgbAt(image, right - 2, rowOf(image, 10)), 0xFFFFFFu);
}
} // namespace

#define VERIFY_NORMAL(image, left, right)                                                          \
    do {                                                                                           \
        verifyNormal(image, left, right);                                                          \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// The skinned header on a real list in a real window, painted through the
// header's hook and read back as the header renders itself.
class TestSkinnedHeader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skinTakenIn();
    void normalLook();
    void hotPressedAndDragLooks();
    void changesRepaint();
    void boldAndNormalTitles();
    void fortyCharacterTitle();
    void iconsFromTheModel();
};

void TestSkinnedHeader::skinTakenIn()
{
    SkinnedGrid bare(false);
    QVERIFY(bare.ok);
    const QFont ownFont = bare.header()->font();
    QCOMPARE(bare.object->skinHeight(), 0);
    // Without a skin the header paints itself.
    const QImage own = bare.look();
    QVERIFY(rgbAt(own, bare.right(0) - 20, rowOf(own, 2)) != 0xEBEADBu);

    bare.object->setSkinPicture(QPixmap(QStringLiteral(":/vemarill/header_skin.bmp")));
    QCOMPARE(bare.object->skinWidth(), 81);
    QCOMPARE(bare.object->skinHeight(), 20);
    QCOMPARE(bare.object->sliceWidth(), 9);
    QCOMPARE(bare.object->SkinPicture().size(), QSize(81, 20));
    // The header font is skin height - 4 high.
    QVERIFY(bare.header()->font() != ownFont);
    QVERIFY(QFontMetrics(bare.header()->font()).height() <= 16);
    QVERIFY(QFontMetrics(bare.header()->font()).height() >= 12);
    const QImage skinned = bare.look();
    VERIFY_NORMAL(skinned, bare.left(0), bare.right(0));

    // A skin set before binding takes effect with the binding.
    cSubclassListView early;
    early.setSkinPicture(QPixmap(QStringLiteral(":/vemarill/header_skin.bmp")));
    QCOMPARE(early.skinHeight(), 20);
    bare.object.reset();
    bare.header()->setFont(ownFont);
    early.SubClassListView(bare.list);
    QVERIFY(QFontMetrics(bare.header()->font()).height() <= 16);
    QCOMPARE(bare.look(), skinned);
    QVERIFY(bare.platform.messages.isEmpty());
}

void TestSkinnedHeader::normalLook()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    grid.object->setTextNormalColor(kNormalText);
    const QImage image = grid.look();
    QCOMPARE(image.height(), grid.headerWindow()->height());
    // Every pixel is the skin's: the header's own painting does not show through.
    for (int column = 0; column < 3; ++column)
        VERIFY_NORMAL(image, grid.left(column), grid.right(column));
    // Titles in the normal colour, from x L + 9 on.
    grid.setTitle(1, {});
    const QRect ink = inkBetween(image, grid.look());
    QVERIFY(ink.left() >= grid.left(1) + 9 && ink.left() <= grid.left(1) + 11);
    QVERIFY(ink.right() < grid.right(1) - 9);
    QVERIFY(hasColour(image, ink, isBlue));
    QVERIFY(grid.platform.messages.isEmpty());
}

void TestSkinnedHeader::hotPressedAndDragLooks()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    grid.object->setTextNormalColor(kNormalText);
    grid.object->setTextResalteColor(kHotText);
    const QImage normal = grid.look();
    const int L = grid.left(1);
    const int R = grid.right(1);
    // Hot: the mouse over column 1.
    QTest::mouseMove(grid.headerWindow(), grid.inColumn(1));
    QTRY_COMPARE(grid.object->hotColumn(), 1);
    const QImage hot = grid.look();
    const int top = rowOf(hot, 2);
    const int bottom = hot.height() - 1;
    QCOMPARE(rgbAt(hot, L, top), 0xFAF8F3u);
    QCOMPARE(rgbAt(hot, L + 40, top), 0xFAF8F3u);
    QCOMPARE(rgbAt(hot, R - 20, bottom), 0xF8A900u);
    QCOMPARE(rgbAt(hot, R - 1, bottom), 0xF8A900u);
    VERIFY_NORMAL(hot, grid.left(0), grid.right(0));
    VERIFY_NORMAL(hot, grid.left(2), grid.right(2));
    grid.setTitle(1, {});
    const QRect hotInk = inkBetween(hot, grid.look());
    grid.setTitle(1, QStringLiteral("Source Text"));
    QVERIFY(!hotInk.isEmpty());
    QVERIFY(hasColour(hot, hotInk, isRed));

    // Pressed: the left button down on it.
    QTest::mousePress(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(1));
    QVERIFY(grid.object->isHeaderPressed());
    const QImage pressed = grid.look();
    QCOMPARE(rgbAt(pressed, L, top), 0xA5A597u);
    QCOMPARE(rgbAt(pressed, L + 1, top), 0xC1C2B8u);
    QCOMPARE(rgbAt(pressed, L + 40, top), 0xDEDFD8u);
    QCOMPARE(rgbAt(pressed, L + 40, bottom), 0xA5A597u);
    QCOMPARE(rgbAt(pressed, R - 1, top), 0xA5A597u);
    VERIFY_NORMAL(pressed, grid.left(0), grid.right(0));
    VERIFY_NORMAL(pressed, grid.left(2), grid.right(2));
    grid.setTitle(1, {});
    const QRect pressedInk = inkBetween(pressed, grid.look());
    grid.setTitle(1, QStringLiteral("Source Text"));
    // The title one pixel right and down, still in the highlight colour.
    QCOMPARE(pressedInk, hotInk.translated(1, 1));
    QVERIFY(hasColour(pressed, pressedInk, isRed));

    // Drag: the mouse moved with the button down. The hot column looks like the others.
    QTest::mouseMove(grid.headerWindow(), grid.inColumn(1) + QPoint(3, 0));
    QVERIFY(grid.object->isHeaderDragged());
    QCOMPARE(grid.look(), normal);

    // Released over the column: hot again.
    QTest::mouseRelease(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(1) + QPoint(3, 0));
    QVERIFY(!grid.object->isHeaderPressed());
    QVERIFY(!grid.object->isHeaderDragged());
    QCOMPARE(grid.look(), hot);
}

void TestSkinnedHeader::changesRepaint()
{
    // A header that repaints nothing itself on a press or a drag: the object
    // repaints it on every change of look, and on every property.
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    grid.header()->setSectionsMovable(false);
    grid.header()->setSectionsClickable(false);
    PaintCounter counter(grid.headerWindow());
    QTest::qWait(20);
    const auto repaintsAfter = [&](const std::function<void()>& change) {
        const int before = counter.paints;
        change();
        return QTest::qWaitFor([&] { return counter.paints > before; }, 2000);
    };
    QVERIFY(repaintsAfter([&] { QTest::mouseMove(grid.headerWindow(), grid.inColumn(0)); }));
    QVERIFY(repaintsAfter([&] { QTest::mouseMove(grid.headerWindow(), grid.inColumn(2)); }));
    QCOMPARE(grid.object->hotColumn(), 2);
    QVERIFY(repaintsAfter(
        [&] { QTest::mousePress(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(2)); }));
    QVERIFY(repaintsAfter(
        [&] { QTest::mouseMove(grid.headerWindow(), grid.inColumn(2) + QPoint(2, 0)); }));
    QVERIFY(grid.object->isHeaderDragged());
    QVERIFY(repaintsAfter([&] {
        QTest::mouseRelease(grid.headerWindow(), Qt::LeftButton, {},
                            grid.inColumn(2) + QPoint(2, 0));
    }));
    QVERIFY(repaintsAfter([&] { grid.object->setHedersFontBlod(true); }));
    QVERIFY(repaintsAfter([&] { grid.object->setIconAlingmentRight(true); }));
    QVERIFY(repaintsAfter([&] { grid.object->setTextNormalColor(kNormalText); }));
    QVERIFY(repaintsAfter([&] { grid.object->setTextResalteColor(kHotText); }));
}

void TestSkinnedHeader::boldAndNormalTitles()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    const QImage normal = grid.look();
    grid.object->setHedersFontBlod(true);
    const QImage bold = grid.look();
    for (int column = 0; column < 3; ++column)
        grid.setTitle(column, {});
    const QImage empty = grid.look();
    grid.object->setHedersFontBlod(false);
    QCOMPARE(grid.look(), empty);
    QVERIFY(bold != normal);
    QVERIFY(inkAmount(bold, empty) > inkAmount(normal, empty) * 5 / 4);
    // The 14-pixel normal titles stay inside the item.
    const QRect ink = inkBetween(normal, empty);
    QVERIFY(ink.top() >= 1);
    QVERIFY(ink.bottom() < normal.height() - 1);
}

void TestSkinnedHeader::fortyCharacterTitle()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    grid.list->setColumnWidth(0, 60);
    grid.list->setColumnWidth(1, 420);
    const QString forty = QStringLiteral("0123456789").repeated(4);
    grid.setTitle(1, forty);
    const QImage shown = grid.look();
    QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 1), forty.left(31));
    const HeaderItems::HeaderItemRecord& record = grid.object->headerItemRecord();
    QCOMPARE(record.mask, 190);
    QCOMPARE(record.cchTextMax, 32);
    QCOMPARE(record.fmt, 0x4000);
    // Painted with its first 31 characters, whole, without "...": as a
    // 31-character title is, and unlike a 30-character one.
    grid.setTitle(1, forty.left(31));
    QCOMPARE(grid.look(), shown);
    grid.setTitle(1, forty.left(30));
    QVERIFY(grid.look() != shown);
    grid.setTitle(1, {});
    const QRect ink = inkBetween(shown, grid.look());
    QVERIFY(ink.right() < grid.right(1) - 40);
    // Only this list's header answers.
    QCOMPARE(grid.object->GetListviewColumn(grid.object->listViewWindow(), 1), QString());
    QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 3), QString());
}

void TestSkinnedHeader::iconsFromTheModel()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    QPixmap green(16, 16);
    green.fill(Qt::green);
    grid.list->imageListModel()->setHeaderData(2, Qt::Horizontal, QIcon(green), Qt::DecorationRole);
    QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 2),
             QStringLiteral("Target Text"));
    QCOMPARE(grid.object->headerItemRecord().fmt, 0x4800);
    QCOMPARE(grid.object->headerItemRecord().iImage, 2);

    const auto firstGreen = [&](const QImage& image) {
        for (int x = grid.left(2); x < grid.right(2); ++x)
            if (isGreen(image.pixel(x, image.height() / 2)))
                return x;
        return -1;
    };
    // Left of the title, at L + 9; on its right with IconAlingmentRight.
    const QImage left = grid.look();
    QCOMPARE(firstGreen(left), grid.left(2) + 9);
    QVERIFY(!hasColour(left, QRect(0, 0, grid.right(1), left.height()), isGreen));
    grid.object->setIconAlingmentRight(true);
    QVERIFY(firstGreen(grid.look()) > grid.left(2) + 9 + 16);
}

QTEST_MAIN(TestSkinnedHeader)
#include "tst_skinnedheader.moc"
