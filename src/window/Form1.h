#pragma once

#include "ImageListRow.h"
#include "ResizeCode.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CommonDialog;
class QAction;
class ImageListDocument;
class RecoveryKeeper;
class cSubclassListView;
class ImageListView;
class PreviewPane;
class QGroupBox;
class QLabel;
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
    cSubclassListView* subLV() const { return cSubLV.get(); }
    PreviewPane* previewPane() const { return m_preview; }
    ImageListDocument* document() const { return m_document; }
    RecoveryKeeper* recovery() const { return m_recovery.get(); }

    // Offers the unsaved work a crashed run left behind; once, after showing.
    void restoreUnsavedWork();
    // Asks before unsaved rows go with the window; true when it may close,
    // and then nothing is left to recover.
    bool queryClose();
    // Save Image List; to the list's own file, without the dialog, when
    // askPath is false and there is one. True once written.
    bool saveList(bool askPath);
    // Load Image List and Search Images on a given file or folder.
    void loadList(const QString& path);
    void searchFolder(const QString& folder);
    // Replaces the rows with these (asking first while work is unsaved).
    void showRows(std::vector<ImageListRow> rows);
    // Shows the selected row's image, as a click on it does.
    void showSelectedImage();
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    // Client area of the design, in twips.
    static constexpr double kDesignWidth = 11295;
    static constexpr double kDesignHeight = 9510;

Q_SIGNALS:
    // A list file was loaded or saved; a folder was searched.
    void listFileUsed(const QString& path);
    void folderSearched(const QString& folder);
    // Folders listed and files seen while a search runs.
    void searchProgress(qsizetype folders, qsizetype files);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Asks before unsaved rows go with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void setTabOrder();
    void centreOnScreen();

    void CmdBrowse_Click();
    void CmdSearchImages_Click();
    // False when the search did not fill the list (no folder, cancelled, unreadable).
    bool searchImages();
    void CmdLoadImages_Click();
    void CmdSaveImages_Click();
    void CmdSelectAll_Click();
    void CmdDeselectAll_Click();
    void CmdInvertSelection_Click();
    void CmdExportHTML_Click();
    void CmdAbout_Click();
    void setRowCommandsEnabled(bool enabled);
    void createUndoActions();
    bool mayDropRows();
    // The bulk check commands act on the rows the filter shows.
    void changeShownChecks(const std::function<bool(bool)>& change);
    void ImageList_ShowSelected();
    void ImageList_MouseDown(int button);

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
    // Holds the header skin picture for the editable grid; drawn under the frames.
    QLabel* Image1 = nullptr;
    CommonDialog* m_commonDialog = nullptr;
    // The editable grid over ImageList; released before the controls go.
    std::unique_ptr<cSubclassListView> cSubLV;
    PreviewPane* m_preview = nullptr;
    ImageListDocument* m_document = nullptr;
    std::unique_ptr<RecoveryKeeper> m_recovery;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    ResizeCode::Layout m_layout;
};
