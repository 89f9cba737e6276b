#include "GridTestSupport.h"
#include "Timers.h"
#include "ToolTipWindow.h"

#include <QFontMetrics>
#include <QPointer>
#include <functional>

namespace {
const QColor kNormalText(0, 0, 255);
const QColor kHotText(255, 0, 0);
const QString kSkin = u":/vemarill/header_skin.bmp"_qs;

const auto isBlue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80; };
const auto isRed = [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 80 && qGreen(c) < 80; };
const auto isGreen = [](QRgb c) { return (c & 0xFFFFFF) == 0x00FF00u; };

// The first header row that shows skin row `row`: every slice is stretched to the full height.
int rowOf(const QImage& header, int row)
{
    int y = 0;
    while (y * 20 / header.height() < row)
        ++y;
    return y;
}

// What differs from the normal look of a column (background in the middle,
// slice 2's separator at the right); empty when nothing does.
QString notNormal(const QImage& image, int left, int right)
{
    const int top = rowOf(image, 2);
    const int middle = rowOf(image, 10);
    const QList<std::pair<QPoint, QRgb>> expected{{{left + 4, top}, 0xEBEADBu},
                                                  {{right - 20, top}, 0xEBEADBu},
                                                  {{right - 20, image.height() - 1}, 0xCBC7B8u},
                                                  {{right - 3, middle}, 0xC7C5B2u},
                                                  {{right - 2, middle}, 0xFFFFFFu}};
    for (const auto& [at, colour] : expected)
        if (rgbAt(image, at.x(), at.y()) != colour)
            return u"%1,%2 is %3"_qs.arg(at.x()).arg(at.y()).arg(image.pixel(at), 0, 16);
    return {};
}

// The mouse rests in the list on a cell it has pressed, as for a client showing a tooltip.
void restOnCell(const Grid& grid, int row, int column)
{
    QTest::mouseMove(grid.list->viewport(), grid.cellPoint(row, column));
    grid.press(row, column);
}
} // namespace

// The skinned header on a real list in a real window, painted through the
// header's hook and read back as the header renders itself; hover tracking
// and tooltips through the object.
class TestSkinnedHeader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skinTakenIn()
    {
        Grid bare(5, true, false);
        QVERIFY(bare.ok);
        const QFont ownFont = bare.header()->font();
        // Without a skin the header paints itself.
        QVERIFY(!notNormal(bare.look(), bare.left(0), bare.right(0)).isEmpty());
        bare.object->setSkinPicture(QPixmap(kSkin));
        QCOMPARE((QList<int>{bare.object->skinWidth(), bare.object->skinHeight(),
                             bare.object->sliceWidth()}),
                 (QList<int>{81, 20, 9}));
        // The header font is skin height - 4 high.
        const int fontHeight = QFontMetrics(bare.header()->font()).height();
        QVERIFY(fontHeight <= 16 && fontHeight >= 12);
        const QImage skinned = bare.look();
        QCOMPARE(notNormal(skinned, bare.left(0), bare.right(0)), QString());
        // A skin set before binding takes effect with the binding.
        cSubclassListView early;
        early.setSkinPicture(QPixmap(kSkin));
        bare.object.reset();
        bare.header()->setFont(ownFont);
        early.SubClassListView(bare.list);
        QCOMPARE(bare.look(), skinned);
        QVERIFY(bare.platform.messages.isEmpty());
    }
    void looks()
    {
        Grid grid;
        QVERIFY(grid.ok);
        grid.object->setTextNormalColor(kNormalText);
        grid.object->setTextResalteColor(kHotText);
        const int L = grid.left(1);
        const int R = grid.right(1);
        // The title's ink: the look against the same look without the title.
        const auto titleInk = [&](const QImage& look) {
            grid.setTitle(1, {});
            const QRect ink = inkBetween(look, grid.look());
            grid.setTitle(1, u"Source Text"_qs);
            return ink;
        };
        // Normal: every pixel is the skin's, the header's own painting does not
        // show through; titles in the normal colour from L + 9 on.
        const QImage normal = grid.look();
        for (int column = 0; column < 3; ++column)
            QCOMPARE(notNormal(normal, grid.left(column), grid.right(column)), QString());
        const QRect normalInk = titleInk(normal);
        QVERIFY(normalInk.left() >= L + 9 && normalInk.left() <= L + 11);
        QVERIFY(normalInk.right() < R - 9);
        QVERIFY(hasColour(normal, normalInk, isBlue));
        // Hot: the mouse over column 1.
        QTest::mouseMove(grid.headerWindow(), grid.inColumn(1));
        QTRY_COMPARE(grid.object->hotColumn(), 1);
        const QImage hot = grid.look();
        QCOMPARE(notNormal(hot, grid.left(0), grid.right(0)), QString());
        QCOMPARE(notNormal(hot, grid.left(2), grid.right(2)), QString());
        const QRect hotInk = titleInk(hot);
        QVERIFY(hasColour(hot, hotInk, isRed));
        // Pressed: the left button down on it; the title one pixel right and down.
        QTest::mousePress(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(1));
        const QImage pressed = grid.look();
        QCOMPARE(notNormal(pressed, grid.left(2), grid.right(2)), QString());
        const QRect pressedInk = titleInk(pressed);
        QCOMPARE(pressedInk, hotInk.translated(1, 1));
        QVERIFY(hasColour(pressed, pressedInk, isRed));
        // Drag: moved with the button down, the column looks like the others.
        QTest::mouseMove(grid.headerWindow(), grid.inColumn(1) + QPoint(3, 0));
        QCOMPARE(grid.look(), normal);
        // Released over the column: hot again.
        QTest::mouseRelease(grid.headerWindow(), Qt::LeftButton, {},
                            grid.inColumn(1) + QPoint(3, 0));
        QCOMPARE(grid.look(), hot);
    }
    void changesRepaint()
    {
        // A header that repaints nothing itself on a press or a drag: the object
        // repaints it on every change of look, and on every property.
        Grid grid;
        QVERIFY(grid.ok);
        grid.header()->setSectionsMovable(false);
        grid.header()->setSectionsClickable(false);
        QTest::qWait(20);
        const auto repaintsAfter = [&](const std::function<void()>& change) {
            const int before = grid.object->headerPaints;
            change();
            return QTest::qWaitFor([&] { return grid.object->headerPaints > before; }, 2000);
        };
        QWidget* header = grid.headerWindow();
        const QPoint at = grid.inColumn(2);
        QVERIFY(repaintsAfter([&] { QTest::mouseMove(header, at); }));
        QVERIFY(repaintsAfter([&] { QTest::mousePress(header, Qt::LeftButton, {}, at); }));
        QVERIFY(repaintsAfter([&] { QTest::mouseMove(header, at + QPoint(2, 0)); }));
        QVERIFY(grid.object->isHeaderDragged());
        QVERIFY(repaintsAfter(
            [&] { QTest::mouseRelease(header, Qt::LeftButton, {}, at + QPoint(2, 0)); }));
        QVERIFY(repaintsAfter([&] { grid.object->setHedersFontBlod(true); }));
        QVERIFY(repaintsAfter([&] { grid.object->setIconAlingmentRight(true); }));
        QVERIFY(repaintsAfter([&] { grid.object->setTextNormalColor(kNormalText); }));
        QVERIFY(repaintsAfter([&] { grid.object->setTextResalteColor(kHotText); }));
    }
    void titles()
    {
        Grid grid;
        QVERIFY(grid.ok);
        // Bold titles run wider; the 14-pixel normal ones stay inside the item.
        const QImage normal = grid.look();
        grid.object->setHedersFontBlod(true);
        const QImage bold = grid.look();
        for (int column = 0; column < 3; ++column)
            grid.setTitle(column, {});
        const QImage empty = grid.look();
        const QRect ink = inkBetween(normal, empty);
        QVERIFY(inkBetween(bold, empty).width() > ink.width());
        QVERIFY(ink.top() >= 1 && ink.bottom() < normal.height() - 1);
        grid.object->setHedersFontBlod(false);
        // A 40-character title: the record holds, and the header shows, its first
        // 31 characters, whole, without "...": as a 31-character title, unlike a 30.
        grid.list->setColumnWidth(0, 60);
        grid.list->setColumnWidth(1, 420);
        const QString forty = u"0123456789"_qs.repeated(4);
        grid.setTitle(1, forty);
        const QImage shown = grid.look();
        QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 1), forty.left(31));
        const HeaderItems::HeaderItemRecord& record = grid.object->headerItemRecord();
        QCOMPARE((QList<int>{record.mask, record.cchTextMax, record.fmt}),
                 (QList<int>{190, 32, 0x4000}));
        grid.setTitle(1, forty.left(31));
        QCOMPARE(grid.look(), shown);
        grid.setTitle(1, forty.left(30));
        QVERIFY(grid.look() != shown);
        grid.setTitle(1, {});
        QVERIFY(inkBetween(shown, grid.look()).right() < grid.right(1) - 40);
        // Only this list's header answers, and only for its columns.
        QCOMPARE(grid.object->GetListviewColumn(grid.object->listViewWindow(), 1), QString());
        QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 3), QString());
    }
    void iconsFromTheModel()
    {
        Grid grid;
        QVERIFY(grid.ok);
        QPixmap green(16, 16);
        green.fill(Qt::green);
        grid.list->imageListModel()->setHeaderData(2, Qt::Horizontal, QIcon(green),
                                                   Qt::DecorationRole);
        const auto firstGreen = [&](const QImage& image) {
            for (int x = grid.left(2); x < grid.right(2); ++x)
                if (isGreen(image.pixel(x, image.height() / 2)))
                    return x;
            return -1;
        };
        // Left of the title at L + 9; on its right with IconAlingmentRight.
        QCOMPARE(firstGreen(grid.look()), grid.left(2) + 9);
        grid.object->setIconAlingmentRight(true);
        QVERIFY(firstGreen(grid.look()) > grid.left(2) + 9 + 16);
    }
    void hoverEndsWhenTheMouseLeaves()
    {
        Grid grid;
        QVERIFY(grid.ok);
        restOnCell(grid, 1, 1);
        grid.object->SowToolTipText(QString(), u"A tip"_qs);
        QPointer<ToolTipWindow> tip = grid.object->toolTipWindow();
        QVERIFY(tip);
        // While the mouse rests on the header, the ticks change nothing.
        QTest::mouseMove(grid.headerWindow(), grid.inColumn(1));
        QTest::qWait(60);
        QVERIFY(grid.object->isHoverTimerRunning());
        QCOMPARE(grid.object->hotColumn(), 1);
        QVERIFY(tip);
        // Onto the rows: the next ticks end hot tracking, the timer and the tooltip.
        QTest::mouseMove(grid.list->viewport(), grid.cellPoint(3, 1));
        QTRY_VERIFY_WITH_TIMEOUT(!grid.object->isHoverTimerRunning(), 5000);
        QCOMPARE(grid.object->hotColumn(), -1);
        QVERIFY(!tip);
        const auto timerId = reinterpret_cast<std::uintptr_t>(grid.object.get()) + 1;
        QVERIFY(!Platform::KillTimer(grid.object->headerWindow(), timerId));
        // A drag ends too, with the button still down and the cursor off the header.
        QTest::mouseMove(grid.headerWindow(), grid.inColumn(2));
        QVERIFY(grid.object->isHoverTimerRunning());
        QTest::mousePress(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(2));
        QTest::mouseMove(grid.headerWindow(), grid.inColumn(2) + QPoint(2, 0));
        QVERIFY(grid.object->isHeaderDragged());
        QCursor::setPos(grid.form.mapToGlobal(QPoint(630, 390)));
        QTRY_VERIFY_WITH_TIMEOUT(!grid.object->isHoverTimerRunning(), 5000);
        QVERIFY(!grid.object->isHeaderDragged());
        QVERIFY(grid.object->isHeaderPressed());
        QTest::mouseRelease(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(2));
        QVERIFY(grid.platform.messages.isEmpty());
    }
    void toolTips()
    {
        Grid grid;
        QVERIFY(grid.ok);
        const auto toolTipCount = [&] { return grid.list->findChildren<ToolTipWindow*>().size(); };
        restOnCell(grid, 2, 1);
        const QPoint hit = grid.list->viewport()->mapToGlobal(grid.cellPoint(2, 1));
        // The mouse has moved on since the press: it goes back to the last hit point.
        QTest::mouseMove(grid.list->viewport(), grid.cellPoint(4, 2));
        // Left-out arguments: a plain rectangle on the default background, at once, for 5 s.
        QVERIFY(!grid.object->SowToolTipText(QString(), u"Tip"_qs));
        QCOMPARE(QCursor::pos(), hit);
        QPointer<ToolTipWindow> tip = grid.object->toolTipWindow();
        QCOMPARE(tip->tool(), grid.list);
        QVERIFY(!tip->isBalloon() && !tip->hasTitle() && !tip->hasOwnBackground());
        QCOMPARE(std::pair(tip->visibleTime(), tip->delayTime()), std::pair(5000, 0));
        // Shown by the mouse resting there already: no move comes after the cursor's jump.
        QTRY_VERIFY(tip->isVisible());
        QVERIFY(tip->geometry().top() >= hit.y());
        // Every argument reaches the tip, which replaces the first.
        grid.object->SowToolTipText(u"T"_qs, u"Tip"_qs, 3, 1, true, QColor(Qt::darkBlue),
                                    QColor(Qt::yellow), 1500, 40);
        QVERIFY(!tip);
        tip = grid.object->toolTipWindow();
        QCOMPARE(tip->options().Title, u"T"_qs);
        QVERIFY(tip->isBalloon() && tip->options().Centered);
        QCOMPARE(tip->titleIcon(), ToolTipWindow::IconError);
        QCOMPARE(std::pair(tip->textColor(), tip->backgroundColor()),
                 std::pair(QColor(Qt::darkBlue), QColor(Qt::yellow)));
        QCOMPARE(std::pair(tip->visibleTime(), tip->delayTime()), std::pair(1500, 40));
        // Centred: the tip points at the middle of the list's bottom edge, wherever the mouse goes.
        const QPoint bottomCentre =
            grid.list->mapToGlobal(QPoint(grid.list->width() / 2, grid.list->height()));
        QTRY_VERIFY(tip->isVisible());
        QCOMPARE(tip->anchor(), bottomCentre);
        QVERIFY(qAbs(tip->geometry().center().x() - bottomCentre.x()) <= 1);
        QTest::mouseMove(grid.list->viewport(), grid.cellPoint(1, 1));
        QCOMPARE(tip->anchor(), bottomCentre);
        // Destroy twice in a row is harmless; a press on the list and releasing
        // the object remove the tip too.
        grid.object->Destroy();
        grid.object->Destroy();
        QVERIFY(!tip);
        QCOMPARE(toolTipCount(), 0);
        grid.object->SowToolTipText(QString(), u"Tip"_qs);
        grid.press(0, 1);
        QVERIFY(!grid.object->toolTipWindow());
        grid.object->SowToolTipText(QString(), u"Tip"_qs);
        QCOMPARE(toolTipCount(), 1);
        grid.object.reset();
        QCOMPARE(toolTipCount(), 0);
        QVERIFY(grid.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestSkinnedHeader)
#include "tst_skinnedheader.moc"
