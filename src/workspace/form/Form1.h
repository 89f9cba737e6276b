#pragma once

#include <QString>
#include <QWidget>

class CommonDialog;
class ImageListView;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The main window. It owns the controls and connects each to its command; the
// commands themselves live with their subsystems.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // While true, selecting a row shows its image.
    bool LoadImages = false;
    // Name of the row last shown in the preview.
    QString PreviousImagePath;

    ImageListView* imageList() const { return ImageList; }
    QLineEdit* textFolder() const { return TextFolder; }
    CommonDialog* commonDialog() const { return m_commonDialog; }

    // Client area of the design, in twips.
    static constexpr double kDesignWidth = 11295;
    static constexpr double kDesignHeight = 9510;

private:
    void createControls();
    void setTabOrder();
    void centreOnScreen();

    void CmdBrowse_Click();
    void CmdSearchImages_Click();
    void CmdLoadImages_Click();
    void CmdSaveImages_Click();
    void CmdSelectAll_Click();
    void CmdDeselectAll_Click();
    void CmdInvertSelection_Click();
    void setRowCommandsEnabled(bool enabled);

    QGroupBox* Frame1 = nullptr;
    QLineEdit* TextFolder = nullptr;
    QPushButton* CmdBrowse = nullptr;
    QGroupBox* Frame2 = nullptr;
    ImageListView* ImageList = nullptr;
    QPushButton* CmdSelectAll = nullptr;
    QPushButton* CmdInvertSelection = nullptr;
    QPushButton* CmdDeselectAll = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QPushButton* CmdSearchImages = nullptr;
    QPushButton* CmdLoadImages = nullptr;
    QPushButton* CmdSaveImages = nullptr;
    QPushButton* CmdExportHTML = nullptr;
    QPushButton* CmdAbout = nullptr;
    CommonDialog* m_commonDialog = nullptr;
};
