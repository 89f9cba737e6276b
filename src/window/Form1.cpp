#include "Form1.h"

#include "ApplicationIcon.h"
#include "BrowseForFolder.h"
#include "CommonDialog.h"
#include "DocumentGuard.h"
#include "ExportCommand.h"
#include "Functions.h"
#include "ImageCount.h"
#include "ImageListCommands.h"
#include "ImageListDocument.h"
#include "ImageListView.h"
#include "PreviewPane.h"
#include "RecoveryKeeper.h"
#include "Twips.h"
#include "cSubclassListView.h"
#include "frmAbout.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

namespace {

const char* const kListToolTip = QT_TRANSLATE_NOOP(
    "Form1", "Right click to edit an image in your default image editor. Press spacebar to "
             "check/uncheck an item. Put \" | \" to create a new row for the same image.");

// A button's caption is its accessible name; the description says what it does.
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& description, double left, double top, double width,
                    double height)
{
    auto* made = new QPushButton(caption, parent);
    made->setAccessibleDescription(description);
    return Platform::placeControl(made, name, left, top, width, height);
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, double left, double top,
                 double width, double height)
{
    return Platform::placeControl(new QGroupBox(caption, parent), name, left, top, width, height);
}

// The header skin with as many pixels as the screen gives it: the double one
// on a screen of more device pixels than logical ones. The skin keeps its
// size in logical pixels, as the header's other measures do.
QPixmap headerSkin()
{
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/vemarill/header_skin@2x.bmp"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/vemarill/header_skin.bmp"));
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vemarill"));
    setWindowIcon(Platform::applicationIcon());
    m_commonDialog = new CommonDialog(this);
    m_commonDialog->setObjectName(QStringLiteral("CommonDialog"));

    createControls();
    setTabOrder();
    resize(Platform::twipsToPixelsX(kDesignWidth), Platform::twipsToPixelsY(kDesignHeight));
    centreOnScreen();

    connect(CmdBrowse, &QPushButton::clicked, this, &Form1::CmdBrowse_Click);
    connect(CmdSearchImages, &QPushButton::clicked, this, &Form1::CmdSearchImages_Click);
    connect(CmdLoadImages, &QPushButton::clicked, this, &Form1::CmdLoadImages_Click);
    connect(CmdSaveImages, &QPushButton::clicked, this, &Form1::CmdSaveImages_Click);
    connect(CmdSelectAll, &QPushButton::clicked, this, &Form1::CmdSelectAll_Click);
    connect(CmdDeselectAll, &QPushButton::clicked, this, &Form1::CmdDeselectAll_Click);
    connect(CmdInvertSelection, &QPushButton::clicked, this, &Form1::CmdInvertSelection_Click);
    connect(CmdExportHTML, &QPushButton::clicked, this, &Form1::CmdExportHTML_Click);
    connect(CmdAbout, &QPushButton::clicked, this, &Form1::CmdAbout_Click);
    // A click and any key release both show the selected row's image.
    connect(ImageList, &ImageListView::itemClick, this, &Form1::ImageList_ShowSelected);
    connect(ImageList, &ImageListView::keyUp, this, &Form1::ImageList_ShowSelected);
    connect(ImageList, &ImageListView::mouseDown, this, &Form1::ImageList_MouseDown);

    m_document = new ImageListDocument(*ImageList->imageListModel(), this);
    connect(m_document, &ImageListDocument::stateChanged, this,
            [this] { setWindowTitle(m_document->title()); });
    createUndoActions();
    m_recovery =
        std::make_unique<RecoveryKeeper>(this, *m_document, [this] { return TextFolder->text(); });

    cSubLV = std::make_unique<cSubclassListView>();
    cSubLV->SubClassListView(ImageList);
    cSubLV->setSkinPicture(Image1->pixmap());

    // The last step of start-up: every control made above scales from here on.
    m_layout.RecordLayout(*this);
}

Form1::~Form1()
{
    // The rows and their document go with the child widgets, after this
    // object has stopped being a Form1.
    m_document->disconnect(this);
}

void Form1::createControls()
{
    Frame1 = frame(this, "Frame1", tr("Image Root Folder"), 120, 120, 11055, 735);
    TextFolder = Platform::placeControl(new QLineEdit(Frame1), "TextFolder", 120, 240, 9615, 375);
    TextFolder->setAccessibleName(tr("Image root folder"));
    TextFolder->setAccessibleDescription(tr("The folder whose images are listed"));
    CmdBrowse = button(Frame1, "CmdBrowse", tr("Browse"),
                       tr("Choose the image root folder and search it"), 9840, 240, 1095, 375);

    Frame2 = frame(this, "Frame2", tr("Image List"), 120, 960, 11055, 3735);
    ImageList =
        Platform::placeControl(new ImageListView(Frame2), "ImageList", 120, 240, 10815, 2775);
    ImageList->setAccessibleName(tr("Image list"));
    ImageList->setAccessibleDescription(
        tr("One row per image: check box, Name, Source Text and Target Text"));
    ImageList->setToolTip(tr(kListToolTip));
    CmdSelectAll = button(Frame2, "CmdSelectAll", tr("Select All"), tr("Check every row shown"),
                          120, 3120, 3495, 495);
    CmdInvertSelection = button(Frame2, "CmdInvertSelection", tr("Invert Selection"),
                                tr("Check the unchecked rows shown and uncheck "
                                   "the checked ones"),
                                3720, 3120, 3615, 495);
    CmdDeselectAll = button(Frame2, "CmdDeselectAll", tr("Deselect All"),
                            tr("Uncheck every row shown"), 7440, 3120, 3495, 495);

    Frame4 = frame(this, "Frame4", tr("Image Preview"), 120, 4800, 11055, 3615);
    m_preview = new PreviewPane(*this);

    Frame5 = frame(this, "Frame5", tr("Actions"), 120, 8520, 11055, 855);
    CmdLoadImages = button(Frame5, "CmdLoadImages", tr("Load Image List"),
                           tr("Replace the rows with those of a list file"), 2280, 240, 2055, 495);
    CmdExportHTML = button(Frame5, "CmdExportHTML", tr("Export to HTML"),
                           tr("Write the checked rows to a web page"), 6600, 240, 2055, 495);
    CmdAbout = button(Frame5, "CmdAbout", tr("About..."), tr("Show the program's version"), 8760,
                      240, 2175, 495);
    // These two belong to the window itself and lie over the Actions frame.
    CmdSearchImages =
        button(this, "CmdSearchImages", tr("Search Images"),
               tr("List every image below the image root folder"), 240, 8760, 2055, 495);
    CmdSaveImages = button(this, "CmdSaveImages", tr("Save Image List"),
                           tr("Write the checked rows to a list file"), 4560, 8760, 2055, 495);
    CmdSearchImages->raise();
    CmdSaveImages->raise();
    // An image control lies under every windowed control; only the strip
    // between the two frames would show, so it stays hidden and only holds the skin.
    Image1 = Platform::placeControl(new QLabel(this), "Image1", 3960, 720, 1215, 300);
    Image1->setPixmap(headerSkin());
    Image1->lower();
    Image1->hide();

    setRowCommandsEnabled(false);
}

void Form1::setTabOrder()
{
    // In the order of the design's tab indexes; frames take no focus.
    const QList<QWidget*> order{
        TextFolder,         CmdBrowse, CmdSearchImages, CmdSaveImages, CmdSelectAll, CmdDeselectAll,
        CmdInvertSelection, ImageList, CmdLoadImages,   CmdExportHTML, CmdAbout};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    // The preview's scroll bars have no place in that order; they come with
    // the preview, between the list above it and the actions below.
    auto* down = findChild<QWidget*>(QStringLiteral("VScroll1"));
    auto* across = findChild<QWidget*>(QStringLiteral("HScroll1"));
    QWidget::setTabOrder(ImageList, down);
    QWidget::setTabOrder(down, across);
    QWidget::setTabOrder(across, CmdLoadImages);
}

void Form1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

void Form1::setRowCommandsEnabled(bool enabled)
{
    for (QPushButton* command :
         {CmdSelectAll, CmdDeselectAll, CmdSaveImages, CmdExportHTML, CmdInvertSelection})
        command->setEnabled(enabled);
}

void Form1::createUndoActions()
{
    m_undo = m_document->undoStack()->createUndoAction(this);
    m_undo->setObjectName(QStringLiteral("ActionUndo"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = m_document->undoStack()->createRedoAction(this);
    m_redo->setObjectName(QStringLiteral("ActionRedo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({m_undo, m_redo});
}

bool Form1::saveList(bool askPath)
{
    if (!DocumentGuard::confirmUncheckedTexts(this, *m_document, ImageCount::value()))
        return false;
    const auto saved =
        ImageListCommands::SaveImageList(this, *m_commonDialog, *ImageList->imageListModel(),
                                         askPath ? QString() : m_document->filePath());
    if (!saved)
        return false;
    m_document->markSaved(*saved);
    Q_EMIT listFileUsed(*saved);
    return true;
}

bool Form1::mayDropRows()
{
    return DocumentGuard::mayDropRows(this, *m_document, [this] { return saveList(false); });
}

bool Form1::queryClose()
{
    if (!mayDropRows())
        return false;
    m_recovery->closedCleanly();
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!queryClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Form1::restoreUnsavedWork()
{
    m_recovery->offerRestore([this](const JournalSnapshot& snapshot) {
        TextFolder->setText(snapshot.imageRoot);
        ImageList->imageListModel()->setRows(snapshot.rows.get());
        ImageCount::set(ImageList->itemCount());
        m_document->setFilePath(snapshot.listFile);
        setRowCommandsEnabled(ImageCount::value() > 0);
        LoadImages = true;
    });
}

void Form1::CmdBrowse_Click()
{
    BrowseForFolder::BrowseFolder(this);
    if (!BrowseForFolder::FolderSelected())
        return;
    // The rows are read under this text: a search that does not finish must
    // not leave the earlier rows under the new folder.
    const QString previous = TextFolder->text();
    TextFolder->setText(Functions::WithTrailingSeparator(BrowseForFolder::SelectedFolder()));
    if (!searchImages())
        TextFolder->setText(previous);
}

void Form1::CmdSearchImages_Click()
{
    searchImages();
}

bool Form1::searchImages()
{
    if (!mayDropRows())
        return false;
    QString root = TextFolder->text();
    const auto outcome = ImageListCommands::SearchImages(
        this, root, *ImageList->imageListModel(),
        [this](qsizetype folders, qsizetype files) { Q_EMIT searchProgress(folders, files); });
    if (outcome != ImageListCommands::SearchOutcome::Done)
        return false;
    m_document->setFilePath({});
    if (root != TextFolder->text())
        TextFolder->setText(root);
    setRowCommandsEnabled(ImageCount::value() > 0);
    LoadImages = true;
    Q_EMIT folderSearched(root);
    return true;
}

void Form1::searchFolder(const QString& folder)
{
    const QString previous = TextFolder->text();
    TextFolder->setText(folder);
    if (!searchImages())
        TextFolder->setText(previous);
}

void Form1::CmdLoadImages_Click()
{
    loadList({});
}

void Form1::loadList(const QString& path)
{
    if (!mayDropRows())
        return;
    const auto loaded =
        ImageListCommands::LoadImageList(this, *m_commonDialog, *ImageList->imageListModel(), path);
    if (!loaded)
        return;
    m_document->setFilePath(*loaded);
    Q_EMIT listFileUsed(*loaded);
}

void Form1::CmdSaveImages_Click()
{
    saveList(true);
}

void Form1::changeShownChecks(const std::function<bool(bool)>& change)
{
    LoadImages = false;
    ImageListModel& model = *ImageList->imageListModel();
    std::vector<bool> checks = model.checks();
    checks.resize(static_cast<size_t>(std::clamp(ImageCount::value(), 0, model.rowCount())));
    // As a spreadsheet does: what the filter hides is left alone.
    for (size_t i = 0; i < checks.size(); ++i) {
        if (ImageList->isRowShown(static_cast<int>(i)))
            checks[i] = change(checks[i]);
    }
    model.setChecks(checks); // one step to undo
    LoadImages = true;
}

void Form1::CmdSelectAll_Click()
{
    changeShownChecks([](bool) { return true; });
}

void Form1::CmdDeselectAll_Click()
{
    changeShownChecks([](bool) { return false; });
}

void Form1::CmdInvertSelection_Click()
{
    changeShownChecks([](bool checked) { return !checked; });
}

void Form1::CmdExportHTML_Click()
{
    if (!DocumentGuard::confirmUncheckedTexts(this, *m_document, ImageCount::value()))
        return;
    if (ExportHTML::ExportToHTML(this, *m_commonDialog, *ImageList->imageListModel(),
                                 TextFolder->text()))
        m_document->markExported();
}

void Form1::CmdAbout_Click()
{
    frmAbout::showAbout(this);
}

void Form1::showRows(std::vector<ImageListRow> rows)
{
    if (!mayDropRows())
        return;
    ImageList->imageListModel()->setRows(std::move(rows));
    ImageCount::set(ImageList->itemCount());
    m_document->setFilePath({});
    setRowCommandsEnabled(ImageCount::value() > 0);
}

void Form1::showSelectedImage()
{
    ImageList_ShowSelected();
}

void Form1::ImageList_ShowSelected()
{
    m_preview->ShowSelectedImage(LoadImages, *ImageList, TextFolder->text(), PreviousImagePath);
}

void Form1::ImageList_MouseDown(int button)
{
    m_preview->EditSelectedImage(button, *ImageList, TextFolder->text());
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_layout.ApplyLayout();
    ResizeCode::SetColumnWidths(*ImageList);
    m_preview->FitAfterResize(Platform::pixelsToTwipsX(Frame4->width()));
}
