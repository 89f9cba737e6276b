// The cost of never losing work, on 100,000 rows:
//   bench_document typing   longest event-loop stall (ms) while 100 one-character
//                           edits are typed and committed, the journal following;
//                           then the same over an idle window
//   bench_document undo     KB that 1,000 edits add to the undo history
#include "FormDriver.h"
#include "ImageListDocument.h"
#include "ImageListModel.h"
#include "ImageListView.h"
#include "cSubclassListView.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kRows = 100000;

std::vector<ImageListRow> manyRows()
{
    std::vector<ImageListRow> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
        rows.push_back({QStringLiteral("group%1/file%2.png").arg(i / 1000).arg(i),
                        QStringLiteral("Source text %1").arg(i),
                        {},
                        i % 2 == 0});
    return rows;
}

// The longest time the GUI thread was away from its event loop while 100
// one-character edits are typed and committed, the journal following.
qint64 typingStall(FormDriver& driver)
{
    ImageListView* list = driver.form.imageList();
    list->imageListModel()->setRows(manyRows());
    FormDriver::settle();
    QLineEdit* editor = driver.form.subLV()->editor();
    const qint64 longest = longestStall([&] {
        for (int i = 0; i < 100; ++i) {
            if (!editor->isVisible())
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                   list->cellRect(5, 2).center());
            QTest::keyClick(editor, Qt::Key_End);
            QTest::keyClick(editor, char('a' + i % 26));
            QTest::keyClick(editor, Qt::Key_Return);
            spin(20); // a fast typist; the journal writes meanwhile
        }
        spin(1000);
    });
    return list->imageListModel()->text(5, ImageListModel::TargetText).size() == 100 ? longest : -1;
}

qint64 undoGrowthKb()
{
    ImageListModel model;
    ImageListDocument document(model);
    model.setRows(manyRows());
    const long before = residentKb("VmRSS:");
    for (int i = 0; i < 1000; ++i)
        model.setText(i * 97 % kRows, ImageListModel::TargetText,
                      QStringLiteral("Translated text %1").arg(i));
    return document.undoStack()->count() == 1000 ? residentKb("VmRSS:") - before : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const QByteArray mode = argv[1];
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit()); // the journal goes here
    if (mode == "typing") {
        FormDriver driver;
        const qint64 typing = typingStall(driver);
        // The same window left idle as long: what the machine itself adds.
        std::printf("%lld %lld\n", typing, longestStall([] { spin(3000); }));
        return driver.failed() ? 1 : 0;
    }
    if (mode == "undo") {
        std::printf("%lld\n", undoGrowthKb());
        return 0;
    }
    return 2;
}
