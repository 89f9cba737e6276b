#include "ResizeCode.h"
#include "ScrollMath.h"

#include <QTest>

class TestPreviewMath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrollMaximum_data();
    void scrollMaximum();
    void pageStepIsAtLeastOne();
    void columnWidth_data();
    void columnWidth();
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

QTEST_GUILESS_MAIN(TestPreviewMath)
#include "tst_previewmath.moc"
