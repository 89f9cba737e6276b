#include "EditorGeometry.h"
#include "GridTestSupport.h"
#include "WindowHandles.h"

#include <QScrollBar>
#include <QWheelEvent>
#include <functional>

class TestSubclassListView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editorCreation()
    {
        Grid grid;
        QVERIFY(grid.ok);
        QLineEdit* editor = grid.form.findChild<QLineEdit*>(u"txtEdit0"_qs);
        QCOMPARE(editor, grid.editor());
        QVERIFY(editor->isHidden());
        QVERIFY(!editor->hasFrame());
        QCOMPARE(editor->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(grid.list->gridLines());
        // The editor follows the list's font.
        QFont bigger = grid.list->font();
        bigger.setPointSize(bigger.pointSize() + 6);
        grid.list->setFont(bigger);
        QCOMPARE(editor->font(), bigger);
        // Binding again keeps the editor; the registry reports each window hooked already.
        grid.object->SubClassListView(grid.list);
        QCOMPARE(grid.form.findChildren<QLineEdit*>().size(), 1);
        QCOMPARE(grid.platform.messageTexts(),
                 QStringList(4, u"Window handle is already subclassed."_qs));
        // A second object gets the next name; a freed name is taken first.
        cSubclassListView second;
        second.SubClassListView(new ImageListView(&grid.form));
        QCOMPARE(second.editorName(), u"txtEdit1"_qs);
        grid.object.reset();
        cSubclassListView third;
        third.SubClassListView(new ImageListView(&grid.form));
        QCOMPARE(third.editorName(), u"txtEdit0"_qs);
        // Unbound, nothing happens.
        cSubclassListView unbound;
        QVERIFY(!unbound.SubClassListView(nullptr));
        unbound.SetPropertyTextBoxEdit();
        QVERIFY(!unbound.SowToolTipText(u"Title"_qs, u"Text"_qs, 1, 1));
        QCOMPARE(QCursor::pos(), QPoint(2000, 2000));
    }
    void editorGeometry()
    {
        Grid grid(40);
        QVERIFY(grid.ok);
        QTRY_VERIFY(grid.list->verticalScrollBar()->isVisible());
        const int clientLeft = grid.list->x() + grid.list->borderWidth();
        // A text cell: exactly over it, one pixel narrower, its text selected.
        QVERIFY(grid.open(1, 1));
        QCOMPARE(grid.editor()->geometry(), grid.cellInContainer(1, 1).adjusted(0, 0, -1, 0));
        QCOMPARE(grid.editor()->selectedText(), u"src2"_qs);
        grid.key(Qt::Key_Escape);
        // A Name: from the client edge, over the check box its label leaves out.
        QVERIFY(grid.list->subItemRect(2, 0, ImageListView::PortionLabel).left() > 0);
        QVERIFY(grid.open(2, 0));
        QCOMPARE(grid.cellInContainer(2, 0).left(), clientLeft);
        QCOMPARE(grid.editor()->geometry(), grid.cellInContainer(2, 0).adjusted(0, 0, -1, 0));
        grid.key(Qt::Key_Escape);
        // Under the vertical scroll bar: it ends where the bar begins.
        Platform::Hwnd noWindow = 0;
        QCOMPARE(grid.object->GetScrollListViewWidth(noWindow), 0);
        grid.list->setColumnWidth(2, 400);
        QVERIFY(grid.open(0, 2));
        const int barLeft = grid.list->verticalScrollBar()->mapTo(grid.frame, QPoint(0, 0)).x();
        QCOMPARE(grid.editor()->geometry().right() + 1, barLeft);
    }
    void placement()
    {
        // The list at 120, 240 twips, 10815 wide, with a 2-pixel border: at 15
        // twips per pixel its client area runs from 150, 270 to 10905.
        const auto place = [](const QRect& label, int column, int scrollBar, int twipsPerPixel) {
            const EditorGeometry::Placement editor = EditorGeometry::place(
                {120, 240, 10815, 2, 2}, label, column, scrollBar, twipsPerPixel, twipsPerPixel);
            return QRectF(editor.left, editor.top, editor.width, editor.height);
        };
        // Past the right edge without a scroll bar: it ends at the client area's edge.
        QCOMPARE(place(QRect(650, 40, 100, 18), 2, 0, 15), QRectF(9900, 870, 1005, 270));
        // A Name scrolled out on the left: two pixels inside, as any cell.
        QCOMPARE(place(QRect(-50, 40, 100, 18), 0, 0, 15), QRectF(180, 870, 705, 270));
        // Wholly under the scroll bar: no width.
        QCOMPARE(place(QRect(710, 40, 100, 18), 1, 17, 15), QRectF(10800, 870, 0, 270));
        QCOMPARE(place(QRect(10, 20, 30, 12), 1, 0, 10), QRectF(240, 460, 290, 120));
    }
    void commitAndDrop()
    {
        Grid grid;
        QVERIFY(grid.ok);
        // Enter writes, Esc drops; either way the list has the focus back.
        QVERIFY(grid.write(0, 1, u"Hello"_qs));
        QVERIFY(!grid.editor()->isVisible() && grid.list->hasFocus());
        QVERIFY(grid.write(0, 1, u"Dropped"_qs, Qt::Key_Escape));
        QCOMPARE(grid.text(0, 1), u"Hello"_qs);
        QVERIFY(!grid.editor()->isVisible() && grid.list->hasFocus());
        // The focus moving to another control writes.
        QVERIFY(grid.typeInto(0, 2, u"by click"_qs));
        QTest::mouseClick(grid.other, Qt::LeftButton);
        QCOMPARE(grid.text(0, 2), u"by click"_qs);
        QVERIFY(!grid.editor()->isVisible());
        // Tab writes and edits the next text cell, Shift+Tab the one before,
        // Ctrl+Enter the same column a row down; F2 and Enter open Source Text.
        QVERIFY(grid.write(1, 2, u"by tab"_qs, Qt::Key_Tab));
        QCOMPARE(grid.text(1, 2), u"by tab"_qs);
        QCOMPARE(grid.hit(), std::pair(2, 1));
        QTest::keyClicks(grid.editor(), u"two"_qs);
        QTest::keyClick(grid.editor(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(grid.text(2, 1), u"two"_qs);
        QCOMPARE(grid.hit(), std::pair(1, 2));
        QTest::keyClick(grid.editor(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(grid.hit(), std::pair(2, 2));
        QTest::keyClick(grid.editor(), Qt::Key_Escape);
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_Return}) {
            QTest::keyClick(grid.list, key);
            QVERIFY(grid.editor()->isVisible());
            QCOMPARE(grid.hit(), std::pair(2, 1));
            QTest::keyClick(grid.editor(), Qt::Key_Escape);
        }
        for (int row = 0; row < grid.list->itemCount(); ++row)
            grid.list->setChecked(row, row != 3);
        grid.list->setRowFilter({{}, false, true}); // row 3 filtered out: skipped
        QVERIFY(grid.object->EditCell(2, 2));
        QTest::keyClick(grid.editor(), Qt::Key_Tab);
        QCOMPARE(grid.hit(), std::pair(4, 1));
        QTest::keyClick(grid.editor(), Qt::Key_Escape);
        grid.list->setRowFilter({});
        // A mouse-down on another cell, with either button, writes and hits that cell.
        for (const auto& [button, row] :
             {std::pair(Qt::LeftButton, 2), std::pair(Qt::RightButton, 4)}) {
            QVERIFY(grid.typeInto(1, 1, QString::number(row)));
            grid.press(row, 2, button);
            QCOMPARE(grid.text(1, 1), QString::number(row));
            QVERIFY(!grid.editor()->isVisible());
            QCOMPARE(grid.hit(), std::pair(row, 2));
        }
        // Another window taking the focus is no move within the form: the edit stays open.
        QVERIFY(grid.typeInto(2, 2, u"kept open"_qs));
        {
            QWidget elsewhere;
            elsewhere.show();
            QApplication::setActiveWindow(&elsewhere);
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            QCOMPARE(grid.text(2, 2), u"tgt3"_qs);
        }
        QApplication::setActiveWindow(&grid.form);
        QVERIFY(QTest::qWaitForWindowActive(&grid.form));
        QVERIFY(grid.editor()->hasFocus());
        grid.key(Qt::Key_Return);
        QCOMPARE(grid.text(2, 2), u"kept open"_qs);
    }
    void events()
    {
        Grid grid;
        QVERIFY(grid.ok);
        cSubclassListView* object = grid.object.get();
        int before = 0;
        QList<qint16> after;
        QString keys;
        QStringList changes;
        connect(object, &cSubclassListView::BeforeEdit, object, [&](qint16 Columna, bool& Cancel) {
            ++before;
            Cancel = Columna == 2;
        });
        connect(object, &cSubclassListView::AfterEdit, object,
                [&](qint16 Columna, bool& Cancel, QString& Value) {
                    after.append(Columna);
                    Cancel = Value.startsWith(u"refused"_qs);
                    Value = u"ignored"_qs;
                });
        connect(object, &cSubclassListView::KeyPress, object,
                [&](qint16, bool& Cancel, char16_t& KeyAscii) {
                    keys.append(QChar(KeyAscii));
                    if (KeyAscii == u'x')
                        Cancel = true;
                    else if (KeyAscii == u'a')
                        KeyAscii = u'A';
                });
        connect(object, &cSubclassListView::Change, object,
                [&](qint16, QString& Value) { changes.append(Value); });
        // BeforeEdit comes on every double click; its Cancel, or no cell (below
        // the rows, right of the last column), leaves the editor closed.
        grid.doubleClick(grid.cellPoint(0, 2));
        QVERIFY(!grid.editor()->isVisible());
        grid.doubleClick(QPoint(40, grid.list->viewport()->height() - 5));
        QCOMPARE(grid.object->hitRow(), -1);
        grid.list->setColumnWidth(2, 50);
        grid.doubleClick(QPoint(grid.list->viewport()->width() - 5, grid.cellPoint(0, 0).y()));
        QCOMPARE(grid.hit(), std::pair(0, -1));
        QVERIFY(!grid.editor()->isVisible());
        QCOMPARE(before, 3);
        // A cancelled key alone leaves the opened text, selection and all.
        QVERIFY(grid.typeInto(0, 1, u"x"_qs));
        QCOMPARE(grid.editor()->text(), u"src1"_qs);
        QCOMPARE(grid.editor()->selectedText(), u"src1"_qs);
        grid.key(Qt::Key_Escape);
        keys.clear();
        // KeyPress: Cancel drops a character, a replaced one is typed instead;
        // Backspace, Enter and Esc never reach it. Change follows the text.
        QVERIFY(grid.typeInto(0, 1, u"xabx"_qs));
        QCOMPARE(grid.editor()->text(), u"Ab"_qs);
        grid.key(Qt::Key_Backspace);
        QCOMPARE(changes.first(), u"src1"_qs);
        QCOMPARE(changes.last(), u"A"_qs);
        grid.key(Qt::Key_Return);
        QVERIFY(grid.write(0, 1, {}, Qt::Key_Escape));
        QCOMPARE(keys, u"xabx"_qs);
        // AfterEdit on the change; its Value is not what gets written.
        QCOMPARE(after, QList<qint16>{1});
        QCOMPARE(grid.text(0, 1), u"A"_qs);
        // No change, no AfterEdit; the keypad's Enter ends an edit too.
        QVERIFY(grid.write(0, 1, {}, Qt::Key_Enter));
        QVERIFY(!grid.editor()->isVisible());
        QCOMPARE(after.size(), 1);
        // Blanks alone are a change.
        QVERIFY(grid.write(0, 1, u"A "_qs));
        QCOMPARE(after.size(), 2);
        // An empty cell compares against its own empty start, not the last cell opened.
        grid.list->setSubItem(2, 1, QString());
        QVERIFY(grid.write(2, 1, {}));
        QCOMPARE(after.size(), 2);
        QVERIFY(grid.write(2, 1, u"y"_qs));
        QCOMPARE(after.size(), 3);
        // AfterEdit's Cancel keeps the cell; an edit not written, or dropped by Esc, is not split.
        QVERIFY(grid.write(3, 1, u"refused | b"_qs));
        QCOMPARE(grid.text(3, 1), u"src4"_qs);
        QVERIFY(!grid.editor()->isVisible());
        QVERIFY(grid.write(1, 1, u"c | d"_qs, Qt::Key_Escape));
        QCOMPARE(grid.list->itemCount(), 5);
    }
    void split_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<int>("rows");
        QTest::newRow("row 3") << 2 << 1 << u"red | blue"_qs << u"red"_qs << u"blue"_qs << 6;
        QTest::newRow("last row") << 4 << 1 << u"red | blue"_qs << u"red"_qs << u"blue"_qs << 6;
        QTest::newRow("first separator")
            << 1 << 1 << u"a | b | c"_qs << u"a"_qs << u"b | c"_qs << 6;
        QTest::newRow("nothing before") << 1 << 1 << u" | b"_qs << QString() << u"b"_qs << 6;
        QTest::newRow("nothing after") << 1 << 1 << u"a | "_qs << u"a"_qs << QString() << 6;
        QTest::newRow("extra blanks stay") << 1 << 1 << u"a  |  b"_qs << u"a "_qs << u" b"_qs << 6;
        QTest::newRow("no blanks") << 1 << 1 << u"a|b"_qs << u"a|b"_qs << QString() << 5;
        QTest::newRow("Target Text") << 2 << 2 << u"rot | blau"_qs << u"rot"_qs << u"blau"_qs << 6;
        QTest::newRow("Name") << 0 << 0 << u"x | y"_qs << u"x | y"_qs << QString() << 5;
    }
    void split()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, moved);
        QFETCH(int, rows);
        Grid grid;
        QVERIFY(grid.ok);
        // A split checks both rows; the new one, directly below, has the same Name
        // and the rest in the edited column only.
        QStringList expected = grid.rows();
        QStringList cells{grid.text(row, 0), grid.text(row, 1), grid.text(row, 2),
                          rows == 6 ? u"x"_qs : QString()};
        cells[column] = kept;
        expected[row] = cells.join(u'|');
        if (rows == 6) {
            QStringList added{cells[0], {}, {}, u"x"_qs};
            added[column] = moved;
            expected.insert(row + 1, added.join(u'|'));
        }
        QVERIFY(grid.write(row, column, typed));
        QCOMPARE(grid.rows(), expected);
        QCOMPARE(ImageCount::value(), rows);
    }
    void listChangesDropTheEdit()
    {
        Grid grid(40);
        QVERIFY(grid.ok);
        QTRY_VERIFY(grid.list->verticalScrollBar()->isVisible());
        // An open "a | b" in row 2 is neither written nor split.
        const auto dropsTheEdit = [&](const std::function<void()>& change) {
            grid.list->verticalScrollBar()->setValue(0);
            if (!grid.typeInto(1, 1, u"a | b"_qs))
                return false;
            change();
            return !grid.editor()->isVisible() && grid.text(1, 1) == u"src2"_qs &&
                   grid.list->itemCount() == 40;
        };
        QVERIFY(dropsTheEdit([&] {
            const int destroys = grid.object->destroyCalls;
            const QPoint at = grid.cellPoint(3, 1);
            QWheelEvent wheel(at, grid.list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid.list->viewport(), &wheel);
            QVERIFY(grid.list->verticalScrollBar()->value() > 0);
            QVERIFY(grid.object->destroyCalls > destroys);
        }));
        QVERIFY(
            dropsTheEdit([&] { grid.list->resize(grid.list->width() - 20, grid.list->height()); }));
        QVERIFY(dropsTheEdit([&] { grid.list->setColumnWidth(2, 100); }));
        // Rows replaced under the editor (a new search, a load): the text lands in no row.
        QVERIFY(grid.typeInto(4, 1, u"for img5"_qs));
        grid.list->clearItems();
        for (int i = 0; i < 6; ++i)
            grid.list->addItem(u"new%1.png"_qs.arg(i));
        QVERIFY(!grid.editor()->isVisible());
        grid.key(Qt::Key_Return);
        QCOMPARE(grid.text(4, 1), QString());
    }
    void hooks_data()
    {
        QTest::addColumn<bool>("inFrame");
        QTest::newRow("in a frame: four windows") << true;
        QTest::newRow("directly on the form: three") << false;
    }
    void hooks()
    {
        QFETCH(bool, inFrame);
        Grid grid(5, inFrame);
        QVERIFY(grid.ok);
        QWidget* container = inFrame ? static_cast<QWidget*>(grid.frame) : &grid.form;
        QCOMPARE(grid.editor()->parentWidget(), container);
        std::set<Platform::Hwnd> hooked;
        grid.object->windowsSeen.clear();
        for (QWidget* widget : {grid.list->viewport(), grid.headerWindow(), container,
                                static_cast<QWidget*>(&grid.form)}) {
            moveOver(widget, QPoint(2, 2));
            hooked.insert(Platform::hwndOf(widget));
        }
        QCOMPARE(grid.object->windowsSeen, hooked);
        // The form's other widgets are not hooked.
        grid.object->windowsSeen.clear();
        moveOver(grid.other, QPoint(2, 2));
        moveOver(grid.list, QPoint(1, 1));
        QVERIFY(grid.object->windowsSeen.empty());
        // The mouse entering the list from the form or the container: Destroy once.
        moveOver(&grid.form, QPoint(630, 5));
        grid.object->destroyCalls = 0;
        for (const QPoint at : {QPoint(10, 10), QPoint(20, 12), QPoint(30, 40)})
            moveOver(grid.list->viewport(), at);
        QCOMPARE(grid.object->destroyCalls, 1);
        moveOver(container, QPoint(2, 20));
        moveOver(grid.list->viewport(), QPoint(10, 10));
        QCOMPARE(grid.object->destroyCalls, 2);
        // A press activates the list: Destroy before the mouse-down handling too.
        grid.object->destroyCalls = 0;
        grid.press(0, 1);
        QCOMPARE(grid.object->destroyCalls, 2);
        QVERIFY(grid.platform.messages.isEmpty());
    }
    void release()
    {
        Grid grid(40);
        QVERIFY(grid.ok);
        QVERIFY(grid.form.hasMouseTracking());
        QVERIFY(grid.frame->hasMouseTracking());
        int after = 0;
        const auto countAfterEdit = [&](const Grid& of) {
            connect(of.object.get(), &cSubclassListView::AfterEdit, &of.form,
                    [&](qint16, bool&, QString&) { ++after; });
        };
        countAfterEdit(grid);
        QVERIFY(grid.typeInto(0, 1, u"dropped at the end"_qs));
        moveOver(grid.headerWindow(), QPoint(5, 5));
        QVERIFY(grid.object->isHoverTimerRunning());
        grid.object.reset();
        // The editor goes, and its open edit with it: an ending object raises no events.
        QVERIFY(!grid.form.findChild<QLineEdit*>());
        QCOMPARE(after, 0);
        QCOMPARE(grid.text(0, 1), u"src1"_qs);
        QVERIFY(!grid.form.hasMouseTracking());
        QVERIFY(!grid.frame->hasMouseTracking());
        // Every formerly hooked window can be hooked afresh.
        cSubclassListView again;
        again.SubClassListView(grid.list);
        QVERIFY(grid.platform.messages.isEmpty());
        // Nor does an editor that goes with its frame while the object lives on.
        Grid frameGoes;
        QVERIFY(frameGoes.ok);
        countAfterEdit(frameGoes);
        QVERIFY(frameGoes.typeInto(0, 1, u"gone with the frame"_qs));
        delete frameGoes.frame;
        QCOMPARE(after, 0);
        QVERIFY(!frameGoes.object->editor());
    }
};

QTEST_MAIN(TestSubclassListView)
#include "tst_subclasslistview.moc"
