#include "PreviewPicture.h"

#include "ZoomMath.h"

#include <QPaintEvent>
#include <QPainter>

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {}

void PreviewPicture::setPicture(const QImage& decoded, const QSize& naturalSize)
{
    m_picture = decoded;
    m_naturalSize = naturalSize;
    resize(shownSize());
    update();
}

void PreviewPicture::setZoom(double zoom)
{
    m_zoom = zoom;
    if (hasPicture())
        resize(shownSize());
    update();
}

QSize PreviewPicture::shownSize() const
{
    return m_naturalSize.isEmpty() ? QSize() : ZoomMath::ScaledSize(m_naturalSize, m_zoom);
}

void PreviewPicture::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QSize shown = shownSize();
    // Only the exposed part: a large picture is mostly clipped away by the frame.
    const auto paintOverlay = [&] {
        if (!m_overlay || m_naturalSize.isEmpty())
            return;
        painter.scale(double(shown.width()) / m_naturalSize.width(),
                      double(shown.height()) / m_naturalSize.height());
        m_overlay(painter, m_picture, m_naturalSize);
    };
    if (shown == m_picture.size()) {
        const QRect exposed = event->rect().intersected(m_picture.rect());
        painter.drawImage(exposed.topLeft(), m_picture, exposed);
        paintOverlay();
        return;
    }
    const double across = double(shown.width()) / m_picture.width();
    const double down = double(shown.height()) / m_picture.height();
    const QRectF exposed = event->rect().intersected(QRect(QPoint(), shown));
    const QRectF source(exposed.x() / across, exposed.y() / down, exposed.width() / across,
                        exposed.height() / down);
    // Smooth when reducing; enlarged pixels stay sharp squares, which is what
    // someone checking a glyph's edge wants to see.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, across < 1.0 || down < 1.0);
    painter.drawImage(exposed, m_picture, source);
    paintOverlay();
}

void PreviewPicture::setOverlay(Overlay overlay)
{
    m_overlay = std::move(overlay);
    update();
}
