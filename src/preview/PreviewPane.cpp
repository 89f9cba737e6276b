#include "PreviewPane.h"

#include "Dialogs.h"
#include "ImageListView.h"
#include "PictureLoader.h"
#include "PreviewPicture.h"
#include "ScrollMath.h"
#include "Twips.h"

#include <QFrame>
#include <QScrollBar>
#include <algorithm>

namespace {

// The minimum stays 0. For a negative maximum (picture smaller than the
// viewport) Qt alone would lower the minimum to it and clamp the value there,
// pushing the picture right; the range [maximum, 0] keeps the value at 0.
void setMaximum(QScrollBar& bar, int maximum)
{
    bar.setRange(std::min(0, maximum), std::max(0, maximum));
}

} // namespace

PreviewPane::PreviewPane(QWidget& window) : QObject(&window), m_window(window)
{
    m_frame3 = Platform::placeControl(new QFrame(&window), "Frame3", 240, 5040, 10695, 3015);
    m_frame3->setFrameShape(QFrame::NoFrame);
    m_frame3->setAutoFillBackground(true);
    m_frame3->setBackgroundRole(QPalette::Mid);
    // The viewport lies under the picture; the frame clips them both.
    m_picContenedor =
        Platform::placeControl(new QFrame(m_frame3), "PicContenedor", 0, 360, 10695, 3255);
    m_picContenedor->setFrameShape(QFrame::NoFrame);
    m_picture2 =
        Platform::placeControl(new PreviewPicture(m_frame3), "Picture2", 480, 480, 4335, 1935);
    m_picture2->hide();

    m_vScroll1 = Platform::placeControl(new QScrollBar(Qt::Vertical, &window), "VScroll1", 10800,
                                        5040, 255, 2985);
    m_hScroll1 = Platform::placeControl(new QScrollBar(Qt::Horizontal, &window), "HScroll1", 240,
                                        8040, 10815, 255);
    for (QScrollBar* bar : {m_vScroll1, m_hScroll1}) {
        bar->setRange(0, 0);
        bar->setSingleStep(1);
        bar->setEnabled(false);
    }
    // valueChanged also comes while the thumb is dragged.
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &PreviewPane::HScroll1_Change);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &PreviewPane::VScroll1_Change);
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
    if (const auto picture = PictureLoader::LoadPicture(rootFolder + name))
        m_picture2->setPicture(*picture);
    fitScrollBars();
    if (name != PreviousImagePath)
        panToOrigin();
    m_picture2->show();
    PreviousImagePath = name;
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
    // its natural size rather than being cropped.
    if (m_picture2->hasPicture())
        m_picture2->resize(m_picture2->naturalSize());
    panToOrigin();
    if (m_picture2->isVisibleTo(m_frame3))
        fitScrollBars();
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
    m_picture2->move(0, 0);
    m_vScroll1->setValue(0);
    m_hScroll1->setValue(0);
}
