#include "FakePlatform.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "Messages.h"
#include "WindowHandles.h"
#include "cSubclassListView.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>
#include <set>

namespace {

// Counts the tooltip removals (Destroy) and notes which windows' messages
// reach the object.
class CountingListView : public cSubclassListView {
public:
    using cSubclassListView::cSubclassListView;
    void Destroy() override
    {
        ++destroyCalls;
        cSubclassListView::Destroy();
    }
    int destroyCalls = 0;
    std::set<Platform::Hwnd> windowsSeen;

protected:
    void callMessageRoutine(int ordinal, bool before, bool& handled, Platform::LResult& retValue,
                            Platform::Hwnd hwnd, Platform::Msg uMsg, Platform::WParam wParam,
                            Platform::LParam lParam, std::intptr_t& userValue) override
    {
        windowsSeen.insert(hwnd);
        cSubclassListView::callMessageRoutine(ordinal, before, handled, retValue, hwnd, uMsg,
                                              wParam, lParam, userValue);
    }
};

// A mouse move without buttons, as the window system delivers it.
void moveOver(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A form like the main window's: the list inside a frame, and a button to
// take the focus.
struct Grid {
    explicit Grid(int rows = 5, bool inFrame = true)
    {
        form.setObjectName(QStringLiteral("TestForm"));
        form.resize(640, 400);
        QWidget* container = &form;
        if (inFrame) {
            frame = new QGroupBox(QStringLiteral("Image List"), &form);
            frame->setObjectName(QStringLiteral("Frame2"));
            frame->setGeometry(8, 8, 600, 300);
            container = frame;
        }
        list = new ImageListView(container);
        list->setGeometry(8, 24, 560, 240);
        other = new QPushButton(QStringLiteral("Other"), &form);
        other->setGeometry(8, 340, 100, 30);
        for (int i = 0; i < rows; ++i) {
            list->addItem(QStringLiteral("ui/img%1.png").arg(i + 1));
            list->setSubItem(i, 1, QStringLiteral("src%1").arg(i + 1));
            list->setSubItem(i, 2, QStringLiteral("tgt%1").arg(i + 1));
        }
        ImageCount::set(rows);
        list->setColumnWidth(0, 160);
        list->setColumnWidth(1, 160);
        list->setColumnWidth(2, 160);
        object = std::make_unique<CountingListView>();
        object->SubClassListView(list);
        form.show();
        QApplication::setActiveWindow(&form);
        ok = QTest::qWaitForWindowActive(&form);
    }

    QLineEdit* editor() const { return object->editor(); }
    QModelIndex index(int row, int column) const
    {
        return list->imageListModel()->index(row, column);
    }
    // The visible part of a cell, in the list's viewport.
    QRect visibleCell(int row, int column) const
    {
        return list->visualRect(index(row, column)).intersected(list->viewport()->rect());
    }
    // The cell's rectangle in the editor's parent.
    QRect cellInContainer(int row, int column) const
    {
        const QRect cell = list->visualRect(index(row, column));
        return QRect(list->viewport()->mapTo(list->parentWidget(), cell.topLeft()), cell.size());
    }
    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(list->viewport(), button, {}, visibleCell(row, column).center());
    }
    void doubleClick(int row, int column) const
    {
        const QPoint at = visibleCell(row, column).center();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    bool open(int row, int column) const
    {
        doubleClick(row, column);
        return editor()->isVisible() && editor()->hasFocus();
    }
    void type(const QString& text) const { QTest::keyClicks(editor(), text); }
    void key(Qt::Key key) const { QTest::keyClick(editor(), key); }
    QString text(int row, int column) const
    {
        return column == 0 ? list->itemText(row) : list->subItem(row, column);
    }

    FakePlatform platform;
    QWidget form;
    QGroupBox* frame = nullptr;
    ImageListView* list = nullptr;
    QPushButton* other = nullptr;
    std::unique_ptr<CountingListView> object;
    bool ok = false;
};

} // namespace

class TestSubclassListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editorIsCreatedHiddenOnTheForm();
    void twoObjectsOnOneFormGetTwoEditors();
    void editorCoversTheCell();
    void editorForANameCoversTheCheckBox();
    void editorForACellScrolledOutOnTheLeft();
    void editorEndsAtTheVerticalScrollBar();
    void noRowNoEditor();
    void openSelectsTheText();
    void enterWritesEscDrops();
    void focusMovingAwayWrites();
    void mouseDownOnAnotherCellWrites();
    void afterEditOnlyOnAChange();
    void afterEditCancelKeepsTheCell();
    void beforeEditCancel();
    void keyPressCancelAndReplace();
    void changeFollowsTheText();
    void split_data();
    void split();
    void splitOnlyWhatWasWritten();
    void propertiesStoreBeforeBinding();
    void scrollBarWidth();
    void scrollOrResizeDropsTheEdit();
    void hooksInAFrame();
    void hooksDirectlyOnTheForm();
    void mouseFromTheFormIntoTheList();
    void headerFlagsAndHoverTimer();
    void releaseRemovesTheEditor();
    void releaseRestoresTheHookedWidgets();
};

void TestSubclassListView::editorIsCreatedHiddenOnTheForm()
{
    Grid grid;
    QVERIFY(grid.ok);
    QLineEdit* editor = grid.form.findChild<QLineEdit*>(QStringLiteral("txtEdit0"));
    QVERIFY(editor);
    QCOMPARE(editor, grid.editor());
    QCOMPARE(grid.object->editorName(), QStringLiteral("txtEdit0"));
    QCOMPARE(editor->parentWidget(), grid.frame);
    QVERIFY(!editor->isVisible());
    QVERIFY(!editor->hasFrame());
    QCOMPARE(editor->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(editor->font(), grid.list->font());
    QVERIFY(grid.list->gridLines());
    // The editor follows the list's font.
    QFont bigger = grid.list->font();
    bigger.setPointSize(bigger.pointSize() + 6);
    grid.list->setFont(bigger);
    QCOMPARE(editor->font(), bigger);
    QVERIFY(grid.platform.messages.isEmpty());
    // Binding again keeps the same editor; the registry reports each window
    // that is hooked already.
    grid.object->SubClassListView(grid.list);
    QCOMPARE(grid.form.findChildren<QLineEdit*>().size(), 1);
    QCOMPARE(grid.platform.messageTexts(),
             QStringList(4, QStringLiteral("Window handle is already subclassed.")));
    QCOMPARE(grid.platform.messages.first().title,
             QStringLiteral("Error in cSubclassListView.ssc_Subclass"));
}

void TestSubclassListView::twoObjectsOnOneFormGetTwoEditors()
{
    Grid grid;
    auto* second = new ImageListView(&grid.form);
    second->setObjectName(QStringLiteral("SecondList"));
    second->setGeometry(200, 320, 300, 70);
    cSubclassListView another;
    another.SubClassListView(second);
    QCOMPARE(grid.object->editorName(), QStringLiteral("txtEdit0"));
    QCOMPARE(another.editorName(), QStringLiteral("txtEdit1"));
    QCOMPARE(another.editor()->parentWidget(), &grid.form);
    // A free name below a taken one is found first.
    grid.object.reset();
    QVERIFY(!grid.form.findChild<QLineEdit*>(QStringLiteral("txtEdit0")));
    auto* third = new ImageListView(&grid.form);
    cSubclassListView yetAnother;
    yetAnother.SubClassListView(third);
    QCOMPARE(yetAnother.editorName(), QStringLiteral("txtEdit0"));
}

void TestSubclassListView::editorCoversTheCell()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(1, 1));
    const QRect cell = grid.cellInContainer(1, 1);
    QCOMPARE(grid.editor()->geometry(),
             QRect(cell.topLeft(), QSize(cell.width() - 1, cell.height())));
    QCOMPARE(grid.object->hitRow(), 1);
    QCOMPARE(grid.object->hitColumn(), 1);
}

void TestSubclassListView::editorForANameCoversTheCheckBox()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(2, 0));
    const QRect cell = grid.cellInContainer(2, 0);
    const QRect editor = grid.editor()->geometry();
    // From the list's client edge (inside its border) to one pixel short of the cell's end.
    const int clientLeft = grid.list->x() + grid.list->borderWidth();
    QCOMPARE(editor.left(), clientLeft);
    QCOMPARE(cell.left(), clientLeft);
    QCOMPARE(editor.right(), cell.right() - 1);
    QCOMPARE(editor.top(), cell.top());
    QCOMPARE(editor.height(), cell.height());
    QCOMPARE(grid.editor()->text(), QStringLiteral("ui/img3.png"));
    // The label rectangle of a Name leaves out the check box.
    const QRect label = grid.list->subItemRect(2, 0, ImageListView::PortionLabel);
    const QRect bounds = grid.list->subItemRect(2, 0, ImageListView::PortionBounds);
    QVERIFY(label.left() > bounds.left());
    QCOMPARE(label.right(), bounds.right());
}

void TestSubclassListView::editorForACellScrolledOutOnTheLeft()
{
    Grid grid;
    QVERIFY(grid.ok);
    grid.list->setColumnWidth(0, 500);
    grid.list->setColumnWidth(1, 300);
    grid.list->setColumnWidth(2, 300);
    QTRY_VERIFY(grid.list->horizontalScrollBar()->maximum() > 0);
    grid.list->horizontalScrollBar()->setValue(600);
    QCoreApplication::processEvents();
    const QRect cell = grid.cellInContainer(1, 1);
    const int clientLeft = grid.list->x() + grid.list->borderWidth();
    QVERIFY(cell.left() < clientLeft);
    QVERIFY(grid.open(1, 1));
    const QRect editor = grid.editor()->geometry();
    QCOMPARE(editor.left(), clientLeft + 2);
    QCOMPARE(editor.right(), cell.right() - 1);
    QCOMPARE(editor.top(), cell.top());
}

void TestSubclassListView::editorEndsAtTheVerticalScrollBar()
{
    Grid grid(40);
    QVERIFY(grid.ok);
    grid.list->setColumnWidth(2, 400);
    QTRY_VERIFY(grid.list->verticalScrollBar()->isVisible());
    const QRect viewport(grid.list->viewport()->mapTo(grid.frame, QPoint(0, 0)),
                         grid.list->viewport()->size());
    QVERIFY(grid.cellInContainer(0, 2).right() > viewport.right());
    QVERIFY(grid.open(0, 2));
    const QRect editor = grid.editor()->geometry();
    const int scrollBarLeft = grid.list->verticalScrollBar()->mapTo(grid.frame, QPoint(0, 0)).x();
    QCOMPARE(editor.right() + 1, scrollBarLeft);
    QCOMPARE(editor.right(), viewport.right());
    QCOMPARE(editor.left(), grid.cellInContainer(0, 2).left());
}

void TestSubclassListView::noRowNoEditor()
{
    Grid grid(2);
    QVERIFY(grid.ok);
    int before = 0;
    connect(grid.object.get(), &cSubclassListView::BeforeEdit, grid.object.get(),
            [&](qint16, bool&) { ++before; });
    const QPoint below(40, grid.list->viewport()->height() - 5);
    QTest::mouseDClick(grid.list->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(grid.object->hitRow(), -1);
    QCOMPARE(before, 1);
    QVERIFY(!grid.editor()->isVisible());
    // Right of the last column: a row but no column.
    grid.list->setColumnWidth(2, 50);
    const QPoint right(grid.list->viewport()->width() - 5, grid.visibleCell(0, 0).center().y());
    QTest::mouseDClick(grid.list->viewport(), Qt::LeftButton, {}, right);
    QCOMPARE(grid.object->hitRow(), 0);
    QCOMPARE(grid.object->hitColumn(), -1);
    QVERIFY(!grid.editor()->isVisible());
}

void TestSubclassListView::openSelectsTheText()
{
    Grid grid;
    QVERIFY(grid.ok);
    grid.list->setSubItem(1, 1, QStringLiteral("Hello"));
    QVERIFY(grid.open(1, 1));
    QCOMPARE(grid.editor()->text(), QStringLiteral("Hello"));
    QCOMPARE(grid.editor()->selectedText(), QStringLiteral("Hello"));
    // Typing replaces the selection.
    grid.type(QStringLiteral("Bye"));
    QCOMPARE(grid.editor()->text(), QStringLiteral("Bye"));
}

void TestSubclassListView::enterWritesEscDrops()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("Hello"));
    grid.key(Qt::Key_Return);
    QCOMPARE(grid.text(0, 1), QStringLiteral("Hello"));
    QVERIFY(!grid.editor()->isVisible());
    QVERIFY(grid.list->hasFocus());

    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("Dropped"));
    grid.key(Qt::Key_Escape);
    QCOMPARE(grid.text(0, 1), QStringLiteral("Hello"));
    QVERIFY(!grid.editor()->isVisible());
    QVERIFY(grid.list->hasFocus());
}

void TestSubclassListView::focusMovingAwayWrites()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(0, 2));
    grid.type(QStringLiteral("by click"));
    QTest::mouseClick(grid.other, Qt::LeftButton);
    QCOMPARE(grid.text(0, 2), QStringLiteral("by click"));
    QVERIFY(!grid.editor()->isVisible());

    QVERIFY(grid.open(1, 2));
    grid.type(QStringLiteral("by tab"));
    grid.key(Qt::Key_Tab);
    QCOMPARE(grid.text(1, 2), QStringLiteral("by tab"));
    QVERIFY(!grid.editor()->isVisible());

    // Another window taking the focus is no move within the form.
    QVERIFY(grid.open(2, 2));
    grid.type(QStringLiteral("kept open"));
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QVERIFY(grid.editor()->isVisible());
    QCOMPARE(grid.text(2, 2), QStringLiteral("tgt3"));
    elsewhere.hide();
    QApplication::setActiveWindow(&grid.form);
    QVERIFY(QTest::qWaitForWindowActive(&grid.form));
    QVERIFY(grid.editor()->hasFocus());
    grid.key(Qt::Key_Return);
    QCOMPARE(grid.text(2, 2), QStringLiteral("kept open"));
}

void TestSubclassListView::mouseDownOnAnotherCellWrites()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("first"));
    grid.press(2, 2);
    QCOMPARE(grid.text(0, 1), QStringLiteral("first"));
    QVERIFY(!grid.editor()->isVisible());
    QCOMPARE(grid.object->hitRow(), 2);
    QCOMPARE(grid.object->hitColumn(), 2);
    QCOMPARE(grid.object->destroyCalls > 0, true);
    // A right button press counts as well, and the next double click opens its cell.
    QVERIFY(grid.open(1, 1));
    grid.type(QStringLiteral("second"));
    grid.press(3, 1, Qt::RightButton);
    QCOMPARE(grid.text(1, 1), QStringLiteral("second"));
    QCOMPARE(grid.object->hitRow(), 3);
    QVERIFY(grid.open(3, 1));
    QCOMPARE(grid.editor()->text(), QStringLiteral("src4"));
}

void TestSubclassListView::afterEditOnlyOnAChange()
{
    Grid grid;
    QVERIFY(grid.ok);
    QList<qint16> after;
    connect(grid.object.get(), &cSubclassListView::AfterEdit, grid.object.get(),
            [&](qint16 Columna, bool&, QString&) { after.append(Columna); });
    QVERIFY(grid.open(0, 1));
    grid.key(Qt::Key_Enter); // the keypad's Enter ends an edit too
    QCOMPARE(after.size(), 0);
    QVERIFY(!grid.editor()->isVisible());

    // A change of case or of blanks alone is a change.
    QVERIFY(grid.open(0, 1));
    grid.key(Qt::Key_End);
    grid.type(QStringLiteral(" "));
    grid.key(Qt::Key_Return);
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.at(0), qint16(1));
    QCOMPARE(grid.text(0, 1), QStringLiteral("src1 "));

    // An empty cell compares against its own (empty) start, not the last cell opened.
    grid.list->setSubItem(2, 2, QString());
    QVERIFY(grid.open(2, 2));
    QCOMPARE(grid.editor()->text(), QString());
    grid.key(Qt::Key_Return);
    QCOMPARE(after.size(), 1);
    QVERIFY(grid.open(2, 2));
    grid.type(QStringLiteral("x"));
    grid.key(Qt::Key_Return);
    QCOMPARE(after.size(), 2);
    QCOMPARE(after.at(1), qint16(2));
}

void TestSubclassListView::afterEditCancelKeepsTheCell()
{
    Grid grid;
    QVERIFY(grid.ok);
    QString seen;
    connect(grid.object.get(), &cSubclassListView::AfterEdit, grid.object.get(),
            [&](qint16, bool& Cancel, QString& Value) {
                seen = Value;
                Value = QStringLiteral("ignored");
                Cancel = grid.object->hitRow() == 0;
            });
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("refused"));
    grid.key(Qt::Key_Return);
    QCOMPARE(seen, QStringLiteral("refused"));
    QCOMPARE(grid.text(0, 1), QStringLiteral("src1"));
    QVERIFY(!grid.editor()->isVisible());
    // A changed Value is not what gets written.
    QVERIFY(grid.open(1, 1));
    grid.type(QStringLiteral("taken"));
    grid.key(Qt::Key_Return);
    QCOMPARE(grid.text(1, 1), QStringLiteral("taken"));
}

void TestSubclassListView::beforeEditCancel()
{
    Grid grid;
    QVERIFY(grid.ok);
    QList<qint16> columns;
    connect(grid.object.get(), &cSubclassListView::BeforeEdit, grid.object.get(),
            [&](qint16 Columna, bool& Cancel) {
                columns.append(Columna);
                Cancel = Columna == 2;
            });
    grid.doubleClick(0, 2);
    QVERIFY(!grid.editor()->isVisible());
    QVERIFY(grid.open(0, 1));
    QCOMPARE(columns, (QList<qint16>{2, 1}));
}

void TestSubclassListView::keyPressCancelAndReplace()
{
    Grid grid;
    QVERIFY(grid.ok);
    QString keys;
    connect(grid.object.get(), &cSubclassListView::KeyPress, grid.object.get(),
            [&](qint16 Columna, bool& Cancel, char16_t& KeyAscii) {
                QCOMPARE(Columna, qint16(1));
                keys.append(QChar(KeyAscii));
                if (KeyAscii == u'x')
                    Cancel = true;
                else if (KeyAscii == u'a')
                    KeyAscii = u'A';
            });
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("xabx"));
    QCOMPARE(grid.editor()->text(), QStringLiteral("Ab"));
    grid.key(Qt::Key_Backspace);
    QCOMPARE(grid.editor()->text(), QStringLiteral("A"));
    grid.key(Qt::Key_Return);
    QCOMPARE(keys, QStringLiteral("xabx"));
    QCOMPARE(grid.text(0, 1), QStringLiteral("A"));
    QVERIFY(grid.open(0, 1));
    grid.key(Qt::Key_Escape);
    QCOMPARE(keys, QStringLiteral("xabx"));
}

void TestSubclassListView::changeFollowsTheText()
{
    Grid grid;
    QVERIFY(grid.ok);
    QStringList values;
    connect(grid.object.get(), &cSubclassListView::Change, grid.object.get(),
            [&](qint16 Columna, QString& Value) {
                QCOMPARE(Columna, qint16(2));
                values.append(Value);
            });
    QVERIFY(grid.open(1, 2));
    grid.type(QStringLiteral("ab"));
    QCOMPARE(values,
             (QStringList{QStringLiteral("tgt2"), QStringLiteral("a"), QStringLiteral("ab")}));
}

void TestSubclassListView::split_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("moved"); // empty with no split

    QTest::newRow("row 3") << 2 << 1 << "red | blue"
                           << "red"
                           << "blue";
    QTest::newRow("last row") << 4 << 1 << "red | blue"
                              << "red"
                              << "blue";
    QTest::newRow("nothing before") << 1 << 1 << " | b"
                                    << ""
                                    << "b";
    QTest::newRow("no blanks") << 1 << 1 << "a|b"
                               << "a|b" << QString();
    QTest::newRow("target text") << 2 << 2 << "rot | blau"
                                 << "rot"
                                 << "blau";
}

void TestSubclassListView::split()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QString, moved);
    const bool splits = typed.contains(QStringLiteral(" | "));
    Grid grid;
    QVERIFY(grid.ok);
    grid.list->setSubItem(row, column, QString());
    const int other = column == 1 ? 2 : 1;
    const QString otherText = grid.text(row, other);
    const QString name = grid.text(row, 0);
    const QString below = row + 1 < grid.list->itemCount() ? grid.text(row + 1, 0) : QString();

    QVERIFY(grid.open(row, column));
    grid.type(typed);
    grid.key(Qt::Key_Return);

    QCOMPARE(grid.text(row, column), kept);
    QCOMPARE(grid.text(row, other), otherText);
    QCOMPARE(grid.text(row, 0), name);
    if (!splits) {
        QCOMPARE(grid.list->itemCount(), 5);
        QCOMPARE(ImageCount::value(), 5);
        QVERIFY(!grid.list->isChecked(row));
        QCOMPARE(grid.editor()->text(), typed);
        return;
    }
    QCOMPARE(grid.list->itemCount(), 6);
    QCOMPARE(ImageCount::value(), 6);
    QCOMPARE(grid.text(row + 1, 0), name);
    QCOMPARE(grid.text(row + 1, column), moved);
    QCOMPARE(grid.text(row + 1, other), QString());
    QVERIFY(grid.list->isChecked(row));
    QVERIFY(grid.list->isChecked(row + 1));
    if (!below.isEmpty())
        QCOMPARE(grid.text(row + 2, 0), below);
    QCOMPARE(grid.editor()->text(), QString());
}

void TestSubclassListView::splitOnlyWhatWasWritten()
{
    Grid grid;
    QVERIFY(grid.ok);
    // Esc.
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("a | b"));
    grid.key(Qt::Key_Escape);
    QCOMPARE(grid.list->itemCount(), 5);
    // A Name is never split.
    QVERIFY(grid.open(0, 0));
    grid.type(QStringLiteral("x | y"));
    grid.key(Qt::Key_Return);
    QCOMPARE(grid.list->itemCount(), 5);
    QCOMPARE(grid.text(0, 0), QStringLiteral("x | y"));
    // A cancelled AfterEdit.
    const auto refuse = connect(grid.object.get(), &cSubclassListView::AfterEdit, grid.object.get(),
                                [](qint16, bool& Cancel, QString&) { Cancel = true; });
    QVERIFY(grid.open(1, 2));
    grid.type(QStringLiteral("c | d"));
    grid.key(Qt::Key_Return);
    QCOMPARE(grid.list->itemCount(), 5);
    QCOMPARE(grid.text(1, 2), QStringLiteral("tgt2"));
    disconnect(refuse);
    // A mouse-down elsewhere writes, and so splits.
    QVERIFY(grid.open(1, 2));
    grid.type(QStringLiteral("c | d"));
    grid.press(4, 1);
    QCOMPARE(grid.list->itemCount(), 6);
    QCOMPARE(ImageCount::value(), 6);
    QCOMPARE(grid.text(2, 2), QStringLiteral("d"));
    QCOMPARE(grid.text(2, 0), grid.text(1, 0));
}

void TestSubclassListView::propertiesStoreBeforeBinding()
{
    cSubclassListView object;
    object.setIconAlingmentRight(true);
    object.setTextNormalColor(QColor(Qt::red));
    object.setTextResalteColor(QColor(Qt::blue));
    object.setHedersFontBlod(true);
    object.RefreshColData();
    object.SetPropertyTextBoxEdit();
    QVERIFY(object.IconAlingmentRight());
    QCOMPARE(object.TextNormalColor(), QColor(Qt::red));
    QCOMPARE(object.TextResalteColor(), QColor(Qt::blue));
    QVERIFY(object.HedersFontBlod());
    QVERIFY(!object.editor());
    QCOMPARE(object.hotColumn(), -1);
    QVERIFY(!object.SubClassListView(nullptr));

    Grid grid;
    grid.object->SetPropertyTextBoxEdit();
    QCOMPARE(grid.editor()->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(grid.editor()->palette().color(QPalette::Text), QColor(Qt::black));
}

void TestSubclassListView::scrollBarWidth()
{
    Grid grid(3);
    QVERIFY(grid.ok);
    Platform::Hwnd window = grid.object->listViewWindow();
    QCOMPARE(grid.object->GetScrollListViewWidth(window), 0);
    for (int i = 0; i < 40; ++i)
        grid.list->addItem(QStringLiteral("more%1.png").arg(i));
    QTRY_VERIFY(grid.list->verticalScrollBar()->isVisible());
    QCOMPARE(grid.object->GetScrollListViewWidth(window), grid.list->verticalScrollBar()->width());
    Platform::Hwnd notAWindow = 0;
    QCOMPARE(grid.object->GetScrollListViewWidth(notAWindow), 0);
}

void TestSubclassListView::scrollOrResizeDropsTheEdit()
{
    Grid grid(40);
    QVERIFY(grid.ok);
    QTRY_VERIFY(grid.list->verticalScrollBar()->isVisible());
    QVERIFY(grid.open(1, 1));
    grid.type(QStringLiteral("a | b"));
    const int destroys = grid.object->destroyCalls;
    const QPoint at = grid.visibleCell(3, 1).center();
    QWheelEvent wheel(at, grid.list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.list->viewport(), &wheel);
    QVERIFY(grid.list->verticalScrollBar()->value() > 0);
    QVERIFY(!grid.editor()->isVisible());
    QCOMPARE(grid.text(1, 1), QStringLiteral("src2"));
    QCOMPARE(grid.list->itemCount(), 40);
    QVERIFY(grid.object->destroyCalls > destroys);

    QVERIFY(grid.open(2, 2));
    grid.type(QStringLiteral("gone"));
    grid.list->resize(grid.list->width() - 20, grid.list->height());
    QVERIFY(!grid.editor()->isVisible());
    QCOMPARE(grid.text(2, 2), QStringLiteral("tgt3"));

    // So does a column that changes width.
    QVERIFY(grid.open(2, 2));
    grid.type(QStringLiteral("gone too"));
    grid.list->setColumnWidth(1, 100);
    QVERIFY(!grid.editor()->isVisible());
    QCOMPARE(grid.text(2, 2), QStringLiteral("tgt3"));

    // A hidden editor is left alone by a scroll.
    grid.list->verticalScrollBar()->setValue(0);
    QVERIFY(!grid.editor()->isVisible());

    // So do rows replaced under the editor (a new search, a load): the text
    // must not land in another image's row.
    QVERIFY(grid.open(4, 1));
    grid.type(QStringLiteral("for img5"));
    grid.list->clearItems();
    for (int i = 0; i < 6; ++i)
        grid.list->addItem(QStringLiteral("new%1.png").arg(i));
    QVERIFY(!grid.editor()->isVisible());
    QTest::keyClick(grid.editor(), Qt::Key_Return);
    QCOMPARE(grid.text(4, 1), QString());
}

void TestSubclassListView::hooksInAFrame()
{
    Grid grid;
    QVERIFY(grid.ok);
    const Platform::Hwnd list = Platform::hwndOf(grid.list->viewport());
    const Platform::Hwnd header = Platform::hwndOf(grid.list->header()->viewport());
    const Platform::Hwnd frame = Platform::hwndOf(grid.frame);
    const Platform::Hwnd form = Platform::hwndOf(&grid.form);
    QCOMPARE(grid.object->listViewWindow(), list);
    QCOMPARE(grid.object->headerWindow(), header);
    QCOMPARE(grid.object->containerWindow(), frame);
    QCOMPARE(grid.object->formWindow(), form);
    grid.object->windowsSeen.clear();
    for (QWidget* widget : {grid.list->viewport(), grid.list->header()->viewport(),
                            static_cast<QWidget*>(grid.frame), &grid.form})
        moveOver(widget, QPoint(2, 2));
    QCOMPARE(grid.object->windowsSeen, (std::set<Platform::Hwnd>{list, header, frame, form}));
    // The other widgets of the form are not hooked.
    grid.object->windowsSeen.clear();
    moveOver(grid.other, QPoint(2, 2));
    moveOver(grid.list, QPoint(1, 1));
    QVERIFY(grid.object->windowsSeen.empty());
}

void TestSubclassListView::hooksDirectlyOnTheForm()
{
    Grid grid(5, false);
    QVERIFY(grid.ok);
    const Platform::Hwnd form = Platform::hwndOf(&grid.form);
    QCOMPARE(grid.object->containerWindow(), form);
    QCOMPARE(grid.object->formWindow(), form);
    QCOMPARE(grid.editor()->parentWidget(), &grid.form);
    grid.object->windowsSeen.clear();
    for (QWidget* widget : {grid.list->viewport(), grid.list->header()->viewport(),
                            static_cast<QWidget*>(&grid.form)})
        moveOver(widget, QPoint(2, 2));
    QCOMPARE(grid.object->windowsSeen,
             (std::set<Platform::Hwnd>{grid.object->listViewWindow(), grid.object->headerWindow(),
                                       form}));
    QVERIFY(grid.platform.messages.isEmpty());
    QVERIFY(grid.open(1, 1));
}

void TestSubclassListView::mouseFromTheFormIntoTheList()
{
    Grid grid;
    QVERIFY(grid.ok);
    QWidget* list = grid.list->viewport();
    moveOver(&grid.form, QPoint(630, 5));
    grid.object->destroyCalls = 0;
    moveOver(list, QPoint(10, 10));
    QCOMPARE(grid.object->destroyCalls, 1);
    moveOver(list, QPoint(20, 12));
    moveOver(list, QPoint(30, 40));
    QCOMPARE(grid.object->destroyCalls, 1);
    // Through the frame back in.
    moveOver(grid.frame, QPoint(2, 20));
    moveOver(list, QPoint(10, 10));
    QCOMPARE(grid.object->destroyCalls, 2);
    // A press on the list activates it: Destroy before the mouse-down handling too.
    grid.object->destroyCalls = 0;
    grid.press(0, 1);
    QCOMPARE(grid.object->destroyCalls, 2);
}

void TestSubclassListView::headerFlagsAndHoverTimer()
{
    QCursor::setPos(2000, 2000);
    Grid grid;
    QVERIFY(grid.ok);
    QWidget* header = grid.list->header()->viewport();
    QCOMPARE(grid.object->hotColumn(), -1);
    const int second = grid.list->header()->sectionViewportPosition(1) + 10;
    moveOver(header, QPoint(second, 5));
    QCOMPARE(grid.object->hotColumn(), 1);
    QVERIFY(grid.object->isHoverTimerRunning());
    // The move was sent, the cursor is elsewhere: a tick ends hot tracking.
    QTRY_VERIFY(!grid.object->isHoverTimerRunning());
    QCOMPARE(grid.object->hotColumn(), -1);
    moveOver(header, QPoint(5, 5));
    QCOMPARE(grid.object->hotColumn(), 0);
    moveOver(header, QPoint(5, header->height() + 5));
    QCOMPARE(grid.object->hotColumn(), -1);

    QTest::mousePress(header, Qt::LeftButton, {}, QPoint(second, 5));
    QVERIFY(grid.object->isHeaderPressed());
    QVERIFY(!grid.object->isHeaderDragged());
    QTest::mouseMove(header, QPoint(second + 5, 5));
    QMouseEvent drag(QEvent::MouseMove, QPoint(second + 8, 5),
                     header->mapToGlobal(QPoint(second + 8, 5)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(header, &drag);
    QVERIFY(grid.object->isHeaderDragged());
    QTest::mouseRelease(header, Qt::LeftButton, {}, QPoint(second + 8, 5));
    QVERIFY(!grid.object->isHeaderPressed());
    QVERIFY(!grid.object->isHeaderDragged());
    QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 2),
             QStringLiteral("Target Text"));
    QCOMPARE(grid.object->GetListviewColumn(grid.object->listViewWindow(), 2), QString());
    QCOMPARE(grid.object->GetListviewColumn(grid.object->headerWindow(), 3), QString());
}

void TestSubclassListView::releaseRemovesTheEditor()
{
    Grid grid;
    QVERIFY(grid.ok);
    QVERIFY(grid.open(0, 1));
    grid.type(QStringLiteral("dropped at the end"));
    int after = 0;
    connect(grid.object.get(), &cSubclassListView::AfterEdit, &grid.form,
            [&](qint16, bool&, QString&) { ++after; });
    grid.object.reset();
    QVERIFY(!grid.form.findChild<QLineEdit*>(QStringLiteral("txtEdit0")));
    // An object that ends raises no events: the open edit goes with its editor.
    QCOMPARE(after, 0);
    QCOMPARE(grid.text(0, 1), QStringLiteral("src1"));
    // The list works on without the object.
    QTest::mouseDClick(grid.list->viewport(), Qt::LeftButton, {}, grid.visibleCell(1, 1).center());
    QCOMPARE(grid.form.findChildren<QLineEdit*>().size(), 0);

    // Nor does an editor that goes with its frame while the object lives on.
    Grid frameGoes;
    QVERIFY(frameGoes.ok);
    connect(frameGoes.object.get(), &cSubclassListView::AfterEdit, &frameGoes.form,
            [&](qint16, bool&, QString&) { ++after; });
    QVERIFY(frameGoes.open(0, 1));
    frameGoes.type(QStringLiteral("gone with the frame"));
    delete frameGoes.frame;
    QCOMPARE(after, 0);
    QVERIFY(!frameGoes.object->editor());
}

void TestSubclassListView::releaseRestoresTheHookedWidgets()
{
    Grid grid(40);
    QVERIFY(grid.ok);
    QVERIFY(grid.form.hasMouseTracking());
    QVERIFY(grid.frame->hasMouseTracking());
    QVERIFY(grid.list->viewport()->hasMouseTracking());
    moveOver(grid.list->header()->viewport(), QPoint(5, 5));
    QVERIFY(grid.object->isHoverTimerRunning());
    grid.object.reset();
    QVERIFY(!grid.form.hasMouseTracking());
    QVERIFY(!grid.frame->hasMouseTracking());
    // Every former hooked window goes on working without the object.
    for (QWidget* widget : {grid.list->viewport(), grid.list->header()->viewport(),
                            static_cast<QWidget*>(grid.frame), &grid.form}) {
        moveOver(widget, QPoint(3, 3));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
        widget->repaint();
    }
    grid.list->verticalScrollBar()->setValue(5);
    grid.list->resize(grid.list->size() - QSize(10, 10));
    QTest::qWait(30);
    QVERIFY(grid.platform.messages.isEmpty());
    // The windows can be hooked afresh.
    cSubclassListView again;
    again.SubClassListView(grid.list);
    QVERIFY(grid.platform.messages.isEmpty());
    QCOMPARE(again.editorName(), QStringLiteral("txtEdit0"));
}

QTEST_MAIN(TestSubclassListView)
#include "tst_subclasslistview.moc"
