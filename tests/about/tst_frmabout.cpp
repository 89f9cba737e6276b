#include "FakePlatform.h"
#include "Form1.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QList<frmAbout*> openAboutWindows()
{
    QList<frmAbout*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(widget); about && about->isVisible())
            windows.append(about);
    }
    return windows;
}

QLabel* label(const QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QLatin1String(name));
}

// Lets a closed window finish its deferred deletion.
bool gone(const QPointer<frmAbout>& window)
{
    return QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    });
}

const QString kVersionLine = "Version " + QStringLiteral(VEMARILL_VERSION);

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
    }
    void enterAndEscapeClose()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QPointer<frmAbout> about = frmAbout::showAbout(nullptr);
            QVERIFY(QTest::qWaitForWindowActive(about));
            QTest::keyClick(about, key);
            QVERIFY2(gone(about), key == Qt::Key_Return ? "Enter" : "Esc");
            QCOMPARE(frmAbout::current(), nullptr);
        }
    }
    void oneWindowWithLabelsAndLinks()
    {
        FakePlatform platform;
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* aboutButton = form.findChild<QPushButton*>("CmdAbout");
        QTest::mouseClick(aboutButton, Qt::LeftButton);
        QTest::mouseClick(aboutButton, Qt::LeftButton);
        QCOMPARE(openAboutWindows().size(), 1);
        QPointer<frmAbout> first = openAboutWindows().first();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(first->windowTitle(), "About Vemarill");
        QCOMPARE(label(first, "lblTitle")->text(), "Vemarill");
        QCOMPARE(frmAbout::versionLine("7"), "Version 7.0.0");
        QVERIFY(!label(first, "lblDescription")->text().isEmpty());
        QCOMPARE(first->minimumSize(), first->maximumSize());
        // The mail label's text goes out unchanged; a press that leaves the label
        // before the release is no click.
        QLabel* mail = label(first, "LblMail");
        QLabel* web = label(first, "LblWebsite");
        QVERIFY(mail->text().endsWith(QLatin1String("@example.org")));
        mail->setText(" Team <team@example.org> ");
        QTest::mouseClick(mail, Qt::LeftButton);
        QTest::mouseClick(web, Qt::LeftButton);
        QTest::mousePress(web, Qt::LeftButton);
        QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(-5, -5));
        QStringList requests;
        for (const Platform::ShellRequest& request : platform.shellRequests)
            requests << request.verb + u' ' + request.target;
        QCOMPARE(requests,
                 (QStringList{"Open mailto: Team <team@example.org> ", "Open " + web->text()}));
        QCOMPARE(platform.shellRequests.at(0).owner, first.data());
        // OK unloads it; the next click loads a fresh one.
        label(first, "lblVersion")->setText("scribbled");
        QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(gone(first));
        QTest::mouseClick(aboutButton, Qt::LeftButton);
        QCOMPARE(openAboutWindows().size(), 1);
        QCOMPARE(label(openAboutWindows().first(), "lblVersion")->text(), kVersionLine);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
