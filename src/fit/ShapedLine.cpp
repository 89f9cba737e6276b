#include "ShapedLine.h"

#include <QFont>
#include <QPainter>
#include <QTextOption>

namespace Fit {

ShapedLine::ShapedLine(const QString& text, const QFont& font)
    : m_layout(text, font), m_rightToLeft(text.isRightToLeft())
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    m_layout.setTextOption(option);

    // Measured first, then laid out again at its own width, so that no
    // alignment slack moves a right-to-left line away from its left edge.
    m_layout.beginLayout();
    QTextLine probe = m_layout.createLine();
    if (probe.isValid())
        probe.setLineWidth(qreal(1 << 24));
    m_layout.endLayout();
    m_width = probe.isValid() ? probe.naturalTextWidth() : 0;

    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(m_width);
        line.setPosition(QPointF(0, 0));
        m_ascent = line.ascent();
        m_descent = line.descent();
    }
    m_layout.endLayout();
}

void ShapedLine::draw(QPainter& painter, const QPointF& topLeft) const
{
    m_layout.draw(&painter, topLeft);
}

} // namespace Fit
