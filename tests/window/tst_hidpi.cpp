#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListView.h"
#include "Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QSet>
#include <QSettings>
#include <QTest>

// The window on a screen that scales it by two: the design grows with it and
// the header skin, the icon, stay as sharp as the screen.
class TestHiDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void twipsAtEachDpi_data();
    void twipsAtEachDpi();
    void drawsTheHeaderSkinAtFullResolution();
    void offersTheIconAtEverySize();
};

void TestHiDpi::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("VemarillTests"));
    QSettings().clear();
    QVERIFY(qFuzzyCompare(qApp->devicePixelRatio(), 2.0));
}

void TestHiDpi::twipsAtEachDpi_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    // The window's client width and height, a control's offset, one pixel.
    QTest::newRow("96 width") << 96.0 << 15.0 << 11295.0 << 753;
    QTest::newRow("96 height") << 96.0 << 15.0 << 9510.0 << 634;
    QTest::newRow("96 offset") << 96.0 << 15.0 << 120.0 << 8;
    QTest::newRow("144 width") << 144.0 << 10.0 << 11295.0 << 1130; // 1129.5, halves to even
    QTest::newRow("144 height") << 144.0 << 10.0 << 9510.0 << 951;
    QTest::newRow("144 pixel") << 144.0 << 10.0 << 15.0 << 2; // 1.5
    QTest::newRow("192 width") << 192.0 << 7.5 << 11295.0 << 1506;
    QTest::newRow("192 height") << 192.0 << 7.5 << 9510.0 << 1268;
    QTest::newRow("192 offset") << 192.0 << 7.5 << 120.0 << 16;
    QTest::newRow("no screen") << 0.0 << 15.0 << 11295.0 << 753;
}

void TestHiDpi::twipsAtEachDpi()
{
    QFETCH(double, dpi);
    QFETCH(double, twipsPerPixel);
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(Platform::twipsPerPixelAt(dpi), twipsPerPixel);
    QCOMPARE(Platform::twipsToPixelsAt(twips, dpi), pixels);
}

void TestHiDpi::drawsTheHeaderSkinAtFullResolution()
{
    FakePlatform platform;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Laid out in device-independent pixels; the screen doubles them.
    QCOMPARE(form.size(), QSize(753, 634));

    const QHeaderView* header = form.imageList()->header();
    const QPixmap grab = header->viewport()->grab();
    QCOMPARE(grab.devicePixelRatio(), 2.0);
    QCOMPARE(grab.size(), header->viewport()->size() * 2);
    const QImage painted = grab.toImage().convertToFormat(QImage::Format_RGB32);

    const QImage skin = QImage(QStringLiteral(":/vemarill/header_skin@2x.bmp"))
                            .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!skin.isNull());
    QSet<QRgb> skinColours;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x)
            skinColours.insert(skin.pixel(x, y));
    }

    // The shading along the header's bottom edge, down the middle of a
    // column: one colour per device pixel row, each the skin's own. A skin
    // enlarged from fewer pixels repeats rows in pairs, or blends colours the
    // skin does not have.
    const int x = 2 * (header->sectionPosition(1) + header->sectionSize(1) / 2);
    QList<QRgb> edge;
    for (int y = painted.height() - 6; y < painted.height(); ++y)
        edge.append(painted.pixel(x, y));
    for (const QRgb colour : edge)
        QVERIFY2(skinColours.contains(colour), qPrintable(QString::number(colour, 16)));
    QCOMPARE(QSet<QRgb>(edge.begin(), edge.end()).size(), 6);

    // The separator at the right edge of the Name column: exactly the skin's
    // slice, pixel for pixel, with no smoothing across its sharp edges.
    const int slice = skin.width() / 9;
    const int right = 2 * (header->sectionPosition(0) + header->sectionSize(0));
    const int row = painted.height() / 2;
    for (int i = 0; i < slice; ++i)
        QCOMPARE(painted.pixel(right - slice + i, row), skin.pixel(2 * slice + i, row));
}

void TestHiDpi::offersTheIconAtEverySize()
{
    FakePlatform platform;
    const Form1 form;
    const QIcon icon = form.windowIcon();
    for (const int size : {16, 32, 64, 128, 256})
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // At twice the pixels a 32-pixel icon is drawn from the 64-pixel picture.
    const QPixmap shown = icon.pixmap(QSize(32, 32));
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(shown.size(), QSize(64, 64));
    const QImage drawn = shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage picture = QImage(QStringLiteral(":/vemarill/icons/icon-64.png"))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            differing += drawn.pixel(x, y) != picture.pixel(x, y) ? 1 : 0;
    }
    QCOMPARE(differing, 0);
}

int main(int argc, char* argv[])
{
    // Before the application exists: the screen it sees doubles every pixel.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
