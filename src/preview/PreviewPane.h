#pragma once

#include "PictureDecoder.h"

#include <QObject>
#include <QPointF>
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
// it in; the pane keeps its controls and the zoom.
//
// Pictures are decoded off the GUI thread; the one shown stays until the
// newest request's picture is ready. The zoom stays from one row to the next,
// Fit to Pane too: each new picture is fitted in turn.
class PreviewPane : public QObject {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget& window);

    // Shows the selected row's image, root folder text + Name, once decoded. A
    // failed load keeps the picture already shown; the pan goes back to the
    // top-left corner only for a Name other than PreviousImagePath, which then
    // takes the Name at once.
    void ShowSelectedImage(bool LoadImages, const ImageListView& list, const QString& rootFolder,
                           QString& PreviousImagePath);
    // Right button alone (code 2): the shell's "Edit" on the selected image's
    // full path.
    void EditSelectedImage(int button, const ImageListView& list, const QString& rootFolder) const;
    // After the window's layout pass: the vertical bar as thick as the
    // horizontal one at the right edge of the preview frame, the picture back
    // at its zoomed size (fitted again under Fit to Pane) in the top-left
    // corner and the bars fitted to the new viewport.
    void FitAfterResize(double previewFrameWidthTwips);

    // Zoom In and Zoom Out step through 10% ... 800%, keeping the image point
    // at the viewport's centre there (Ctrl+wheel keeps the one under the
    // cursor). Fit to Pane shows the whole picture, never above 100%.
    void zoomIn();
    void zoomOut();
    void actualSize();
    void fitToPane();
    double zoom() const { return m_zoom; }
    bool isFitToPane() const { return m_fitToPane; }

    // Replaces the decoder's work, which runs on a worker thread.
    void setDecodeFunction(PictureDecoder::DecodeFunction decode);
    // Whether a decode is still to come back, a superseded one included.
    bool isLoading() const { return m_decoder->isBusy(); }

    QFrame* frame3() const { return m_frame3; }
    QFrame* picContenedor() const { return m_picContenedor; }
    PreviewPicture* picture2() const { return m_picture2; }
    QScrollBar* hScroll1() const { return m_hScroll1; }
    QScrollBar* vScroll1() const { return m_vScroll1; }

Q_SIGNALS:
    void zoomChanged(double zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void showDecoded(const std::optional<PictureLoader::DecodedPicture>& picture);
    void requestPicture(const QString& path);
    // Zooms keeping the image point under `anchor` (Frame3's pixels) in place.
    void zoomAbout(double zoom, bool fit, const QPointF& anchor);
    void setZoomFactor(double zoom);
    QPointF viewportCentre() const;
    // The part of Frame3 that shows the picture, clear of the scroll bars.
    QSize fitArea() const;
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
    PictureDecoder* m_decoder;

    double m_zoom = 1.0;
    bool m_fitToPane = false;
    int m_wheelAngle = 0;
    // The last zoom's pan before rounding to whole steps, while the picture
    // still sits at its rounded form.
    QPointF m_exactPan;
    std::optional<QPoint> m_roundedPan;
    // Set by a new Name until a picture request is answered, so that a
    // superseded request cannot lose its pan reset.
    bool m_resetPan = false;
    QString m_requestedPath;
    QString m_shownPath;
};
