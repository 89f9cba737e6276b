#include "FitOverlay.h"

#include "BoxColours.h"
#include "FitMeasure.h"
#include "ShapedLine.h"

#include <QImage>
#include <QPainter>

namespace Fit {

void paintOverlay(QPainter& painter, const QImage& image, const FitResult& fit)
{
    if (fit.lines.isEmpty())
        return;
    QList<BoxColours> colours;
    for (const QRect& box : fit.boxes)
        colours.append(sampleBoxColours(image, box));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Every box first, so that no fill covers a neighbour's overrunning line;
    // a pixel more each way takes the old text's antialiased edge and overshoot.
    for (int i = 0; i < fit.boxes.size(); ++i)
        painter.fillRect(fit.boxes.at(i).adjusted(-1, -1, 1, 1), colours.at(i).background);

    const QFont font = fit.font();
    for (int i = 0; i < fit.lines.size(); ++i) {
        const FitLine& line = fit.lines.at(i);
        painter.setPen(colours.at(qMin(i, int(colours.size()) - 1)).text);
        ShapedLine(line.text, font).draw(painter, line.rect.topLeft());
    }

    QPen outline(QColor(255, 0, 0), 2);
    outline.setCosmetic(true);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    for (const FitLine& line : fit.lines) {
        if (!line.overflow.isEmpty())
            painter.drawRect(line.overflow);
    }
    painter.restore();
}

void paintOverlay(QPainter& painter, const QImage& image, const SourceLines& source,
                  const QString& target, const QString& fontFamily)
{
    paintOverlay(painter, image, measureFit(source, target, fontFamily));
}

} // namespace Fit
