#include "FakePlatform.h"
#include "Form1.h"
#include "ImageListView.h"
#include "Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QSet>
#include <QTest>

// The window on a screen that doubles every pixel.
class TestHiDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsAtEachDpi()
    {
        struct Case {
            double dpi, twipsPerPixel, twips;
            int pixels;
        };
        // The window's width and a control's offset; 1129.5 halves to even.
        for (const Case& c :
             {Case{96, 15, 11295, 753}, Case{96, 15, 120, 8}, Case{144, 10, 11295, 1130},
              Case{144, 10, 15, 2}, Case{192, 7.5, 11295, 1506}, Case{192, 7.5, 120, 16},
              Case{0, 15, 11295, 753}}) {
            QCOMPARE(Platform::twipsPerPixelAt(c.dpi), c.twipsPerPixel);
            QCOMPARE(Platform::twipsToPixelsAt(c.twips, c.dpi), c.pixels);
        }
    }
    void drawsTheHeaderSkinAtFullResolution()
    {
        FakePlatform platform;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Laid out in logical pixels; the screen doubles them.
        QCOMPARE(form.size(), QSize(753, 634));
        const QHeaderView* header = form.imageList()->header();
        const QPixmap grab = header->viewport()->grab();
        QCOMPARE(grab.size(), header->viewport()->size() * 2);
        const QImage painted = grab.toImage().convertToFormat(QImage::Format_RGB32);
        const QImage skin = QImage(QStringLiteral(":/vemarill/header_skin@2x.bmp"))
                                .convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> skinColours;
        for (int y = 0; y < skin.height(); ++y) {
            for (int x = 0; x < skin.width(); ++x)
                skinColours.insert(skin.pixel(x, y));
        }
        // The shading along the bottom edge, down the middle of a column: one
        // colour of the skin's own per device pixel row. A skin enlarged from
        // fewer pixels repeats rows in pairs, or blends colours the skin lacks.
        const int x = 2 * (header->sectionPosition(1) + header->sectionSize(1) / 2);
        QSet<QRgb> edge;
        for (int y = painted.height() - 6; y < painted.height(); ++y) {
            QVERIFY(skinColours.contains(painted.pixel(x, y)));
            edge.insert(painted.pixel(x, y));
        }
        QCOMPARE(edge.size(), 6);
        // The separator at the Name column's right edge is the skin's slice, pixel for pixel.
        const int slice = skin.width() / 9;
        const int right = 2 * (header->sectionPosition(0) + header->sectionSize(0));
        for (int i = 0; i < slice; ++i)
            QCOMPARE(painted.pixel(right - slice + i, 20), skin.pixel(2 * slice + i, 20));
        // The icon too, from a picture of its own at each size.
        QCOMPARE(form.windowIcon().availableSizes().size(), 7);
    }
};

int main(int argc, char* argv[])
{
    // Before the application exists: the screen it sees doubles every pixel.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
