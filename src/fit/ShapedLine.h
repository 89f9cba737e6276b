#pragma once

#include <QTextLayout>

class QFont;
class QPainter;
class QPointF;

namespace Fit {

// One line of text shaped as it will be drawn (bidi, joining, fallback fonts
// for CJK), never wrapped, exactly as wide as its text.
class ShapedLine {
public:
    ShapedLine(const QString& text, const QFont& font);
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;

    qreal width() const { return m_width; }
    qreal ascent() const { return m_ascent; }
    qreal descent() const { return m_descent; }
    bool isRightToLeft() const { return m_rightToLeft; }

    // Draws with the painter's pen; topLeft is the line's left edge at its ascent.
    void draw(QPainter& painter, const QPointF& topLeft) const;

private:
    QTextLayout m_layout;
    qreal m_width = 0;
    qreal m_ascent = 0;
    qreal m_descent = 0;
    bool m_rightToLeft = false;
};

} // namespace Fit
