#include "SearchProgress.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

class TestSearchProgress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void staysHiddenForShortSearches();
    void offersCancelForLongSearches();
};

void TestSearchProgress::staysHiddenForShortSearches()
{
    QWidget window;
    SearchProgress progress(&window, 60000);
    for (int i = 0; i < 1000; ++i)
        QVERIFY(progress.keepGoing());
    QVERIFY(!progress.wasShown());
    QVERIFY(window.findChildren<QProgressDialog*>().isEmpty());
}

void TestSearchProgress::offersCancelForLongSearches()
{
    QWidget window;
    window.show();
    {
        SearchProgress progress(&window, 0);
        QTRY_VERIFY(progress.keepGoing() && progress.wasShown());
        auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("SearchProgress"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->isVisible());
        QPushButton* cancel = dialog->findChild<QPushButton*>();
        QVERIFY(cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTRY_VERIFY(!progress.keepGoing());
        QVERIFY(!progress.keepGoing()); // stays cancelled
    }
    // The dialog goes with the search.
    QTRY_VERIFY(window.findChildren<QProgressDialog*>().isEmpty());
}

QTEST_MAIN(TestSearchProgress)
#include "tst_searchprogress.moc"
