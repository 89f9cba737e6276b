#include "PreviewPicture.h"

#include <QPaintEvent>
#include <QPainter>

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent) {}

void PreviewPicture::setPicture(const QImage& picture)
{
    m_picture = picture;
    resize(m_picture.size());
    update();
}

void PreviewPicture::paintEvent(QPaintEvent* event)
{
    if (m_picture.isNull())
        return;
    // Only the exposed part: a large picture is mostly clipped away by the frame.
    const QRect exposed = event->rect().intersected(m_picture.rect());
    QPainter painter(this);
    painter.drawImage(exposed.topLeft(), m_picture, exposed);
}
