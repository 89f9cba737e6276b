#include "PreviewPane.h"

#include "Dialogs.h"
#include "ImageListView.h"
#include "PictureLoader.h"
#include "PreviewPicture.h"
#include "ScrollMath.h"
#include "Twips.h"
#include "ZoomMath.h"

#include <QFrame>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {

// The minimum stays 0. For a negative maximum (picture smaller than the
// viewport) Qt alone would lower the minimum to it and clamp the value there,
// pushing the picture right; the range [maximum, 0] keeps the value at 0.
void setMaximum(QScrollBar& bar, int maximum)
{
    bar.setRange(std::min(0, maximum), std::max(0, maximum));
}

// The value nearest a pan of `twips`, never below 0 (see setMaximum).
int valueFor(const QScrollBar& bar, double twips)
{
    return std::clamp(ScrollMath::ToScrollValue(twips / ScrollMath::kTwipsPerUnit), 0,
                      bar.maximum());
}

} // namespace

PreviewPane::PreviewPane(QWidget& window) : QObject(&window), m_window(window)
{
    m_frame3 = Platform::placeControl(new QFrame(&window), "Frame3", 240, 5040, 10695, 3015);
    m_frame3->setFrameShape(QFrame::NoFrame);
    m_frame3->setAutoFillBackground(true);
    m_frame3->setBackgroundRole(QPalette::Mid);
    m_frame3->setAccessibleName(tr("Image preview"));
    m_frame3->setAccessibleDescription(tr("The selected row's image; Ctrl+wheel zooms"));
    // The viewport lies under the picture; the frame clips them both.
    m_picContenedor =
        Platform::placeControl(new QFrame(m_frame3), "PicContenedor", 0, 360, 10695, 3255);
    m_picContenedor->setFrameShape(QFrame::NoFrame);
    m_picture2 =
        Platform::placeControl(new PreviewPicture(m_frame3), "Picture2", 480, 480, 4335, 1935);
    m_picture2->hide();
    m_picture2->setAccessibleName(tr("Image"));
    m_picture2->setAccessibleDescription(tr("The selected row's image at the chosen zoom"));

    m_vScroll1 = Platform::placeControl(new QScrollBar(Qt::Vertical, &window), "VScroll1", 10800,
                                        5040, 255, 2985);
    m_hScroll1 = Platform::placeControl(new QScrollBar(Qt::Horizontal, &window), "HScroll1", 240,
                                        8040, 10815, 255);
    m_vScroll1->setAccessibleName(tr("Pan up and down"));
    m_vScroll1->setAccessibleDescription(tr("Moves the image preview vertically"));
    m_hScroll1->setAccessibleName(tr("Pan left and right"));
    m_hScroll1->setAccessibleDescription(tr("Moves the image preview horizontally"));
    for (QScrollBar* bar : {m_vScroll1, m_hScroll1}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setEnabled(false);
        // Reached with Tab, so the arrow keys pan; a click still leaves the focus where it is.
        bar->setFocusPolicy(Qt::TabFocus);
    }
    // valueChanged also comes while the thumb is dragged.
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &PreviewPane::HScroll1_Change);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &PreviewPane::VScroll1_Change);

    m_decoder = new PictureDecoder(this);
    connect(m_decoder, &PictureDecoder::decoded, this, &PreviewPane::showDecoded);
    // A wheel turn over the picture, the viewport or the frame's bare edge.
    m_frame3->installEventFilter(this);
    m_picContenedor->installEventFilter(this);
    m_picture2->installEventFilter(this);
}

void PreviewPane::ShowSelectedImage(bool LoadImages, const ImageListView& list,
                                    const QString& rootFolder, QString& PreviousImagePath)
{
    if (!LoadImages)
        return;
    const int selected = list.selectedIndex();
    if (selected < 0)
        return;
    const QString name = list.itemText(selected);
    m_resetPan = m_resetPan || name != PreviousImagePath;
    PreviousImagePath = name;
    requestPicture(rootFolder + name);
}

void PreviewPane::EditSelectedImage(int button, const ImageListView& list,
                                    const QString& rootFolder) const
{
    if (button != ImageListView::RightButton)
        return;
    const int selected = list.selectedIndex();
    if (selected < 0)
        return;
    // The full path: a bare Name would resolve against the working folder.
    Platform::shellExecute(
        {&m_window, QStringLiteral("Edit"), rootFolder + list.itemText(selected)});
}

void PreviewPane::FitAfterResize(double previewFrameWidthTwips)
{
    const double barThickness = Platform::pixelsToTwipsY(m_hScroll1->height());
    QRect bar = m_vScroll1->geometry();
    bar.setX(Platform::twipsToPixelsX(previewFrameWidthTwips - 250));
    bar.setWidth(Platform::twipsToPixelsX(barThickness));
    m_vScroll1->setGeometry(bar);

    // The layout pass scaled the holder like any control; a held picture keeps
    // its zoomed size rather than being cropped.
    if (m_picture2->hasPicture()) {
        if (m_fitToPane)
            setZoomFactor(ZoomMath::FitFactor(m_picture2->naturalSize(), fitArea()));
        m_picture2->resize(m_picture2->shownSize());
    }
    panToOrigin();
    if (m_picture2->isVisibleTo(m_frame3))
        fitScrollBars();
}

void PreviewPane::zoomIn()
{
    zoomAbout(ZoomMath::ZoomIn(m_zoom), false, viewportCentre());
}

void PreviewPane::zoomOut()
{
    zoomAbout(ZoomMath::ZoomOut(m_zoom), false, viewportCentre());
}

void PreviewPane::actualSize()
{
    zoomAbout(1.0, false, viewportCentre());
}

void PreviewPane::fitToPane()
{
    // With nothing shown yet, the next picture is fitted when it comes.
    const double zoom = m_picture2->hasPicture()
                            ? ZoomMath::FitFactor(m_picture2->naturalSize(), fitArea())
                            : m_zoom;
    zoomAbout(zoom, true, viewportCentre());
}

void PreviewPane::setDecodeFunction(PictureDecoder::DecodeFunction decode)
{
    m_decoder->setDecodeFunction(std::move(decode));
}

bool PreviewPane::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!wheel->modifiers().testFlag(Qt::ControlModifier))
        return false;
    const QPointF at = static_cast<QWidget*>(watched)->mapTo(m_frame3, wheel->position());
    // A notch is 120; touchpads send it in smaller parts.
    m_wheelAngle += wheel->angleDelta().y();
    for (; m_wheelAngle >= 120; m_wheelAngle -= 120)
        zoomAbout(ZoomMath::ZoomIn(m_zoom), false, at);
    for (; m_wheelAngle <= -120; m_wheelAngle += 120)
        zoomAbout(ZoomMath::ZoomOut(m_zoom), false, at);
    return true;
}

void PreviewPane::showDecoded(const std::optional<PictureLoader::DecodedPicture>& picture)
{
    const double before = m_zoom;
    if (picture) {
        m_shownPath = m_requestedPath;
        m_zoom = picture->zoom;
        m_picture2->setZoom(m_zoom);
        QImage previous = m_picture2->picture();
        m_picture2->setPicture(picture->image, picture->naturalSize);
        m_decoder->dispose(std::move(previous));
    }
    fitScrollBars();
    if (m_resetPan)
        panToOrigin();
    m_resetPan = false;
    m_picture2->show();
    if (m_zoom != before)
        Q_EMIT zoomChanged(m_zoom);
}

void PreviewPane::requestPicture(const QString& path)
{
    m_requestedPath = path;
    m_decoder->request({path, m_fitToPane ? std::nullopt : std::optional(m_zoom), fitArea()});
}

void PreviewPane::zoomAbout(double zoom, bool fit, const QPointF& anchor)
{
    m_fitToPane = fit;
    const double before = m_zoom;
    // Bars move in whole steps; zooming on from the rounded pan would let the
    // anchored point drift a little further with every notch.
    const QPointF offset =
        m_roundedPan == m_picture2->pos() ? m_exactPan : -QPointF(m_picture2->pos());
    setZoomFactor(zoom);
    if (!m_picture2->hasPicture())
        return;
    fitScrollBars();
    const QPointF pan = ZoomMath::AnchoredOffset(offset, anchor, before, zoom);
    m_hScroll1->setValue(valueFor(*m_hScroll1, pan.x() * Platform::twipsPerPixelX()));
    m_vScroll1->setValue(valueFor(*m_vScroll1, pan.y() * Platform::twipsPerPixelY()));
    // An unchanged value sends no signal, yet a resize may have left the
    // picture away from its bars.
    HScroll1_Change(m_hScroll1->value());
    VScroll1_Change(m_vScroll1->value());
    m_roundedPan = m_picture2->pos();
    const QPointF furthest(
        Platform::twipsToPixelsX(-ScrollMath::ScrollOffset(m_hScroll1->maximum())),
        Platform::twipsToPixelsY(-ScrollMath::ScrollOffset(m_vScroll1->maximum())));
    m_exactPan =
        QPointF(std::clamp(pan.x(), 0.0, furthest.x()), std::clamp(pan.y(), 0.0, furthest.y()));
}

void PreviewPane::setZoomFactor(double zoom)
{
    const double before = m_zoom;
    m_zoom = zoom;
    m_picture2->setZoom(zoom);
    // Zoomed out, a picture is decoded at the size shown, so a new zoom may
    // want a new decode; until it comes the held one is scaled.
    if (m_decoder->isWaiting())
        requestPicture(m_requestedPath);
    else if (m_picture2->hasPicture() &&
             ZoomMath::DecodeSize(m_picture2->naturalSize(), zoom) != m_picture2->decodedSize())
        requestPicture(m_shownPath);
    if (zoom != before)
        Q_EMIT zoomChanged(zoom);
}

QPointF PreviewPane::viewportCentre() const
{
    const QSize area = fitArea();
    return QPointF(area.width() / 2.0, area.height() / 2.0);
}

QSize PreviewPane::fitArea() const
{
    // The bars lie over the frame's right and bottom edges.
    QRect visible = m_frame3->geometry();
    visible.setRight(std::min(visible.right(), m_vScroll1->x() - 1));
    visible.setBottom(std::min(visible.bottom(), m_hScroll1->y() - 1));
    return visible.size().boundedTo(m_picContenedor->contentsRect().size());
}

void PreviewPane::HScroll1_Change(int value)
{
    m_picture2->move(Platform::twipsToPixelsX(ScrollMath::ScrollOffset(value)), m_picture2->y());
}

void PreviewPane::VScroll1_Change(int value)
{
    m_picture2->move(m_picture2->x(), Platform::twipsToPixelsY(ScrollMath::ScrollOffset(value)));
}

void PreviewPane::fitScrollBars()
{
    const QSize viewport = m_picContenedor->contentsRect().size();
    const double viewportWidth = Platform::pixelsToTwipsX(viewport.width());
    const double viewportHeight = Platform::pixelsToTwipsY(viewport.height());
    const double pictureWidth = Platform::pixelsToTwipsX(m_picture2->width());
    const double pictureHeight = Platform::pixelsToTwipsY(m_picture2->height());
    setMaximum(*m_hScroll1, ScrollMath::ScrollMaximum(pictureWidth, viewportWidth));
    setMaximum(*m_vScroll1, ScrollMath::ScrollMaximum(pictureHeight, viewportHeight));
    m_hScroll1->setPageStep(ScrollMath::PageStep(viewportWidth));
    m_vScroll1->setPageStep(ScrollMath::PageStep(viewportHeight));
    m_hScroll1->setEnabled(ScrollMath::ScrollEnabled(pictureWidth, viewportWidth));
    m_vScroll1->setEnabled(ScrollMath::ScrollEnabled(pictureHeight, viewportHeight));
}

void PreviewPane::panToOrigin()
{
    m_roundedPan.reset();
    m_picture2->move(0, 0);
    m_vScroll1->setValue(0);
    m_hScroll1->setValue(0);
}
