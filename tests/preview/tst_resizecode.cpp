#include "ResizeCode.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

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

// A small window shaped like the main one: a frame holding controls, a
// control on the window itself, and widgets that are no controls.
struct Window {
    QWidget window;
    QGroupBox* frame;
    QLineEdit* box;
    QTreeView* list;
    QPushButton* button;
    QWidget* unnamed;
    QWidget* separate;

    Window()
    {
        window.setObjectName(QStringLiteral("Form"));
        window.resize(twips(0, 0, 6000, 3000).size());
        frame = named(new QGroupBox(&window), "Frame1", twips(120, 120, 3000, 1500));
        box = named(new QLineEdit(frame), "TextBox", twips(120, 240, 1500, 375));
        list = named(new QTreeView(frame), "List", twips(120, 720, 2700, 600));
        button = named(new QPushButton(&window), "Cmd", twips(3240, 2400, 1200, 495));
        unnamed = new QWidget(&window);
        unnamed->setGeometry(twips(30, 30, 90, 90));
        separate = named(new QWidget(&window, Qt::Tool), "Tool", twips(15, 15, 300, 300));
    }
};

} // namespace

class TestResizeCode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsInEnumerationOrder();
    void scalesFromTheRecordedGeometry();
    void doesNothingWhileMinimizedOrUnrecorded();
    void controlsAddedOrDestroyedLaterAreSafe();
};

void TestResizeCode::controlsInEnumerationOrder()
{
    Window w;
    const QList<QWidget*> expected{w.frame, w.box, w.list, w.button};
    QCOMPARE(ResizeCode::Controls(w.window), expected);
}

void TestResizeCode::scalesFromTheRecordedGeometry()
{
    Window w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.resize(twips(0, 0, 6000, 3000).size());
    const QRect frame = w.frame->geometry();
    const QRect box = w.box->geometry();
    const QRect button = w.button->geometry();
    const QRect unnamed = w.unnamed->geometry();
    const QRect viewport = w.list->viewport()->geometry();

    ResizeCode::Layout layout;
    layout.RecordLayout(w.window);
    QCOMPARE(layout.entryCount(), 4);

    // Twice the width: x and width double, in each control's own container.
    w.window.resize(twips(0, 0, 12000, 3000).size());
    layout.ApplyLayout();
    QCOMPARE(w.frame->geometry(), twips(240, 120, 6000, 1500));
    QCOMPARE(w.box->geometry(), twips(240, 240, 3000, 375));
    QCOMPARE(w.button->geometry(), twips(6480, 2400, 2400, 495));
    QCOMPARE(w.list->geometry(), twips(240, 720, 5400, 600));
    // A widget's own internals and unnamed widgets are not controls.
    QCOMPARE(w.unnamed->geometry(), unnamed);
    QVERIFY(w.list->viewport()->width() > viewport.width());

    // Half the height, from the same record.
    w.window.resize(twips(0, 0, 6000, 1500).size());
    layout.ApplyLayout();
    QCOMPARE(w.frame->geometry(), twips(120, 60, 3000, 750));
    QCOMPARE(w.button->geometry(), twips(3240, 1200, 1200, 247.5));

    // Back to the recorded size after odd sizes: nothing accumulates.
    w.window.resize(twips(0, 0, 6997, 2689).size());
    layout.ApplyLayout();
    w.window.resize(twips(0, 0, 6000, 3000).size());
    layout.ApplyLayout();
    QCOMPARE(w.frame->geometry(), frame);
    QCOMPARE(w.box->geometry(), box);
    QCOMPARE(w.button->geometry(), button);
}

void TestResizeCode::doesNothingWhileMinimizedOrUnrecorded()
{
    Window w;
    const QRect frame = w.frame->geometry();

    ResizeCode::Layout unrecorded;
    w.window.resize(twips(0, 0, 12000, 6000).size());
    unrecorded.ApplyLayout();
    QCOMPARE(w.frame->geometry(), frame);

    w.window.resize(twips(0, 0, 6000, 3000).size());
    ResizeCode::Layout layout;
    layout.RecordLayout(w.window);
    w.window.setWindowState(Qt::WindowMinimized);
    w.window.resize(twips(0, 0, 12000, 6000).size());
    layout.ApplyLayout();
    QCOMPARE(w.frame->geometry(), frame);

    w.window.setWindowState(Qt::WindowNoState);
    layout.ApplyLayout();
    QCOMPARE(w.frame->geometry(), twips(240, 240, 6000, 3000));
}

void TestResizeCode::controlsAddedOrDestroyedLaterAreSafe()
{
    Window w;
    ResizeCode::Layout layout;
    layout.RecordLayout(w.window);

    delete w.box;
    auto* late = named(new QPushButton(&w.window), "Late", twips(600, 600, 600, 600));
    w.window.resize(twips(0, 0, 12000, 6000).size());
    layout.ApplyLayout();
    QCOMPARE(late->geometry(), twips(600, 600, 600, 600));
    QCOMPARE(w.button->geometry(), twips(6480, 4800, 2400, 990));
}

QTEST_MAIN(TestResizeCode)
#include "tst_resizecode.moc"
