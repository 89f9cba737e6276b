#include "HeaderLayout.h"

#include <QApplication>
#include <QTest>

using HeaderLayout::ItemPositions;
using HeaderLayout::Placement;

Q_DECLARE_METATYPE(HeaderLayout::ItemPositions)
Q_DECLARE_METATYPE(HeaderLayout::Placement)

namespace {
QFont measuringFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    return font;
}
} // namespace

class TestHeaderLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitText();
    void placement_data();
    void placement();
    void positions_data();
    void positions();
    void iconFits();
    void himetric();
    void skinGeometry();
    void fonts();
};

void TestHeaderLayout::fitText()
{
    const QFontMetrics fm(measuringFont());
    const QString title = QStringLiteral("Source Text");
    const int whole = fm.horizontalAdvance(title);
    const int dots = fm.horizontalAdvance(QStringLiteral("..."));

    QCOMPARE(HeaderLayout::FitTextToWidth(fm, title, whole), title);
    QCOMPARE(HeaderLayout::FitTextToWidth(fm, title, whole + 40), title);

    // One pixel narrower: the longest prefix that leaves room for "...".
    const QString cut = HeaderLayout::FitTextToWidth(fm, title, whole - 1);
    QVERIFY(cut.endsWith(QStringLiteral("...")));
    const QString prefix = cut.chopped(3);
    QVERIFY(title.startsWith(prefix));
    QVERIFY(!prefix.isEmpty());
    QVERIFY(fm.horizontalAdvance(prefix) <= whole - 1 - dots);
    QVERIFY(fm.horizontalAdvance(title.left(prefix.size() + 1)) > whole - 1 - dots);

    // One character and "..." fit exactly; a pixel less leaves nothing.
    const int one = fm.horizontalAdvance(QStringLiteral("S"));
    QCOMPARE(HeaderLayout::FitTextToWidth(fm, title, one + dots), QStringLiteral("S..."));
    QCOMPARE(HeaderLayout::FitTextToWidth(fm, title, one + dots - 1), QString());
    QCOMPARE(HeaderLayout::FitTextToWidth(fm, title, -18), QString());
    QCOMPARE(HeaderLayout::FitTextToWidth(fm, QString(), -18), QString());

    // A character outside the basic plane is dropped whole.
    const QString emoji = QStringLiteral("ab\U0001F600\U0001F600\U0001F600\U0001F600");
    const QString emojiCut =
        HeaderLayout::FitTextToWidth(fm, emoji, fm.horizontalAdvance(emoji) - 1);
    QVERIFY(!emojiCut.chopped(3).isEmpty());
    QVERIFY(!emojiCut.chopped(3).back().isHighSurrogate());
}

void TestHeaderLayout::placement_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<Placement>("previous");
    QTest::addColumn<Placement>("expected");
    const Placement none{false, 0};
    const Placement earlier{true, 3};
    QTest::newRow("0") << 0 << earlier << none;
    QTest::newRow("text left") << 0x4000 << none << Placement{false, 4};
    QTest::newRow("text right") << 0x4001 << none << Placement{false, 6};
    QTest::newRow("text centre") << 0x4002 << none << Placement{false, 5};
    QTest::newRow("image left") << 0x4800 << none << Placement{true, 1};
    QTest::newRow("image right") << 0x4801 << none << Placement{true, 3};
    QTest::newRow("image centre") << 0x4802 << none << Placement{true, 2};
    QTest::newRow("unknown keeps the previous") << 0x0800 << earlier << earlier;
    QTest::newRow("unknown first column") << 0x4003 << none << none;
}

void TestHeaderLayout::placement()
{
    QFETCH(int, format);
    QFETCH(Placement, previous);
    QFETCH(Placement, expected);
    QCOMPARE(HeaderLayout::placementOf(format, previous), expected);
}

void TestHeaderLayout::positions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("iconRight");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<ItemPositions>("expected");
    // Item 100..300, bottom 20, icon 16 x 16.
    const QSize t(50, 15);
    for (const bool right : {false, true}) {
        const char* side = right ? "icon right" : "icon left";
        QTest::addRow("0 %s", side) << 0 << right << t << ItemPositions{109, 2, 0, 2};
        QTest::addRow("4 %s", side) << 4 << right << t << ItemPositions{109, 2, 0, 2};
        QTest::addRow("5 %s", side) << 5 << right << t << ItemPositions{175, 2, 0, 2};
        QTest::addRow("6 %s", side) << 6 << right << t << ItemPositions{241, 2, 0, 2};
    }
    QTest::newRow("1 icon left") << 1 << false << t << ItemPositions{134, 2, 109, 2};
    QTest::newRow("1 icon right") << 1 << true << t << ItemPositions{109, 2, 159, 2};
    QTest::newRow("2 icon left") << 2 << false << t << ItemPositions{182, 2, 157, 2};
    QTest::newRow("2 icon right") << 2 << true << t << ItemPositions{166, 2, 216, 2};
    QTest::newRow("3 icon left") << 3 << false << t << ItemPositions{241, 2, 216, 2};
    QTest::newRow("3 icon right") << 3 << true << t << ItemPositions{225, 2, 275, 2};
    // Halves go to the even neighbour: 174.5 -> 174, 173.5 -> 174, ty 3.5 -> 4.
    QTest::newRow("5 half down") << 5 << false << QSize(51, 15) << ItemPositions{174, 2, 0, 2};
    QTest::newRow("5 half up") << 5 << false << QSize(53, 15) << ItemPositions{174, 2, 0, 2};
    QTest::newRow("ty half up") << 4 << false << QSize(50, 13) << ItemPositions{109, 4, 0, 2};
    QTest::newRow("2 icon right halves")
        << 2 << true << QSize(51, 15) << ItemPositions{166, 2, 216, 2};
}

void TestHeaderLayout::positions()
{
    QFETCH(int, code);
    QFETCH(bool, iconRight);
    QFETCH(QSize, text);
    QFETCH(ItemPositions, expected);
    const ItemPositions got =
        HeaderLayout::itemPositions(code, iconRight, 100, 300, 20, text, QSize(16, 16));
    QCOMPARE(got.tx, expected.tx);
    QCOMPARE(got.ty, expected.ty);
    QCOMPARE(got.ix, expected.ix);
    QCOMPARE(got.iy, expected.iy);
}

void TestHeaderLayout::iconFits()
{
    // An icon needs five pixels of room more than its width, and may not start left of the item.
    QVERIFY(HeaderLayout::iconFits(100, 121, 16, 100));
    QVERIFY(!HeaderLayout::iconFits(100, 120, 16, 100));
    QVERIFY(!HeaderLayout::iconFits(100, 300, 16, 99));
    // Item bottom 20, text 15 high: ty = nearest(2.5) = 2.
    QCOMPARE(HeaderLayout::itemPositions(4, false, 0, 80, 20, QSize(30, 15), QSize()).ty, 2);
}

void TestHeaderLayout::himetric()
{
    QCOMPARE(HeaderLayout::convertHimetricAt(2540, true, 96), 96);
    QCOMPARE(HeaderLayout::convertHimetricAt(96, false, 96), 2540);
    QCOMPARE(HeaderLayout::convertHimetricAt(20, false, 96), 529);
    QCOMPARE(HeaderLayout::convertHimetricAt(529, true, 96), 20);
    QCOMPARE(HeaderLayout::convertHimetricAt(2143, true, 96), 81);
    // At 127 DPI, 50 HiMetric are 2.5 pixels and 70 are 3.5.
    QCOMPARE(HeaderLayout::convertHimetricAt(50, true, 127), 2);
    QCOMPARE(HeaderLayout::convertHimetricAt(70, true, 127), 4);
    QCOMPARE(HeaderLayout::convertHimetricAt(2540, true, 0), 0);
    const int dpi = HeaderLayout::displayDpi(true);
    QVERIFY(dpi > 0);
    QCOMPARE(HeaderLayout::ConvertHimetric(2540, true, true), dpi);
}

void TestHeaderLayout::skinGeometry()
{
    QCOMPARE(HeaderLayout::sliceWidthOf(81), 9);
    QCOMPARE(HeaderLayout::sliceWidthOf(22), 2);
    QCOMPARE(HeaderLayout::sliceWidthOf(0), 0);
    QPixmap skin(81, 20);
    skin.fill(Qt::gray);
    const HeaderLayout::SkinGeometry geometry = HeaderLayout::skinGeometry(skin);
    QCOMPARE(geometry.width, 81);
    QCOMPARE(geometry.height, 20);
    QCOMPARE(geometry.sliceWidth, 9);
    const HeaderLayout::SkinGeometry none = HeaderLayout::skinGeometry(QPixmap());
    QCOMPARE(none.width, 0);
    QCOMPARE(none.sliceWidth, 0);
}

void TestHeaderLayout::fonts()
{
    const QFont normal = HeaderLayout::titleFont(false);
    QCOMPARE(normal.weight(), QFont::Normal);
    QVERIFY(QFontMetrics(normal).height() <= 14);
    QVERIFY(QFontMetrics(normal).height() >= 10);

    const QFont bold = HeaderLayout::titleFont(true);
    QCOMPARE(bold.weight(), QFont::Bold);
    QCOMPARE(bold.family(), QApplication::font().family());

    // Positive heights are cells to stay within, negative ones character heights.
    const QFont header = HeaderLayout::headerFont(20);
    QVERIFY(QFontMetrics(header).height() <= 16);
    QVERIFY(QFontMetrics(header).height() > QFontMetrics(normal).height());
    QCOMPARE(HeaderLayout::fontOfLogicalHeight(normal, -12, 0).pixelSize(), 12);
    QCOMPARE(HeaderLayout::fontOfLogicalHeight(normal, -12, 700).weight(), QFont::Bold);
    const QFont kept = HeaderLayout::fontOfLogicalHeight(bold, 0, 0);
    QCOMPARE(kept.pointSizeF(), bold.pointSizeF());
    QCOMPARE(kept.weight(), QFont::Normal);
}

QTEST_MAIN(TestHeaderLayout)
#include "tst_headerlayout.moc"
