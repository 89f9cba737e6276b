#include "frmAbout.h"

#include "ApplicationIcon.h"
#include "Dialogs.h"
#include "LinkLabel.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVersionNumber>

namespace {

const QString kMailAddress = QStringLiteral("info@example.org");
const QString kWebSite = QStringLiteral("https://vemarill.example.org");
const char* const kDescription = QT_TRANSLATE_NOOP(
    "frmAbout",
    "Vemarill lists every image below a folder, so that the text each image shows and its "
    "translation can be noted side by side. The checked rows are saved as a list file or "
    "exported as an HTML page that links to the images.");
const char* const kDisclaimer = QT_TRANSLATE_NOOP("frmAbout", "Written by the Vemarill project.");

QPointer<frmAbout>& openWindow()
{
    static QPointer<frmAbout> window;
    return window;
}

QPoint twipsPoint(double x, double y)
{
    return {Platform::twipsToPixelsX(x), Platform::twipsToPixelsY(y)};
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(Platform::twipsToPixelsX(kDesignWidth), Platform::twipsToPixelsY(kDesignHeight));
    // The design's texts are laid out for an 8.25 pt font.
    QFont designFont = font();
    designFont.setPointSizeF(8.25);
    setFont(designFont);
    createControls();
    Form_Load();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(LblMail, &LinkLabel::clicked, this, &frmAbout::LblMail_Click);
    connect(LblWebsite, &LinkLabel::clicked, this, &frmAbout::LblWebsite_Click);
}

frmAbout* frmAbout::showAbout(QWidget* owner)
{
    QPointer<frmAbout>& window = openWindow();
    if (!window)
        window = new frmAbout(owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

frmAbout* frmAbout::current()
{
    return openWindow();
}

QString frmAbout::versionLine(const QString& version)
{
    const QVersionNumber number = QVersionNumber::fromString(version);
    return tr("Version %1.%2.%3")
        .arg(number.majorVersion())
        .arg(number.minorVersion())
        .arg(number.microVersion());
}

void frmAbout::createControls()
{
    picIcon = Platform::placeControl(new QLabel(this), "picIcon", 240, 240, 540, 540);
    picIcon->setPixmap(Platform::applicationIcon().pixmap(picIcon->size()));

    lblTitle = Platform::placeControl(new QLabel(this), "lblTitle", 1050, 240, 3885, 480);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = Platform::placeControl(new QLabel(this), "lblVersion", 1050, 780, 3885, 225);
    lblDescription = Platform::placeControl(new QLabel(tr(kDescription), this), "lblDescription",
                                            1050, 1125, 3885, 1170);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer = Platform::placeControl(new QLabel(tr(kDisclaimer), this), "lblDisclaimer", 240,
                                           2625, 3870, 345);

    cmdOK = Platform::placeControl(new QPushButton(tr("OK"), this), "cmdOK", 4320, 2625, 1500, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);

    LblMail =
        Platform::placeControl(new LinkLabel(kMailAddress, this), "LblMail", 240, 3000, 1575, 255);
    LblWebsite =
        Platform::placeControl(new LinkLabel(kWebSite, this), "LblWebsite", 1920, 3000, 2415, 255);
    // The link labels are plain text of their own.
    for (QLabel* label : {picIcon, lblTitle, lblVersion, lblDescription, lblDisclaimer})
        label->setTextFormat(Qt::PlainText);
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(Platform::kApplicationTitle));
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral(VEMARILL_VERSION);
    lblVersion->setText(versionLine(version));
    lblTitle->setText(Platform::kApplicationTitle);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::LblMail_Click()
{
    Platform::shellExecute(
        {this, QStringLiteral("Open"), QStringLiteral("mailto:") + LblMail->text()});
}

void frmAbout::LblWebsite_Click()
{
    Platform::shellExecute({this, QStringLiteral("Open"), LblWebsite->text()});
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The etched separator above OK: a grey line with a white one, two pixels
    // high, just below it.
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(twipsPoint(90, 2445), twipsPoint(5654, 2445));
    const QPoint whiteStart = twipsPoint(105, 2460);
    const QPoint whiteEnd = twipsPoint(5654, 2460);
    painter.fillRect(QRect(whiteStart, QPoint(whiteEnd.x(), whiteStart.y() + 1)), Qt::white);
}
