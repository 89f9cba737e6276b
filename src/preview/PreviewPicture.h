#pragma once

#include <QImage>
#include <QWidget>

// The image holder Picture2: paints its picture at natural size from its own
// top-left corner. Holding a picture makes the widget take the picture's size.
class PreviewPicture : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    bool hasPicture() const { return !m_picture.isNull(); }
    // The picture's size in pixels; an empty size while nothing is held.
    QSize naturalSize() const { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
