#include "ImageCount.h"
#include "ImageListDocument.h"
#include "ImageListModel.h"

#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace {

using Edit = std::function<void(ImageListModel&)>;

std::vector<ImageListRow> startRows()
{
    return {{QStringLiteral("a.png"), QStringLiteral("Start"), {}, false},
            {QStringLiteral("b.png"), {}, QStringLiteral("Ende"), true},
            {QStringLiteral("c.png"), {}, {}, false}};
}

// A split as the grid makes it: the text, a new row below, both checked.
void split(ImageListModel& model)
{
    model.beginEditGroup(QStringLiteral("Edit"));
    model.setText(0, ImageListModel::SourceText, QStringLiteral("red"));
    model.insertRow(1, QStringLiteral("a.png"));
    ImageCount::add(1);
    model.setText(1, ImageListModel::SourceText, QStringLiteral("blue"));
    model.setChecked(0, true);
    model.setChecked(1, true);
    model.endEditGroup();
}

} // namespace

class TestImageListDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoesAndRedoesEachKindOfChange_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("steps");
        QTest::newRow("text") << Edit([](ImageListModel& m) {
            m.setText(2, ImageListModel::TargetText, QStringLiteral("Hola"));
        }) << 1;
        QTest::newRow("two texts") << Edit([](ImageListModel& m) {
            m.setText(0, ImageListModel::SourceText, QStringLiteral("x"));
            m.setText(0, ImageListModel::SourceText, QStringLiteral("y"));
        }) << 2;
        QTest::newRow("check") << Edit([](ImageListModel& m) { m.setChecked(1, false); }) << 1;
        QTest::newRow("bulk checks") << Edit([](ImageListModel& m) {
            m.setChecks({true, false});
        }) << 1;
        QTest::newRow("split") << Edit(split) << 1;
        QTest::newRow("split then edit") << Edit([](ImageListModel& m) {
            split(m);
            m.setText(1, ImageListModel::TargetText, QStringLiteral("azul"));
        }) << 2;
    }
    void undoesAndRedoesEachKindOfChange()
    {
        QFETCH(Edit, edit);
        QFETCH(int, steps);
        ImageListModel model;
        ImageListDocument document(model);
        model.setRows(startRows());
        ImageCount::set(model.rowCount());
        const std::vector<ImageListRow> before = model.rows();
        edit(model);
        const std::vector<ImageListRow> after = model.rows();
        const int count = ImageCount::value();
        QVERIFY(after != before);
        QCOMPARE(document.undoStack()->count(), steps);
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < steps; ++i)
                document.undoStack()->undo();
            QCOMPARE(model.rows(), before);
            QCOMPARE(ImageCount::value(), int(before.size()));
            for (int i = 0; i < steps; ++i)
                document.undoStack()->redo();
            QCOMPARE(model.rows(), after);
            QCOMPARE(ImageCount::value(), count);
        }
        // Undo and redo themselves add no step.
        QCOMPARE(document.undoStack()->count(), steps);
    }
    void tracksUnsavedState()
    {
        ImageListModel model;
        ImageListDocument document(model);
        QSignalSpy state(&document, &ImageListDocument::stateChanged);
        QCOMPARE(document.title(), QStringLiteral("Vemarill"));
        QVERIFY(!document.isModified());
        // A search: new rows, unsaved, a new history.
        model.setRows(startRows());
        QCOMPARE(document.title(), QStringLiteral("Vemarill - untitled *"));
        QVERIFY(!state.isEmpty());
        document.markSaved(QStringLiteral("/work/lists/strings.csv"));
        QCOMPARE(document.title(), QStringLiteral("Vemarill - strings.csv"));
        model.setChecked(0, true);
        QCOMPARE(document.title(), QStringLiteral("Vemarill - strings.csv *"));
        document.undoStack()->undo(); // back where it was saved
        QVERIFY(!document.isModified());
        document.undoStack()->redo();
        QVERIFY(document.isModified());
        document.markExported();
        QVERIFY(!document.isModified());
        // Unchecked rows with a text, and checking them as one step.
        model.setChecked(0, false);
        model.setChecked(1, false);
        QCOMPARE(document.uncheckedTextCount(3), 2);
        QCOMPARE(document.uncheckedTextCount(1), 1);
        const int steps = document.undoStack()->count();
        document.checkRowsWithText(3);
        QCOMPARE(document.undoStack()->count(), steps + 1);
        // A load starts a new history.
        model.setRows(startRows());
        QCOMPARE(document.undoStack()->count(), 0);
        QVERIFY(document.isModified());
    }
};

QTEST_GUILESS_MAIN(TestImageListDocument)
#include "tst_imagelistdocument.moc"
