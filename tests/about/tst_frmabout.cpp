#include "FakePlatform.h"
#include "Form1.h"
#include "Twips.h"
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

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void loadsTitleAndVersion();
    void placesControlsAtTheDesign();
    void enterAndEscapeClose();
    void linksOpenThroughTheShell();
    void aboutButtonKeepsOneWindow();
};

void TestFrmAbout::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VEMARILL_VERSION));
}

void TestFrmAbout::loadsTitleAndVersion()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Vemarill"));
    QCOMPARE(label(&about, "lblTitle")->text(), QStringLiteral("Vemarill"));
    QCOMPARE(label(&about, "lblVersion")->text(),
             QStringLiteral("Version ") + QStringLiteral(VEMARILL_VERSION));
    QCOMPARE(frmAbout::versionLine(QStringLiteral("2.15.3")), QStringLiteral("Version 2.15.3"));
    QCOMPARE(frmAbout::versionLine(QStringLiteral("7")), QStringLiteral("Version 7.0.0"));
    QVERIFY(!label(&about, "lblDescription")->text().isEmpty());
    QVERIFY(!label(&about, "lblDisclaimer")->text().isEmpty());
    QVERIFY(label(&about, "LblMail")->text().endsWith(QLatin1String("@example.org")));
    QVERIFY(label(&about, "LblWebsite")->text().contains(QLatin1String("example.org")));
}

void TestFrmAbout::placesControlsAtTheDesign()
{
    frmAbout about;
    QCOMPARE(about.size(), Platform::twipsRect(0, 0, 5940, 3555).size());
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const struct {
        const char* name;
        double left, top, width, height;
    } design[] = {
        {"picIcon", 240, 240, 540, 540},         {"lblTitle", 1050, 240, 3885, 480},
        {"lblVersion", 1050, 780, 3885, 225},    {"lblDescription", 1050, 1125, 3885, 1170},
        {"lblDisclaimer", 240, 2625, 3870, 345}, {"cmdOK", 4320, 2625, 1500, 345},
        {"LblMail", 240, 3000, 1575, 255},       {"LblWebsite", 1920, 3000, 2415, 255}};
    for (const auto& control : design) {
        const QWidget* widget = about.findChild<QWidget*>(QLatin1String(control.name));
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->geometry(),
                 Platform::twipsRect(control.left, control.top, control.width, control.height));
    }
    QVERIFY(!label(&about, "picIcon")->pixmap().isNull());
    const QLabel* mail = label(&about, "LblMail");
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QVERIFY(mail->font().underline());
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
}

void TestFrmAbout::enterAndEscapeClose()
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        QPointer<frmAbout> about = frmAbout::showAbout(nullptr);
        QVERIFY(QTest::qWaitForWindowActive(about));
        QVERIFY(!about->isModal());
        QTest::keyClick(about, key);
        QVERIFY2(gone(about), key == Qt::Key_Return ? "Enter" : "Esc");
        QCOMPARE(frmAbout::current(), nullptr);
    }
    QPointer<frmAbout> about = frmAbout::showAbout(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(gone(about));
}

void TestFrmAbout::linksOpenThroughTheShell()
{
    FakePlatform platform;
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QLabel* mail = label(&about, "LblMail");
    QLabel* web = label(&about, "LblWebsite");
    mail->setText(QStringLiteral(" Vemarill Team <team@example.org> "));
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    // A press that leaves the label before the release is no click.
    QTest::mousePress(web, Qt::LeftButton);
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(-5, -5));

    QCOMPARE(platform.shellRequests.size(), 2);
    QCOMPARE(platform.shellRequests.at(0).verb, QStringLiteral("Open"));
    QCOMPARE(platform.shellRequests.at(0).target,
             QStringLiteral("mailto: Vemarill Team <team@example.org> "));
    QCOMPARE(platform.shellRequests.at(0).owner, &about);
    QCOMPARE(platform.shellRequests.at(1).verb, QStringLiteral("Open"));
    QCOMPARE(platform.shellRequests.at(1).target, web->text());
    QVERIFY(about.isVisible());
}

void TestFrmAbout::aboutButtonKeepsOneWindow()
{
    FakePlatform platform;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* aboutButton = form.findChild<QPushButton*>(QStringLiteral("CmdAbout"));
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    QCOMPARE(openAboutWindows().size(), 1);
    QPointer<frmAbout> first = openAboutWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(aboutButton->isEnabled());

    // OK unloads it; the next click loads a fresh one.
    label(first, "lblVersion")->setText(QStringLiteral("scribbled"));
    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(gone(first));
    QCOMPARE(openAboutWindows().size(), 0);
    QTest::mouseClick(aboutButton, Qt::LeftButton);
    QCOMPARE(openAboutWindows().size(), 1);
    QCOMPARE(label(openAboutWindows().first(), "lblVersion")->text(),
             QStringLiteral("Version ") + QStringLiteral(VEMARILL_VERSION));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
