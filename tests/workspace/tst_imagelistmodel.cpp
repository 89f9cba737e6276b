#include "ImageListModel.h"
#include "RowTexts.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestImageListModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editsRowsAsATableModel()
    {
        ImageListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({{QStringLiteral("a"), {}, {}, false}, {QStringLiteral("b"), {}, {}, true}});
        model.insertRow(1, QStringLiteral("mid"));
        model.insertRow(model.rowCount(), QStringLiteral("end")); // at Count appends
        model.appendRow(QStringLiteral("last"));
        QCOMPARE(rowTexts(model.rows()),
                 (QStringList{"a|||", "mid|||", "b|||x", "end|||", "last|||"}));
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
        model.clear();
        QCOMPARE(model.rowCount(), 0);
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
