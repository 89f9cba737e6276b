#include "EditorGeometry.h"
#include "EntrySplit.h"

#include <QTest>

using EditorGeometry::ListPlacement;
using EditorGeometry::Placement;

Q_DECLARE_METATYPE(EditorGeometry::Placement)

namespace {
// A list at 120, 240 twips in its container, 10815 twips wide, with a 2-pixel border.
const ListPlacement kList{120, 240, 10815, 2, 2};
} // namespace

class TestEditorLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placement_data();
    void placement();
    void placementFollowsTwipsPerPixel();
    void split_data();
    void split();
};

void TestEditorLogic::placement_data()
{
    QTest::addColumn<QRect>("label");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("scrollBar");
    QTest::addColumn<Placement>("expected");

    // Client area starts at 150, 270 twips; its right edge is at 10905.
    QTest::newRow("text cell: one pixel narrower, exactly over it")
        << QRect(100, 40, 80, 18) << 1 << 0 << Placement{1650, 870, 1185, 270};
    QTest::newRow("Name: from the client edge over the check box, same right edge")
        << QRect(20, 40, 80, 18) << 0 << 0 << Placement{150, 870, 1485, 270};
    QTest::newRow("scrolled out on the left: two pixels inside, same right edge")
        << QRect(-30, 40, 100, 18) << 1 << 0 << Placement{180, 870, 1005, 270};
    QTest::newRow("Name scrolled out on the left")
        << QRect(-50, 40, 100, 18) << 0 << 0 << Placement{180, 870, 705, 270};
    QTest::newRow("under the vertical scroll bar: ends where the bar begins")
        << QRect(650, 40, 100, 18) << 2 << 17 << Placement{9900, 870, 750, 270};
    QTest::newRow("past the right edge: ends at the client area's right edge")
        << QRect(650, 40, 100, 18) << 2 << 0 << Placement{9900, 870, 1005, 270};
    QTest::newRow("ending exactly at the scroll bar is not clipped")
        << QRect(600, 0, 101, 18) << 1 << 17 << Placement{9150, 270, 1500, 270};
    QTest::newRow("scrolled out on both sides")
        << QRect(-10, 100, 800, 18) << 1 << 17 << Placement{180, 1770, 10470, 270};
    QTest::newRow("wholly under the scroll bar gives no width")
        << QRect(710, 40, 100, 18) << 1 << 17 << Placement{10800, 870, 0, 270};
}

void TestEditorLogic::placement()
{
    QFETCH(QRect, label);
    QFETCH(int, column);
    QFETCH(int, scrollBar);
    QFETCH(Placement, expected);
    const Placement got = EditorGeometry::place(kList, label, column, scrollBar, 15, 15);
    QCOMPARE(got.left, expected.left);
    QCOMPARE(got.top, expected.top);
    QCOMPARE(got.width, expected.width);
    QCOMPARE(got.height, expected.height);
}

void TestEditorLogic::placementFollowsTwipsPerPixel()
{
    // 144 DPI: 10 twips per pixel; a border of 1 pixel.
    const ListPlacement list{100, 200, 5000, 1, 1};
    const Placement got = EditorGeometry::place(list, QRect(10, 20, 30, 12), 1, 0, 10, 10);
    QCOMPARE(got, (Placement{210, 410, 290, 120}));
    // A rounded twips per pixel of 0 must not divide by zero.
    const Placement tiny = EditorGeometry::place(list, QRect(10, 20, 30, 12), 1, 0, 0, 0);
    QVERIFY(tiny.width >= 0);
}

void TestEditorLogic::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("splits");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("two parts") << "red | blue" << true << "red"
                               << "blue";
    QTest::newRow("only the first separator") << "a | b | c" << true << "a"
                                              << "b | c";
    QTest::newRow("nothing before") << " | b" << true << ""
                                    << "b";
    QTest::newRow("nothing after") << "a | " << true << "a"
                                   << "";
    QTest::newRow("no blanks") << "a|b" << false << ""
                               << "";
    QTest::newRow("bar without blanks first") << "x|y | z" << true << "x|y"
                                              << "z";
    QTest::newRow("extra blanks stay") << "a  |  b" << true << "a "
                                       << " b";
    QTest::newRow("not a separator: other bar") << QString::fromUtf8("a \xc7\x80 b") << false << ""
                                                << "";
}

void TestEditorLogic::split()
{
    QFETCH(QString, text);
    QFETCH(bool, splits);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const auto parts = EntrySplit::split(text);
    QCOMPARE(parts.has_value(), splits);
    if (parts) {
        QCOMPARE(parts->before, before);
        QCOMPARE(parts->after, after);
    }
}

QTEST_APPLESS_MAIN(TestEditorLogic)
#include "tst_editorlogic.moc"
