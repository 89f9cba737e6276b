#pragma once

#include <QObject>
#include <QString>

class ImageListView;
class PreviewPicture;
class QFrame;
class QScrollBar;
class QWidget;

// The preview pane of a window: the clipping frame Frame3 with the viewport
// PicContenedor and the image holder Picture2, and the scroll bars HScroll1
// and VScroll1, all created on the window at their design geometry. The
// window keeps the selection state (LoadImages, PreviousImagePath) and hands
// it in; the pane keeps only its controls.
class PreviewPane : public QObject {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget& window);

    // Shows the selected row's image, root folder text + Name. A failed load
    // keeps the picture already shown; the pan goes back to the top-left corner
    // only for a Name other than PreviousImagePath, which then takes the Name.
    void ShowSelectedImage(bool LoadImages, const ImageListView& list, const QString& rootFolder,
                           QString& PreviousImagePath);
    // Right button alone (code 2): the shell's "Edit" on the selected image's
    // full path.
    void EditSelectedImage(int button, const ImageListView& list, const QString& rootFolder) const;
    // After the window's layout pass: the vertical bar as thick as the
    // horizontal one at the right edge of the preview frame, the picture back
    // at its natural size in the top-left corner and the bars fitted to the
    // new viewport.
    void FitAfterResize(double previewFrameWidthTwips);

    QFrame* frame3() const { return m_frame3; }
    QFrame* picContenedor() const { return m_picContenedor; }
    PreviewPicture* picture2() const { return m_picture2; }
    QScrollBar* hScroll1() const { return m_hScroll1; }
    QScrollBar* vScroll1() const { return m_vScroll1; }

private:
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    // Each bar's range, page step and enabled state for the picture's size
    // against the viewport's inner size.
    void fitScrollBars();
    void panToOrigin();

    QWidget& m_window;
    QFrame* m_frame3;
    QFrame* m_picContenedor;
    PreviewPicture* m_picture2;
    QScrollBar* m_vScroll1;
    QScrollBar* m_hScroll1;
};
