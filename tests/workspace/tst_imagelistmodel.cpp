#include "ImageListModel.h"
#include "RowTexts.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestImageListModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void behavesAsATableModel()
    {
        ImageListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows(
            {{QStringLiteral("a.png"), {}, {}, false}, {QStringLiteral("b.png"), {}, {}, true}});
        model.appendRow(QStringLiteral("c.png"));
        model.insertRow(0, QStringLiteral("first.png"));
        model.setText(1, ImageListModel::TargetText, QStringLiteral("Hola"));
        model.setChecked(0, true);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
    void insertsAndEdits()
    {
        ImageListModel model;
        model.appendRow(QStringLiteral("a"));
        model.appendRow(QStringLiteral("b"));
        model.insertRow(1, QStringLiteral("mid"));
        model.insertRow(model.rowCount(), QStringLiteral("end")); // at Count appends
        QCOMPARE(rowTexts(model.rows()), (QStringList{"a|||", "mid|||", "b|||", "end|||"}));
        // Only the check column is checkable; no cell is editable by the view.
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable));
        for (int column = 0; column < ImageListModel::ColumnCount; ++column)
            QVERIFY(!(model.flags(model.index(0, column)) & Qt::ItemIsEditable));
        QVERIFY(!model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(2, ImageListModel::SourceText), QStringLiteral("Hello")));
        QCOMPARE(changed.size(), 1);
        QVERIFY(model.setData(model.index(2, ImageListModel::SourceText), QStringLiteral("Hello")));
        QCOMPARE(changed.size(), 1); // no change, no signal
        QVERIFY(!model.setData(model.index(2, 1), true, Qt::CheckStateRole));
        QVERIFY(!model.setData(model.index(9, 1), QStringLiteral("x")));
    }
    void bulkChecks()
    {
        ImageListModel model;
        for (int i = 0; i < 4; ++i)
            model.appendRow(QString::number(i));
        model.setChecked(0, true);
        model.setChecked(2, true);
        model.invertChecked(3); // visits three rows only
        QCOMPARE(rowTexts(model.rows()), (QStringList{"0|||", "1|||x", "2|||", "3|||"}));
        model.setAllChecked(100, true);
        QCOMPARE(rowTexts(model.rows()), (QStringList{"0|||x", "1|||x", "2|||x", "3|||x"}));
        model.setAllChecked(0, false);
        QVERIFY(model.isChecked(0));
    }
    void handsOutRowsWithoutCopyingThem()
    {
        ImageListModel model;
        model.setRows({{QStringLiteral("a.png"), {}, {}, false}});
        const SharedRows taken = model.sharedRows();
        QCOMPARE(&taken.get(), &model.rows());
        // Every kind of change leaves what was taken as it was.
        model.setText(0, ImageListModel::SourceText, QStringLiteral("OK"));
        model.setChecked(0, true);
        model.appendRow(QStringLiteral("b.png"));
        model.removeRow(0);
        QCOMPARE(rowTexts(taken.get()), QStringList{"a.png|||"});
        QCOMPARE(rowTexts(model.rows()), QStringList{"b.png|||"});
        // Unshared rows are changed in place.
        const ImageListRow* first = &model.row(0);
        model.setText(0, ImageListModel::TargetText, QStringLiteral("Vale"));
        QCOMPARE(&model.row(0), first);
    }
};

QTEST_GUILESS_MAIN(TestImageListModel)
#include "tst_imagelistmodel.moc"
