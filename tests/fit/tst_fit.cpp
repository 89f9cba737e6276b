#include "FitMeasure.h"
#include "FitOverlay.h"
#include "MockupExport.h"
#include "TempTree.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

using namespace Fit;

namespace {

constexpr int kBoxHeight = 24;
const QColor kBackground(20, 40, 120);

QFont fontOfSize(int pixelSize)
{
    QFont font(kDefaultFontFamily);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The outline of "H", unrounded, unlike the metrics' whole-pixel cap height.
qreal outlineCapHeight(int pixelSize)
{
    QPainterPath path;
    path.addText(0, 0, fontOfSize(pixelSize), u"H"_qs);
    return -path.boundingRect().top();
}

// Tries every size rather than scaling one, to check the measure's arithmetic.
int sizeBySearch(qreal capHeight)
{
    int best = 1;
    for (int size = 2; size <= 200; ++size)
        if (qAbs(outlineCapHeight(size) - capHeight) < qAbs(outlineCapHeight(best) - capHeight))
            best = size;
    return best;
}

qreal advance(const QString& text, int pixelSize)
{
    return QFontMetricsF(fontOfSize(pixelSize)).horizontalAdvance(text);
}

// A sign: white capitals on blue, their box as recognition would give it.
QImage labelImage(QRect* box)
{
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(kBackground);
    const QFont font = fontOfSize(pixelSizeForCapHeight(kDefaultFontFamily, 30));
    *box = QRect(20, 15, int(advance(u"SALE"_qs, font.pixelSize())), 30);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(box->left(), box->top() + box->height()), u"SALE"_qs);
    return image;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

int redPixels(const QImage& image, int fromX)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            count += isRed(image.pixel(x, y));
    return count;
}

} // namespace

class TestFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void measure_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("lines");
        // The source boxes are as wide as each other, and the widest line takes this share of one.
        QTest::addColumn<double>("percent");
        QTest::addColumn<Verdict>("verdict");
        const auto row = [](const char* name, const QString& target, const QStringList& lines,
                            double percent, Verdict verdict) {
            QTest::newRow(name) << target << lines << percent << verdict;
        };
        const QString open = u"Open today"_qs;
        row("fits", open, {open}, 80.0, Verdict::Fits);
        row("tight", open, {open}, 108.0, Verdict::Tight);
        row("overflows", open, {open}, 130.0, Verdict::Overflows);
        row("balanced at spaces", u"Open the door now"_qs, {"Open the", "door now"}, 90.0,
            Verdict::Fits);
        row("slash forces a break", u"Save / all the changes"_qs, {"Save", "all the changes"}, 90.0,
            Verdict::Fits);
        row("newline forces a break", u"Big\nsummer sale"_qs, {"Big", "summer sale"}, 108.0,
            Verdict::Tight);
        row("Hebrew", u"שלום עולם"_qs, {"שלום עולם"}, 130.0, Verdict::Overflows);
        row("Arabic on two lines", u"مرحبا بالعالم"_qs, {"مرحبا", "بالعالم"}, 90.0, Verdict::Fits);
        row("CJK between characters", u"保存所有更改"_qs, {"保存所", "有更改"}, 112.0,
            Verdict::Tight);
    }
    void measure()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, lines);
        QFETCH(double, percent);
        QFETCH(Verdict, verdict);
        const int size = sizeBySearch(kBoxHeight);
        qreal widest = 0;
        for (const QString& line : lines)
            widest = qMax(widest, advance(line, size));
        SourceLines source;
        for (int i = 0; i < lines.size(); ++i)
            source.append({QRect(10, 10 + 40 * i, qRound(widest * 100 / percent), kBoxHeight), {}});
        const FitResult fit = measureFit(source, target);
        QCOMPARE(fit.pixelSize, size);
        QStringList texts;
        for (const FitLine& line : fit.lines)
            texts.append(line.text);
        QCOMPARE(texts, lines);
        for (int i = 0; i < lines.size(); ++i) {
            const FitLine& line = fit.lines.at(i);
            const qreal expected = advance(lines.at(i), size);
            QVERIFY2(qAbs(line.width() - expected) <= 0.5 + expected / 100,
                     qPrintable(u"%1 against %2"_qs.arg(line.width()).arg(expected)));
            QCOMPARE(line.rightToLeft, lines.at(i).isRightToLeft());
            QCOMPARE(line.baseline, qreal(line.box.y() + kBoxHeight));
            QCOMPARE(line.overflow.isEmpty(), line.ratio() <= 1);
            if (!line.overflow.isEmpty() && line.rightToLeft)
                QCOMPARE(line.overflow.right(), qreal(line.box.left()));
            else if (!line.overflow.isEmpty())
                QCOMPARE(line.overflow.left(), qreal(line.box.x() + line.box.width()));
        }
        QVERIFY2(qAbs(fit.percent - percent) < 1.0, qPrintable(QString::number(fit.percent)));
        QCOMPARE(fit.verdict, verdict);
    }
    void withoutBoxesOrTarget()
    {
        const FitResult empty =
            measureFit({{QRect(0, 0, 0, 20), {}}, {QRect(5, 5, 30, 0), {}}}, u"Hello"_qs);
        QCOMPARE(empty.verdict, Verdict::NoTextBoxes);
        QVERIFY(empty.summary().startsWith(u"No text boxes"_qs));
        const FitResult blank = measureFit({{QRect(0, 0, 80, 20), {}}}, u" / \n "_qs);
        QCOMPARE(blank.verdict, Verdict::NoTargetText);
    }
    void moreLinesThanBoxes()
    {
        const SourceLines source{{QRect(0, 0, 900, 20), {}}, {QRect(0, 30, 900, 20), {}}};
        const FitResult fit = measureFit(source, u"One / Two / Three"_qs);
        QVERIFY(fit.summary().contains(u"3 lines for 2 text boxes"_qs));
        QVERIFY(fit.percent < 100);
        QCOMPARE(fit.verdict, Verdict::Overflows);
        QVERIFY(fit.lines.at(2).box.top() > fit.lines.at(1).box.bottom());
    }
    void overlay_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("actual size") << 1;
        QTest::newRow("zoomed twice") << 2;
    }
    void overlay()
    {
        QFETCH(int, scale);
        QRect box;
        const QImage source = labelImage(&box);
        const auto paint = [&](const QString& target) {
            QImage canvas(source.size() * scale, QImage::Format_RGB32);
            QPainter painter(&canvas);
            painter.scale(scale, scale);
            painter.drawImage(0, 0, source);
            paintOverlay(painter, source, {{box, u"SALE"_qs}}, target);
            return canvas;
        };
        // Lower case without ascenders leaves the top of the box to the fill.
        const QImage overflowing = paint(u"we are open now"_qs);
        const QImage fitting = paint(u"ok"_qs);
        int coveredInk = 0;
        for (int y = box.top() + 1; y <= box.top() + 4; ++y)
            for (int x = box.left() + 1; x <= box.right() - 3; ++x) {
                coveredInk += qGray(source.pixel(x, y)) > 200;
                QCOMPARE(QColor(overflowing.pixel(x * scale, y * scale)), kBackground);
            }
        QVERIFY(coveredInk > 0);
        QVERIFY(redPixels(overflowing, (box.right() + 3) * scale) > 0);
        QCOMPARE(redPixels(fitting, 0), 0);
    }
    void mockupExport()
    {
        TempTree tree;
        QRect box;
        QVERIFY(labelImage(&box).save(tree.path(u"a.png"_qs)));
        QVERIFY(tree.writeImage(u"sub dir/b&c.jpg"_qs, QSize(120, 50)));
        QVERIFY(tree.writeFile(u"broken.png"_qs, "not a picture"));
        QVERIFY(tree.writeImage(u"unchecked.png"_qs, QSize(30, 30)));
        const QList<ImageListRow> rows{
            {u"a.png"_qs, u"SALE"_qs, u"Big <sale>"_qs, true},
            {u"sub dir/b&c.jpg"_qs, {}, u"Hallo & willkommen"_qs, true},
            {u"broken.png"_qs, {}, u"x"_qs, true},
            {u"unchecked.png"_qs, {}, u"y"_qs, false},
            {u"a.png"_qs, u"NOW"_qs, u"jetzt"_qs, true},
        };
        QList<QByteArray> sources;
        for (const ImageListRow& row : rows)
            sources.append(readWholeFile(tree.root() + row.name));
        QList<int> progress;
        MockupOptions options;
        options.rootFolder = tree.root();
        // Inside the root folder is allowed while no mock-up lands on a source image.
        options.outputFolder = tree.path(u"out"_qs);
        options.sourceLines = [&](const ImageListRow&) { return SourceLines{{box, {}}}; };
        options.progress = [&](int done, int total) {
            progress.append(done);
            return total == 3;
        };
        const MockupResult result = exportMockups(rows, options);
        QCOMPARE(result.outcome, MockupResult::Outcome::Written);
        QCOMPARE(result.written, 2);
        QCOMPARE(result.undecodable, QStringList{u"broken.png"_qs});
        QCOMPARE(progress, (QList<int>{0, 1, 2, 3}));
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(readWholeFile(tree.root() + rows.at(i).name), sources.at(i));
        const QImage a(tree.path(u"out/a.png"_qs));
        QCOMPARE(a.size(), QImage(tree.path(u"a.png"_qs)).size());
        QVERIFY(a.convertToFormat(QImage::Format_RGB32) != QImage(tree.path(u"a.png"_qs)));
        QCOMPARE(QImage(tree.path(u"out/sub dir/b&c.png"_qs)).size(), QSize(120, 50));
        QVERIFY(!QFile::exists(tree.path(u"out/unchecked.png"_qs)));
        QCOMPARE(readWholeFile(result.indexPath),
                 QByteArray("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"UTF-8\">\n"
                            "<title>Mock-ups</title>\n</head>\n<body>\n<h1>Mock-ups</h1>\n<ul>\n"
                            "<li><a href=\"a.png\">a.png</a>: Big &lt;sale&gt; / jetzt</li>\n"
                            "<li><a href=\"sub%20dir/b%26c.png\">sub dir/b&amp;c.jpg</a>: "
                            "Hallo &amp; willkommen</li>\n"
                            "</ul>\n</body>\n</html>\n"));
    }
    void mockupExportRefusesAndCancels()
    {
        TempTree tree;
        QVERIFY(tree.writeImage(u"a.png"_qs, QSize(40, 20)));
        QVERIFY(tree.writeImage(u"b.png"_qs, QSize(40, 20)));
        const QByteArray source = readWholeFile(tree.path(u"a.png"_qs));
        const QList<ImageListRow> rows{{u"a.png"_qs, {}, u"x"_qs, true},
                                       {u"b.png"_qs, {}, u"y"_qs, true}};
        MockupOptions options;
        options.rootFolder = tree.root();
        options.outputFolder = tree.root();
        const MockupResult refused = exportMockups(rows, options);
        QCOMPARE(refused.outcome, MockupResult::Outcome::Refused);
        QVERIFY(refused.message.contains(u"\"a.png\" would replace a source image"_qs));
        QCOMPARE(readWholeFile(tree.path(u"a.png"_qs)), source);
        QVERIFY(!QFile::exists(tree.path(u"index.htm"_qs)));
#ifndef Q_OS_WIN
        // Another name for the image folder is the image folder.
        const QString link = tree.path(u"link"_qs);
        QVERIFY(QFile::link(tree.root(), link));
        options.outputFolder = link;
        QCOMPARE(exportMockups(rows, options).outcome, MockupResult::Outcome::Refused);
#endif

        options.outputFolder = tree.path(u"out"_qs);
        options.progress = [](int done, int) { return done < 1; };
        const MockupResult cancelled = exportMockups(rows, options);
        QCOMPARE(cancelled.outcome, MockupResult::Outcome::Cancelled);
        QCOMPARE(cancelled.written, 1);
        QCOMPARE(QDir(tree.path(u"out"_qs)).entryList(QDir::Files), QStringList{u"a.png"_qs});
    }
};

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
