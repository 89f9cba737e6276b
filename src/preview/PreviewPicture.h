#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The image holder Picture2: paints its picture at the zoom from its own
// top-left corner, taking the zoomed size. The picture may have been decoded
// smaller than its natural size; painting scales it to the zoom without a
// zoomed copy, so a picture at 800% costs no more memory than at 100%.
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent = nullptr);

    // Paints over the picture in its natural pixels (the painter is scaled
    // to the zoom); given the picture as decoded, which may be smaller.
    using Overlay =
        std::function<void(QPainter& painter, const QImage& decoded, QSize naturalSize)>;
    void setOverlay(Overlay overlay);

    void setPicture(const QImage& decoded, const QSize& naturalSize);
    void setZoom(double zoom);

    bool hasPicture() const { return !m_picture.isNull(); }
    // The picture's size in pixels; an empty size while nothing is held.
    QSize naturalSize() const { return m_naturalSize; }
    const QImage& picture() const { return m_picture; }
    QSize decodedSize() const { return m_picture.size(); }
    // The natural size at the zoom.
    QSize shownSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QSize m_naturalSize;
    double m_zoom = 1.0;
    Overlay m_overlay;
};
