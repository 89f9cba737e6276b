#include "GridTestSupport.h"
#include "HeaderItems.h"
#include "HeaderLayout.h"
#include "HeaderPainter.h"

#include <QStandardItemModel>

using HeaderLayout::ItemPositions;
using HeaderLayout::Placement;

Q_DECLARE_METATYPE(HeaderLayout::ItemPositions)

namespace {
const QSize kHeader(400, 20);

HeaderPainter painter()
{
    return HeaderPainter(QPixmap(u":/vemarill/header_skin.bmp"_qs), 9, 20);
}

QFont dejaVu(int pixels)
{
    QFont font(u"DejaVu Sans"_qs);
    font.setPixelSize(pixels);
    return font;
}

HeaderPaintState threeColumns(const QString& a, const QString& b, const QString& c)
{
    HeaderPaintState state;
    state.columns = {
        {0, 100, 20, a, 0x4000, 0}, {100, 220, 20, b, 0x4000, 0}, {220, 330, 20, c, 0x4000, 0}};
    state.measureFont = dejaVu(16);
    return state;
}

QPixmap solid(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}
} // namespace

// The header's arithmetic and painting without a window.
class TestHeaderLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void positions_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("iconRight");
        QTest::addColumn<QSize>("text");
        QTest::addColumn<ItemPositions>("expected");
        // Item 100..300, bottom 20, icon 16 x 16; ty = (20 - 15) / 2 = 2.5 -> 2.
        const auto row = [](const char* name, int format, bool iconRight, ItemPositions expected,
                            QSize text = QSize(50, 15)) {
            QTest::newRow(name) << format << iconRight << text << expected;
        };
        row("none", 0, false, {109, 2, 0, 2});
        row("text left", 0x4000, false, {109, 2, 0, 2});
        row("text centre", 0x4002, false, {175, 2, 0, 2});
        row("text right", 0x4001, false, {241, 2, 0, 2});
        row("text right, icon right", 0x4001, true, {241, 2, 0, 2});
        row("image left", 0x4800, false, {134, 2, 109, 2});
        row("image left, icon right", 0x4800, true, {109, 2, 159, 2});
        row("image centre", 0x4802, false, {182, 2, 157, 2});
        row("image centre, icon right", 0x4802, true, {166, 2, 216, 2});
        row("image right", 0x4801, false, {241, 2, 216, 2});
        row("image right, icon right", 0x4801, true, {225, 2, 275, 2});
        // Halves go to the even neighbour: 174.5 -> 174, 173.5 -> 174, ty 3.5 -> 4.
        row("half down", 0x4002, false, {174, 2, 0, 2}, QSize(51, 15));
        row("half up", 0x4002, false, {174, 2, 0, 2}, QSize(53, 15));
        row("ty half up", 0x4000, false, {109, 4, 0, 2}, QSize(50, 13));
    }
    void positions()
    {
        QFETCH(int, format);
        QFETCH(bool, iconRight);
        QFETCH(QSize, text);
        QFETCH(ItemPositions, expected);
        const Placement placement = HeaderLayout::placementOf(format, {});
        QCOMPARE(placement.hasImage, (format & 0x0800) != 0);
        QCOMPARE(HeaderLayout::itemPositions(placement.code, iconRight, 100, 300, 20, text,
                                             QSize(16, 16)),
                 expected);
    }
    void layoutEdges()
    {
        // A format outside the table keeps the previous column's placement; 0 has none.
        const Placement earlier{true, 3};
        QCOMPARE(HeaderLayout::placementOf(0x0800, earlier), earlier);
        QCOMPARE(HeaderLayout::placementOf(0, earlier), Placement());
        // An icon needs five pixels more than its width, and may not start left of the item.
        QVERIFY(HeaderLayout::iconFits(100, 121, 16, 100));
        QVERIFY(!HeaderLayout::iconFits(100, 120, 16, 100));
        QVERIFY(!HeaderLayout::iconFits(100, 300, 16, 99));
        // HiMetric with halves to even: at 127 DPI 50 are 2.5 pixels, 70 are 3.5.
        QCOMPARE(HeaderLayout::convertHimetricAt(50, true, 127), 2);
        QCOMPARE(HeaderLayout::convertHimetricAt(70, true, 127), 4);
        QCOMPARE(HeaderLayout::convertHimetricAt(2540, true, 0), 0);
        QCOMPARE(HeaderLayout::skinGeometry(QPixmap()).sliceWidth, 0);
        // Titles are cut by the font's own widths (the fuzz target checks the cutting).
        const QFontMetrics fm(dejaVu(14));
        const int sour = fm.horizontalAdvance(u"Sour"_qs) + fm.horizontalAdvance(u"..."_qs);
        QCOMPARE(HeaderLayout::FitTextToWidth(fm, u"Source Text"_qs, sour), u"Sour..."_qs);
        // The 14-pixel normal titles fit the skin.
        QVERIFY(QFontMetrics(HeaderLayout::titleFont(false)).height() <= 14);
    }
    void sliceSources()
    {
        // A skin whose every pixel tells where it came from: red = x, green = y * 10.
        QImage coded(81, 20, QImage::Format_RGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 81; ++x)
                coded.setPixel(x, y, qRgb(x, y * 10, 0));
        const HeaderPainter codedPainter(QPixmap::fromImage(coded), 9, 20);
        const auto source = [](int x, int y) { return qRgb(x, y * 10, 0) & 0xFFFFFFu; };
        // Background: from one pixel into slice 0, 9 wide, stretched to the full height.
        const QImage bare = codedPainter.render(QSize(400, 40), HeaderPaintState());
        QCOMPARE(rgbAt(bare, 0, 0), source(1, 0));
        QCOMPARE(rgbAt(bare, 399, 39), source(9, 19));
        HeaderPaintState state = threeColumns({}, {}, {});
        state.hotColumn = 1;
        const QImage hot = codedPainter.render(kHeader, state);
        QCOMPARE(rgbAt(hot, 0, 3), source(0, 3));   // normal: slices 0 .. 2
        QCOMPARE(rgbAt(hot, 99, 3), source(26, 3)); // hot: slices 3 .. 5
        QCOMPARE(rgbAt(hot, 100, 3), source(27, 3));
        QCOMPARE(rgbAt(hot, 109, 3), source(36, 3));
        QCOMPARE(rgbAt(hot, 210, 3), source(44, 3));
        QCOMPARE(rgbAt(hot, 211, 3), source(45, 3));
        state.pressed = true; // pressed: slices 6 .. 8
        state.columns[1].bottom = 40;
        const QImage pressed = codedPainter.render(QSize(400, 40), state);
        QCOMPARE(rgbAt(pressed, 100, 0), source(54, 0));
        QCOMPARE(rgbAt(pressed, 109, 39), source(63, 19));
        QCOMPARE(rgbAt(pressed, 219, 0), source(80, 0));
    }
    void edgesCoverLongTitles()
    {
        // Fitted in a tiny measuring font, drawn in the 14-pixel one: the title runs
        // past the column, and the edge slices still lie on top.
        HeaderPaintState state = threeColumns(u"A much longer title"_qs, u"B"_qs, u"C"_qs);
        state.columns[0].right = 60;
        state.columns[1].left = 60;
        state.measureFont = dejaVu(3);
        HeaderPaintState bare = state;
        bare.columns[0].title.clear();
        const QImage image = painter().render(kHeader, state);
        const QImage skin = painter().skin().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.copy(51, 0, 9, 20), skin.copy(18, 0, 9, 20));
        QCOMPARE(image.copy(60, 0, 9, 20), skin.copy(0, 0, 9, 20));
        QVERIFY(inkBetween(image, painter().render(kHeader, bare)).right() > 69);
        // Fitted in the drawing font's size, it is cut with "..." inside its column.
        state.measureFont = bare.measureFont = dejaVu(14);
        const QRect ink =
            inkBetween(painter().render(kHeader, state), painter().render(kHeader, bare));
        QVERIFY(!ink.isEmpty() && ink.right() < 60 - 9);
    }
    void keptPainterMeasuresAfresh()
    {
        // Widths are kept between paintings: a change of font must not reuse a
        // width measured for another. Right-aligned titles show it.
        HeaderPaintState state = threeColumns(u"Name"_qs, u"Source"_qs, u"Target"_qs);
        for (HeaderColumn& column : state.columns)
            column.format = 0x4001;
        const HeaderPainter kept = painter();
        const QImage normal = kept.render(kHeader, state);
        state.HedersFontBlod = true;
        QCOMPARE(kept.render(kHeader, state), painter().render(kHeader, state));
        state.HedersFontBlod = false;
        QCOMPARE(kept.render(kHeader, state), normal);
        state.measureFont.setPixelSize(40);
        QCOMPARE(kept.render(kHeader, state), painter().render(kHeader, state));
    }
    void icons()
    {
        HeaderPaintState state = threeColumns(u"A"_qs, u"B"_qs, u"C"_qs);
        state.imageList.images = {solid(Qt::green), solid(QColor(255, 0, 255))};
        state.imageList.iconSize = QSize(16, 16);
        state.columns[0].format = 0x4800;
        state.columns[0].imageIndex = 1;
        state.columns[1].format = 0x4801;
        // Too narrow for its icon: 16 > 20 - 5.
        state.columns[2] = {330, 350, 20, u"C"_qs, 0x4800, 0};
        const QImage image = painter().render(kHeader, state);
        // Code 1: icon at L + 9, iy = 10 - 8 = 2.
        QCOMPARE(rgbAt(image, 9, 2), 0xFF00FFu);
        QCOMPARE(rgbAt(image, 24, 17), 0xFF00FFu);
        const auto isGreen = [](QRgb c) { return (c & 0xFFFFFF) == 0x00FF00u; };
        QVERIFY(hasColour(image, QRect(110, 10, 101, 1), isGreen));
        QVERIFY(!hasColour(image, QRect(330, 0, 20, 20), isGreen));
        // Pressed: one pixel down and right, blended with the highlight colour.
        state.hotColumn = 0;
        state.pressed = true;
        const QImage pressed = painter().render(kHeader, state);
        const QRgb blended = rgbAt(pressed, 10, 3);
        QVERIFY(rgbAt(pressed, 9, 2) != 0xFF00FFu && blended != 0xFF00FFu);
        QVERIFY(qRed(blended) > 100 && qBlue(blended) > 100);
        QCOMPARE(rgbAt(pressed, 25, 18), blended);
    }
    void headerItems()
    {
        QStandardItemModel model(0, 3);
        model.setHorizontalHeaderLabels({u"Name"_qs, u"0123456789"_qs, u"Target Text"_qs});
        model.setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight | Qt::AlignVCenter),
                            Qt::TextAlignmentRole);
        QHeaderView header(Qt::Horizontal);
        header.setModel(&model);
        header.resize(400, 20);
        header.resizeSection(0, 100);
        QVERIFY(HeaderItems::imageList(header).isEmpty());
        HeaderItems::HeaderItemRecord record;
        QVERIFY(HeaderItems::readItem(header, 1, record));
        QCOMPARE(record.fmt, 0x4001);
        // No such column: false and the record as it was.
        QVERIFY(!HeaderItems::readItem(header, 3, record));
        QCOMPARE(record.fmt, 0x4001);
        // A decoration icon makes the centred image format.
        model.setHeaderData(2, Qt::Horizontal, int(Qt::AlignHCenter), Qt::TextAlignmentRole);
        model.setHeaderData(2, Qt::Horizontal, QIcon(solid(Qt::red)), Qt::DecorationRole);
        QCOMPARE(HeaderItems::columns(header)[2].format, 0x4802);
        // A hidden column has no width; the next starts at its place.
        header.hideSection(0);
        const QList<HeaderColumn> columns = HeaderItems::columns(header);
        QCOMPARE(columns[0].right - columns[0].left, 0);
        QCOMPARE(columns[1].left, 0);
    }
};

QTEST_MAIN(TestHeaderLayout)
#include "tst_headerlayout.moc"
