#include "HeaderItems.h"
#include "HeaderLayout.h"
#include "HeaderPainter.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>
#include <algorithm>

namespace {
const QSize kHeader(400, 20);
const QColor kNormalText(0, 0, 255);
const QColor kHotText(255, 0, 0);

QPixmap skin()
{
    return QPixmap(QStringLiteral(":/vemarill/header_skin.bmp"));
}

HeaderPainter painter()
{
    return HeaderPainter(skin(), 9, 20);
}

HeaderPaintState threeColumns(const QString& a, const QString& b, const QString& c)
{
    HeaderPaintState state;
    state.columns = {
        {0, 100, 20, a, 0x4000, 0}, {100, 220, 20, b, 0x4000, 0}, {220, 330, 20, c, 0x4000, 0}};
    state.TextNormalColor = kNormalText;
    state.TextResalteColor = kHotText;
    QFont measure(QStringLiteral("DejaVu Sans"));
    measure.setPixelSize(16);
    state.measureFont = measure;
    return state;
}

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// Where two paintings differ clearly: where a title (or an icon) was drawn.
// The faintest antialiased edge pixels vanish on some backgrounds and not on
// others, so they do not count.
QRect inkBetween(const QImage& with, const QImage& without)
{
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const QRgb a = with.pixel(x, y);
            const QRgb b = without.pixel(x, y);
            const int difference = std::max(
                {qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
            if (difference > 48)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

QPixmap solid(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}
} // namespace

class TestHeaderPainter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sliceSources();
    void edgesCoverLongTitles();
    void keptPainterMeasuresAfresh();
    void icons();
    void headerItems();
};

void TestHeaderPainter::sliceSources()
{
    // A skin whose every pixel tells where it came from: red = x, green = y.
    QImage coded(81, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 81; ++x)
            coded.setPixel(x, y, qRgb(x, y * 10, 0));
    const HeaderPainter codedPainter(QPixmap::fromImage(coded), 9, 20);
    HeaderPaintState state = threeColumns({}, {}, {});

    // Background: the source starts one pixel into slice 0 and is 9 wide.
    const QImage bare = codedPainter.render(QSize(400, 40), HeaderPaintState());
    QCOMPARE(rgb(bare, 0, 0), 0x010000u);
    QCOMPARE(rgb(bare, 399, 39), qRgb(9, 190, 0) & 0xFFFFFFu);

    state.hotColumn = 1;
    const QImage hot = codedPainter.render(kHeader, state);
    QCOMPARE(rgb(hot, 0, 3), qRgb(0, 30, 0) & 0xFFFFFFu);    // slice 0
    QCOMPARE(rgb(hot, 99, 3), qRgb(26, 30, 0) & 0xFFFFFFu);  // slice 2
    QCOMPARE(rgb(hot, 100, 3), qRgb(27, 30, 0) & 0xFFFFFFu); // slice 3
    QCOMPARE(rgb(hot, 109, 3), qRgb(36, 30, 0) & 0xFFFFFFu); // slice 4
    QCOMPARE(rgb(hot, 210, 3), qRgb(44, 30, 0) & 0xFFFFFFu); // slice 4's end
    QCOMPARE(rgb(hot, 211, 3), qRgb(45, 30, 0) & 0xFFFFFFu); // slice 5
    QCOMPARE(rgb(hot, 160, 19), qRgb(40, 190, 0) & 0xFFFFFFu);
    state.pressed = true;
    const QImage pressed = codedPainter.render(kHeader, state);
    QCOMPARE(rgb(pressed, 100, 3), qRgb(54, 30, 0) & 0xFFFFFFu); // slice 6
    QCOMPARE(rgb(pressed, 109, 3), qRgb(63, 30, 0) & 0xFFFFFFu); // slice 7
    QCOMPARE(rgb(pressed, 219, 3), qRgb(80, 30, 0) & 0xFFFFFFu); // slice 8
    // A taller header stretches every slice to its full height.
    state.columns[1].bottom = 40;
    const QImage tall = codedPainter.render(QSize(400, 40), state);
    QCOMPARE(rgb(tall, 100, 39), qRgb(54, 190, 0) & 0xFFFFFFu);
    QCOMPARE(rgb(tall, 100, 0), qRgb(54, 0, 0) & 0xFFFFFFu);
}

void TestHeaderPainter::edgesCoverLongTitles()
{
    // Fitted in a tiny measuring font, drawn in the 14-pixel one: the title runs
    // past the column, and the edge slices still lie on top.
    HeaderPaintState state = threeColumns(u"A much longer title"_qs, u"B"_qs, u"C"_qs);
    state.columns[0].right = 60;
    state.columns[1].left = 60;
    QFont tiny(QStringLiteral("DejaVu Sans"));
    tiny.setPixelSize(3);
    state.measureFont = tiny;
    HeaderPaintState bare = state;
    bare.columns[0].title.clear();
    const QImage image = painter().render(kHeader, state);
    const QImage skinImage = skin().toImage();
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 20; ++y) {
            QCOMPARE(rgb(image, 51 + x, y), rgb(skinImage, 18 + x, y));
            QCOMPARE(rgb(image, 60 + x, y), rgb(skinImage, x, y));
        }
    QVERIFY(inkBetween(image, painter().render(kHeader, bare)).right() > 69);

    // Fitted in a header font as large as the drawing font, it is cut with "..."
    // and stays inside its column.
    state.measureFont.setPixelSize(14);
    bare.measureFont = state.measureFont;
    const QRect ink = inkBetween(painter().render(kHeader, state), painter().render(kHeader, bare));
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.right() < 60 - 9);
}

void TestHeaderPainter::keptPainterMeasuresAfresh()
{
    // Widths are kept between paintings: a change of font or title must not
    // reuse a width measured for another. Right-aligned titles show it.
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
    QVERIFY(kept.render(kHeader, state) != normal);
}

void TestHeaderPainter::icons()
{
    HeaderPaintState state = threeColumns(u"A"_qs, u"B"_qs, u"C"_qs);
    state.imageList.images = {solid(Qt::green), solid(QColor(255, 0, 255))};
    state.imageList.iconSize = QSize(16, 16);
    state.columns[0].format = 0x4800;
    state.columns[0].imageIndex = 1;
    state.columns[1].format = 0x4801;
    state.columns[1].imageIndex = 0;
    // Too narrow for its icon: 16 > 20 - 5.
    state.columns[2] = {330, 350, 20, u"C"_qs, 0x4800, 0};

    const QImage image = painter().render(kHeader, state);
    // Code 1: icon at L + 9, iy = nearest(10 - 8) = 2.
    QCOMPARE(rgb(image, 9, 2), 0xFF00FFu);
    QCOMPARE(rgb(image, 24, 17), 0xFF00FFu);
    QCOMPARE(rgb(image, 8, 2), 0xEBEADBu);
    // Code 3: the icon left of the right-aligned title.
    bool green = false;
    for (int x = 110; x < 211; ++x)
        green = green || rgb(image, x, 10) == 0x00FF00u;
    QVERIFY(green);
    for (int x = 339; x < 341; ++x)
        QVERIFY(rgb(image, x, 10) != 0x00FF00u);

    // Pressed: one pixel down and right, blended with the highlight colour.
    state.hotColumn = 0;
    state.pressed = true;
    const QImage pressed = painter().render(kHeader, state);
    QVERIFY(rgb(pressed, 9, 2) != 0xFF00FFu);
    const QRgb blended = rgb(pressed, 10, 3);
    QVERIFY(blended != 0xFF00FFu);
    QVERIFY(qRed(blended) > 100 && qBlue(blended) > 100);
    QCOMPARE(rgb(pressed, 25, 18), blended);
}

void TestHeaderPainter::headerItems()
{
    QStandardItemModel model(0, 3);
    const QString forty = u"0123456789"_qs.repeated(4);
    model.setHorizontalHeaderLabels({u"Name"_qs, forty, u"Target Text"_qs});
    model.setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight | Qt::AlignVCenter),
                        Qt::TextAlignmentRole);
    model.setHeaderData(2, Qt::Horizontal, int(Qt::AlignHCenter), Qt::TextAlignmentRole);
    QHeaderView header(Qt::Horizontal);
    header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header.setModel(&model);
    header.resize(400, 20);
    header.resizeSection(0, 100);
    header.resizeSection(1, 120);
    header.resizeSection(2, 110);
    QVERIFY(HeaderItems::imageList(header).isEmpty());

    QCOMPARE(HeaderItems::itemCount(header), 3);
    HeaderItems::HeaderItemRecord record;
    QVERIFY(HeaderItems::readItem(header, 1, record));
    QCOMPARE(record.text, forty.left(31));
    QCOMPARE(record.fmt, 0x4001);
    QCOMPARE(record.iOrder, 1);
    QVERIFY(HeaderItems::readItem(header, 0, record));
    QCOMPARE(record.fmt, 0x4000);

    // No such column: false and the record as it was.
    QVERIFY(!HeaderItems::readItem(header, 3, record));
    QCOMPARE(record.fmt, 0x4000);

    // A small buffer cuts too, and a NUL ends the title.
    model.setHeaderData(0, Qt::Horizontal, QString::fromUtf16(u"Na\0me", 5));
    record = {};
    record.mask = 0x2;
    record.cchTextMax = 32;
    QVERIFY(HeaderItems::getItem(header, 0, record));
    QCOMPARE(record.text, u"Na"_qs);
    record.cchTextMax = 3;
    QVERIFY(HeaderItems::getItem(header, 1, record));
    QCOMPARE(record.text, u"01"_qs);
    QCOMPARE(record.fmt, 0);

    // A decoration icon makes the image list and the image format.
    model.setHeaderData(2, Qt::Horizontal, QIcon(solid(Qt::red)), Qt::DecorationRole);
    const HeaderImageList images = HeaderItems::imageList(header);
    QCOMPARE(images.images.size(), 3);
    QVERIFY(images.images[0].isNull());
    QVERIFY(!images.images[2].isNull());
    QList<HeaderColumn> columns = HeaderItems::columns(header);
    QCOMPARE(columns[2].format, 0x4802);
    QCOMPARE(columns[2].imageIndex, 2);
    QCOMPARE(columns[1].left, 100);
    QCOMPARE(columns[1].right, 220);
    QCOMPARE(columns[1].bottom, header.viewport()->height());

    // A hidden column has no width; the next starts at its place.
    header.hideSection(0);
    columns = HeaderItems::columns(header);
    QCOMPARE(columns[0].right - columns[0].left, 0);
    QCOMPARE(columns[1].left, 0);
}

QTEST_MAIN(TestHeaderPainter)
#include "tst_headerpainter.moc"
