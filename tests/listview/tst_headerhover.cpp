#include "SkinnedGrid.h"
#include "Timers.h"
#include "ToolTipWindow.h"

#include <QPointer>

namespace {
// The pixel where the hit test of a press on the cell lands.
QPoint cellPoint(const SkinnedGrid& grid, int row, int column)
{
    const QModelIndex index = grid.list->imageListModel()->index(row, column);
    return grid.list->visualRect(index).center();
}

QList<ToolTipWindow*> toolTips(const SkinnedGrid& grid)
{
    return grid.list->findChildren<ToolTipWindow*>();
}

// The mouse rests in the list, on a cell that it has pressed: what a client
// showing a tooltip over the list finds.
void restOnCell(const SkinnedGrid& grid, int row, int column)
{
    const QPoint at = cellPoint(grid, row, column);
    QTest::mouseMove(grid.list->viewport(), at);
    QTest::mouseClick(grid.list->viewport(), Qt::LeftButton, {}, at);
}

std::uintptr_t hoverTimerId(const cSubclassListView* object)
{
    return reinterpret_cast<std::uintptr_t>(object) + 1;
}
} // namespace

// Hot tracking of the header ends when the mouse leaves it; tooltips over the
// list come and go through the object.
class TestHeaderHover : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hoverEndsWhenTheMouseLeaves();
    void hoverEndsADrag();
    void toolTipNeedsABoundList();
    void toolTipShowsAtTheLastHitPoint();
    void toolTipTakesTheArguments();
    void toolTipRemoval();
};

void TestHeaderHover::hoverEndsWhenTheMouseLeaves()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    const QImage normal = grid.look();
    restOnCell(grid, 1, 1);
    grid.object->SowToolTipText(QString(), QStringLiteral("A tip"));
    QPointer<ToolTipWindow> tip = grid.object->toolTipWindow();
    QVERIFY(tip);

    QTest::mouseMove(grid.headerWindow(), grid.inColumn(1));
    QCOMPARE(grid.object->hotColumn(), 1);
    QVERIFY(grid.object->isHoverTimerRunning());
    // While the mouse rests on the header, the ticks change nothing.
    QTest::qWait(60);
    QVERIFY(grid.object->isHoverTimerRunning());
    QCOMPARE(grid.object->hotColumn(), 1);
    QVERIFY(tip);
    QVERIFY(grid.look() != normal);

    // Onto the rows: the next ticks end hot tracking, the timer and the tooltip.
    QTest::mouseMove(grid.list->viewport(), cellPoint(grid, 3, 1));
    QTRY_VERIFY_WITH_TIMEOUT(!grid.object->isHoverTimerRunning(), 5000);
    QCOMPARE(grid.object->hotColumn(), -1);
    QVERIFY(!tip);
    QVERIFY(!grid.object->toolTipWindow());
    QVERIFY(!Platform::KillTimer(grid.object->headerWindow(), hoverTimerId(grid.object.get())));
    QCOMPARE(grid.look(), normal);

    // Back on the header it starts again; off the window altogether it ends again.
    QTest::mouseMove(grid.headerWindow(), grid.inColumn(2));
    QVERIFY(grid.object->isHoverTimerRunning());
    QCOMPARE(grid.object->hotColumn(), 2);
    QTest::mouseMove(&grid.form, QPoint(630, 350));
    QTRY_VERIFY_WITH_TIMEOUT(!grid.object->isHoverTimerRunning(), 5000);
    QCOMPARE(grid.object->hotColumn(), -1);
    QVERIFY(grid.platform.messages.isEmpty());
}

void TestHeaderHover::hoverEndsADrag()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    QTest::mouseMove(grid.headerWindow(), grid.inColumn(1));
    QTest::mousePress(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(1));
    QTest::mouseMove(grid.headerWindow(), grid.inColumn(1) + QPoint(2, 0));
    QVERIFY(grid.object->isHeaderDragged());
    // The button still down, the cursor off the header.
    QCursor::setPos(grid.list->viewport()->mapToGlobal(cellPoint(grid, 2, 2)));
    QTRY_VERIFY_WITH_TIMEOUT(!grid.object->isHoverTimerRunning(), 5000);
    QVERIFY(!grid.object->isHeaderDragged());
    QCOMPARE(grid.object->hotColumn(), -1);
    QVERIFY(grid.object->isHeaderPressed());
    QTest::mouseRelease(grid.headerWindow(), Qt::LeftButton, {}, grid.inColumn(1));
    QVERIFY(!grid.object->isHeaderPressed());
}

void TestHeaderHover::toolTipNeedsABoundList()
{
    QCursor::setPos(2000, 2000);
    cSubclassListView object;
    QCOMPARE(object.toolTipSettings().VisibleTime, 5000);
    QCOMPARE(object.toolTipSettings().DelayTime, 0);
    QVERIFY(!object.SowToolTipText(QStringLiteral("Title"), QStringLiteral("Text"), 1, 1));
    QVERIFY(!object.toolTipWindow());
    QVERIFY(object.toolTipSettings().Title.isEmpty());
    QCOMPARE(QCursor::pos(), QPoint(2000, 2000));
    object.Destroy();
}

void TestHeaderHover::toolTipShowsAtTheLastHitPoint()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    const QPoint hit = cellPoint(grid, 2, 1);
    restOnCell(grid, 2, 1);
    QCOMPARE(grid.object->hitRow(), 2);
    // The mouse has moved on since the press.
    QTest::mouseMove(grid.list->viewport(), cellPoint(grid, 4, 2));
    QVERIFY(!grid.object->SowToolTipText(QStringLiteral("Row"), QStringLiteral("Source of row 3")));
    QCOMPARE(QCursor::pos(), grid.list->viewport()->mapToGlobal(hit));
    ToolTipWindow* tip = grid.object->toolTipWindow();
    QVERIFY(tip);
    QCOMPARE(tip->tool(), grid.list);
    // The mouse rests on the list: with no initial delay the tip comes up there.
    QTRY_VERIFY(tip->isVisible());
    QVERIFY(tip->geometry().top() >= grid.list->viewport()->mapToGlobal(hit).y());
    QCOMPARE(grid.object->toolTipWindow(), tip);
}

void TestHeaderHover::toolTipTakesTheArguments()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    restOnCell(grid, 0, 1);
    // Left-out arguments: no title line, black text on the default background,
    // a rectangle that stays 5 s.
    grid.object->SowToolTipText(QString(), QStringLiteral("Tip"));
    ToolTipWindow* tip = grid.object->toolTipWindow();
    QVERIFY(!tip->isBalloon());
    QVERIFY(!tip->hasTitle());
    QCOMPARE(tip->textColor(), QColor(Qt::black));
    QVERIFY(!tip->hasOwnBackground());
    QCOMPARE(tip->visibleTime(), 5000);
    QCOMPARE(tip->delayTime(), 0);
    // An icon alone makes an empty title with that icon.
    grid.object->SowToolTipText(QString(), QStringLiteral("Tip"), 1);
    QVERIFY(grid.object->toolTipWindow()->hasTitle());
    QCOMPARE(grid.object->toolTipWindow()->titleIcon(), ToolTipWindow::IconInformation);

    grid.object->SowToolTipText(QStringLiteral("T"), QStringLiteral("Tip"), 3, 1, true,
                                QColor(Qt::darkBlue), QColor(Qt::yellow), 1500, 40);
    tip = grid.object->toolTipWindow();
    QVERIFY(tip->isBalloon());
    QCOMPARE(tip->titleIcon(), ToolTipWindow::IconError);
    QCOMPARE(tip->textColor(), QColor(Qt::darkBlue));
    QCOMPARE(tip->backgroundColor(), QColor(Qt::yellow));
    QCOMPARE(tip->visibleTime(), 1500);
    QCOMPARE(tip->delayTime(), 40);
    // The last call's arguments are the object's settings.
    const ToolTipOptions& settings = grid.object->toolTipSettings();
    QCOMPARE(settings.Title, QStringLiteral("T"));
    QCOMPARE(settings.Style, 1);
    QCOMPARE(settings.DelayTime, 40);
    // Centred: the tip points at the middle of the list's bottom edge.
    QTRY_VERIFY(tip->isVisible());
    QCOMPARE(tip->anchor(),
             QPoint(grid.list->mapToGlobal(QPoint(0, 0)).x() + grid.list->width() / 2,
                    grid.list->mapToGlobal(QPoint(0, grid.list->height())).y()));
}

void TestHeaderHover::toolTipRemoval()
{
    SkinnedGrid grid;
    QVERIFY(grid.ok);
    // Destroy with nothing to remove, and twice in a row, is harmless.
    grid.object->Destroy();
    restOnCell(grid, 1, 1);
    grid.object->SowToolTipText(QString(), QStringLiteral("Tip"));
    QVERIFY(grid.object->toolTipWindow());
    grid.object->Destroy();
    grid.object->Destroy();
    QVERIFY(!grid.object->toolTipWindow());
    QVERIFY(toolTips(grid).isEmpty());

    // A second call leaves one window, the second.
    grid.object->SowToolTipText(QStringLiteral("First"), QStringLiteral("One"));
    QPointer<ToolTipWindow> first = grid.object->toolTipWindow();
    grid.object->SowToolTipText(QStringLiteral("Second"), QStringLiteral("Two"));
    QVERIFY(!first);
    QCOMPARE(toolTips(grid), QList<ToolTipWindow*>{grid.object->toolTipWindow()});
    QCOMPARE(grid.object->toolTipWindow()->options().Title, QStringLiteral("Second"));

    // A press on the list removes it.
    grid.object->SowToolTipText(QString(), QStringLiteral("Tip"));
    QVERIFY(grid.object->toolTipWindow());
    QTest::mouseClick(grid.list->viewport(), Qt::LeftButton, {}, cellPoint(grid, 0, 1));
    QVERIFY(!grid.object->toolTipWindow());

    // So does releasing the object.
    grid.object->SowToolTipText(QString(), QStringLiteral("Tip"));
    QPointer<ToolTipWindow> tip = grid.object->toolTipWindow();
    QVERIFY(tip);
    grid.object.reset();
    QVERIFY(!tip);
    QVERIFY(toolTips(grid).isEmpty());
    QVERIFY(grid.platform.messages.isEmpty());
}

QTEST_MAIN(TestHeaderHover)
#include "tst_headerhover.moc"
