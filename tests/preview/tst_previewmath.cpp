#include "ResizeCode.h"
#include "ScrollMath.h"

#include <QTest>

class TestPreviewMath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrollMaximum_data();
    void scrollMaximum();
    void scrollOffsetMovesByUnits();
    void pageStepIsAtLeastOne();
    void columnWidth_data();
    void columnWidth();
    void scaledEntries();
};

void TestPreviewMath::scrollMaximum_data()
{
    QTest::addColumn<double>("picture");
    QTest::addColumn<double>("viewport");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("equal widths") << 10695.0 << 10695.0 << 0 << true;
    QTest::newRow("one twip narrower") << 10694.0 << 10695.0 << 0 << false;
    QTest::newRow("3000 wider") << 13695.0 << 10695.0 << 25 << true;
    QTest::newRow("300 wider: 2.5 to even") << 10995.0 << 10695.0 << 2 << true;
    QTest::newRow("420 wider: 3.5 to even") << 11115.0 << 10695.0 << 4 << true;
    QTest::newRow("180 wider: 1.5 to even") << 10875.0 << 10695.0 << 2 << true;
    QTest::newRow("smaller picture") << 4335.0 << 10695.0 << -53 << false;
    QTest::newRow("beyond 16 bits") << 5.0e6 << 10695.0 << 32767 << true;
    QTest::newRow("below 16 bits") << 0.0 << 5.0e6 << -32768 << false;
}

void TestPreviewMath::scrollMaximum()
{
    QFETCH(double, picture);
    QFETCH(double, viewport);
    QFETCH(int, maximum);
    QFETCH(bool, enabled);
    QCOMPARE(ScrollMath::ScrollMaximum(picture, viewport), maximum);
    QCOMPARE(ScrollMath::ScrollEnabled(picture, viewport), enabled);
}

void TestPreviewMath::scrollOffsetMovesByUnits()
{
    QCOMPARE(ScrollMath::ScrollOffset(0), 0.0);
    QCOMPARE(ScrollMath::ScrollOffset(1), -120.0);
    // The maximum of a picture 3000 twips wider puts its right edge on the viewport's.
    QCOMPARE(ScrollMath::ScrollOffset(25), -3000.0);
    QCOMPARE(ScrollMath::ScrollOffset(32767), -3932040.0);
}

void TestPreviewMath::pageStepIsAtLeastOne()
{
    QCOMPARE(ScrollMath::PageStep(3255), 27);
    QCOMPARE(ScrollMath::PageStep(10695), 89);
    QCOMPARE(ScrollMath::PageStep(30), 1);
    QCOMPARE(ScrollMath::PageStep(0), 1);
}

void TestPreviewMath::columnWidth_data()
{
    QTest::addColumn<double>("listWidth");
    QTest::addColumn<int>("column");

    QTest::newRow("design size") << 10815.0 << 3455;
    QTest::newRow("twice as wide") << 21630.0 << 7060;
    QTest::newRow("3451.5 to even") << 10804.5 << 3452;
    QTest::newRow("3452.5 to even") << 10807.5 << 3452;
    QTest::newRow("exactly 450") << 450.0 << 0;
    QTest::newRow("narrower than 450") << 300.0 << 0;
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("beyond 16 bits") << 1.0e6 << 32767;
}

void TestPreviewMath::columnWidth()
{
    QFETCH(double, listWidth);
    QFETCH(int, column);
    QCOMPARE(ResizeCode::ColumnWidth(listWidth), column);
}

void TestPreviewMath::scaledEntries()
{
    const ResizeCode::LayoutEntry frame2{120, 960, 11055, 3735};
    const ResizeCode::LayoutEntry hScroll{240, 8040, 10815, 255};

    // Twice the width: Left and Width double, Top and Height stay.
    const auto wide = ResizeCode::Scaled(frame2, 22590.0f / 11295.0f, 1.0f);
    QCOMPARE(wide.Left, 240.0f);
    QCOMPARE(wide.Top, 960.0f);
    QCOMPARE(wide.Width, 22110.0f);
    QCOMPARE(wide.Height, 3735.0f);

    // Half the height: Top and Height halve; the bar becomes 127.5 thick.
    const auto low = ResizeCode::Scaled(hScroll, 1.0f, 4755.0f / 9510.0f);
    QCOMPARE(low.Left, 240.0f);
    QCOMPARE(low.Top, 4020.0f);
    QCOMPARE(low.Width, 10815.0f);
    QCOMPARE(low.Height, 127.5f);

    // Back to the design size from the same record: nothing accumulates.
    QVERIFY(ResizeCode::Scaled(hScroll, 1.0f, 1.0f) == hScroll);
}

QTEST_GUILESS_MAIN(TestPreviewMath)
#include "tst_previewmath.moc"
