#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// The About window: title, version, a description and links to the project's
// mail address and web site. Not modal; one at a time; OK, Esc or the title
// bar's close button unload it, so the next opening loads it anew.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Client area of the design, in twips.
    static constexpr double kDesignWidth = 5940;
    static constexpr double kDesignHeight = 3555;

    explicit frmAbout(QWidget* owner = nullptr);

    // Shows the About window of owner, creating it when none is open.
    static frmAbout* showAbout(QWidget* owner);
    // The window that is open, or nullptr.
    static frmAbout* current();

    // "Version major.minor.revision" of a version text such as "1.0.0".
    static QString versionLine(const QString& version);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void cmdOK_Click();
    void LblMail_Click();
    void LblWebsite_Click();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    LinkLabel* LblMail = nullptr;
    LinkLabel* LblWebsite = nullptr;
};
