#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QStaticText>
#include <QString>

class QFontMetrics;
class QPainter;

// One column of the header as the painting needs it: the item rectangle in
// header pixels, and the header item record's title, format and image index.
struct HeaderColumn {
    int left = 0;
    int right = 0;
    int bottom = 0;
    QString title;
    int format = 0;
    int imageIndex = -1;
};

// The header's image list: one picture per image index, all drawn at iconSize.
// Empty when the header has none (icon size 0 x 0 then).
struct HeaderImageList {
    QList<QPixmap> images;
    QSize iconSize;
    bool isEmpty() const { return images.isEmpty(); }
};

// Everything that decides the look of one painting.
struct HeaderPaintState {
    QList<HeaderColumn> columns;
    HeaderImageList imageList;
    int hotColumn = -1;
    bool pressed = false;
    bool drag = false;
    bool HedersFontBlod = false;
    bool IconAlingmentRight = false;
    QColor TextNormalColor = Qt::black;
    QColor TextResalteColor = Qt::black;
    // The header's own font: titles are fitted to their columns in it.
    QFont measureFont;
};

// Paints the whole header from the skin: a row of nine slices (normal, hot,
// pressed; left edge, middle, right edge each). The skin may hold more pixels
// than its size (a device pixel ratio of 2); painting uses them on screens
// that scale. Drawing goes to a work bitmap
// that is copied to the target once, so frequent repaints do not flicker.
class HeaderPainter {
public:
    HeaderPainter() = default;
    // sliceWidth and skinHeight are the skin's slice size in pixels.
    HeaderPainter(const QPixmap& skin, int sliceWidth, int skinHeight);

    const QPixmap& skin() const { return m_skin; }
    int sliceWidth() const { return m_sliceWidth; }
    int skinHeight() const { return m_skinHeight; }

    // Paints size (the header's client size) at target's origin.
    void PaintHeader(QPainter& target, const QSize& size, const HeaderPaintState& state) const;
    // The same painting as an image, for checks and screenshots.
    QImage render(const QSize& size, const HeaderPaintState& state) const;

private:
    enum class Look { Normal, Hot, Pressed };

    // The skin cut into its slices and scaled to the header's size at one
    // device pixel ratio. Each slice is its own pixmap, so smooth scaling
    // never blends in the slice next to it.
    struct Slices {
        qreal ratio = 0;
        bool rescaled = false;
        QList<QPixmap> slices;
        QPixmap background;
    };
    const Slices& slicesFor(qreal ratio) const;

    void drawSlice(QPainter& painter, int slice, int x, int width, int height) const;
    void paintColumn(QPainter& painter, const QFontMetrics& measure, const HeaderColumn& column,
                     Look look, int code, bool hasImage, const HeaderPaintState& state) const;
    int textWidth(const QFont& font, const QFontMetrics& metrics, const QString& text) const;
    const QStaticText& staticText(const QFont& font, const QString& text) const;

    QPixmap m_skin;
    int m_sliceWidth = 0;
    int m_skinHeight = 0;
    mutable Slices m_slices;
    // Text widths by font and text: the header repaints on every mouse move
    // with the same few titles. Painting runs on the GUI thread only.
    mutable QHash<QString, int> m_widths;
    mutable QHash<QString, QStaticText> m_texts;
};
