#include "ResizeCode.h"
#include "ScrollMath.h"
#include "Twips.h"
#include "ZoomMath.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <tuple>

namespace {

QRect twips(double left, double top, double width, double height)
{
    return Platform::twipsRect(left, top, width, height);
}

template <typename T> T* named(T* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// A frame holding controls, a control on the window itself, and an unnamed
// widget and a separate window, which are no controls.
struct Window {
    QWidget window;
    QGroupBox* frame = named(new QGroupBox(&window), "Frame1", twips(120, 120, 3000, 1500));
    QTreeView* list = named(new QTreeView(frame), "List", twips(120, 720, 2700, 600));
    QPushButton* button = named(new QPushButton(&window), "Cmd", twips(3240, 2400, 1200, 495));
    QWidget* unnamed = new QWidget(&window);
    QWidget* separate = named(new QWidget(&window, Qt::Tool), "Tool", twips(15, 15, 300, 300));

    Window() { window.resize(twips(0, 0, 6000, 3000).size()); }
    void resize(double width, double height) { window.resize(twips(0, 0, width, height).size()); }
};

} // namespace

class TestPreviewMath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrollAndColumnMath()
    {
        // Picture width, maximum and enabled against the design viewport, 10695 twips.
        const std::tuple<double, int, bool> scrolls[] = {
            {10695, 0, true},    {10694, 0, false},
            {13695, 25, true},   {10995, 2, true}, // 2.5 to even
            {11115, 4, true},                      // 3.5 to even
            {4335, -53, false},                    // a smaller picture
            {5.0e6, 32767, true}};
        for (const auto& [picture, maximum, enabled] : scrolls) {
            QCOMPARE(ScrollMath::ScrollMaximum(picture, 10695), maximum);
            QCOMPARE(ScrollMath::ScrollEnabled(picture, 10695), enabled);
        }
        const std::pair<double, int> columns[] = {{10815, 3455},   {21630, 7060}, {10804.5, 3452},
                                                  {10807.5, 3452}, {300, 0},      {1.0e6, 32767}};
        for (const auto& [listWidth, column] : columns)
            QCOMPARE(ResizeCode::ColumnWidth(listWidth), column);
        QCOMPARE(ScrollMath::PageStep(10695), 89);
        QCOMPARE(ScrollMath::PageStep(0), 1);
    }
    void layoutScalesFromTheRecord()
    {
        Window w;
        QCOMPARE(ResizeCode::Controls(w.window), (QList<QWidget*>{w.frame, w.list, w.button}));
        const QRect design = w.button->geometry();
        const QRect unnamed = w.unnamed->geometry();
        ResizeCode::Layout layout;
        w.resize(12000, 1500);
        layout.ApplyLayout();
        w.resize(6000, 3000);
        layout.RecordLayout(w.window);
        w.window.setWindowState(Qt::WindowMinimized);
        w.resize(12000, 1500);
        layout.ApplyLayout();
        QCOMPARE(w.button->geometry(), design);
        // Each control scales in its own container's coordinates.
        w.window.setWindowState(Qt::WindowNoState);
        layout.ApplyLayout();
        QCOMPARE(w.frame->geometry(), twips(240, 60, 6000, 750));
        QCOMPARE(w.list->geometry(), twips(240, 360, 5400, 300));
        QCOMPARE(w.button->geometry(), twips(6480, 1200, 2400, 247.5));
        QCOMPARE(w.unnamed->geometry(), unnamed);
        // Always from the record: odd sizes leave nothing behind.
        w.resize(6997, 2689);
        layout.ApplyLayout();
        w.resize(6000, 3000);
        layout.ApplyLayout();
        QCOMPARE(w.button->geometry(), design);
        // A control destroyed since is skipped; one added later is left alone.
        delete w.list;
        auto* late = named(new QPushButton(&w.window), "Late", twips(600, 600, 600, 600));
        w.resize(12000, 6000);
        layout.ApplyLayout();
        QCOMPARE(w.button->geometry(), twips(6480, 4800, 2400, 990));
        QCOMPARE(late->geometry(), twips(600, 600, 600, 600));
    }
    void zoomStepsFitAndDecodeSizes()
    {
        // Zoom, in, out.
        const std::tuple<double, double, double> steps[] = {
            {1.0, 1.25, 0.75},
            {1.0 / 3, 0.5, 0.25},
            {0.8, 1.0, 0.75},                // a fit between steps
            {0.5 + 1e-12, 2.0 / 3, 1.0 / 3}, // a fit a rounding error off a step
            {8.0, 8.0, 6.0},                 // 800% is the top
            {0.1, 0.25, 0.1},                // 10% the bottom
            {0.04, 0.1, 0.04}};              // a fit under 10%
        for (const auto& [zoom, in, out] : steps) {
            QCOMPARE(ZoomMath::ZoomIn(zoom), in);
            QCOMPARE(ZoomMath::ZoomOut(zoom), out);
        }
        QCOMPARE(ZoomMath::FitFactor(QSize(1200, 600), QSize(700, 200)), 1.0 / 3);
        QCOMPARE(ZoomMath::FitFactor(QSize(600, 1200), QSize(700, 200)), 1.0 / 6);
        QCOMPARE(ZoomMath::FitFactor(QSize(200, 100), QSize(700, 200)), 1.0);
        QCOMPARE(ZoomMath::FitFactor(QSize(100000, 1), QSize(700, 200)), 0.007);
        QCOMPARE(ZoomMath::ScaledSize(QSize(100000, 1), 0.007), QSize(700, 1));
        QCOMPARE(ZoomMath::DecodeSize(QSize(1200, 600), 1.0 / 3), QSize(400, 200));
        QCOMPARE(ZoomMath::DecodeSize(QSize(1200, 600), 4.0), QSize(1200, 600));
    }
};

QTEST_MAIN(TestPreviewMath)
#include "tst_previewmath.moc"
