#include "FitMeasure.h"

#include "LineBreaks.h"
#include "ShapedLine.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace Fit {

namespace {

constexpr qreal kTightPercent = 100;
constexpr qreal kOverflowPercent = 115;
// Large enough that rounding in the font's metrics does not matter.
constexpr int kReferencePixelSize = 1000;

qreal capHeightOf(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal capHeight = metrics.capHeight();
    // Some fonts carry no cap height; the ink of "H" is the same measure.
    return capHeight > 0 ? capHeight : -metrics.tightBoundingRect(QStringLiteral("H")).top();
}

qreal medianHeight(const QList<QRect>& boxes)
{
    std::vector<int> heights;
    for (const QRect& box : boxes)
        heights.push_back(box.height());
    std::sort(heights.begin(), heights.end());
    const size_t middle = heights.size() / 2;
    return heights.size() % 2 ? heights[middle] : (heights[middle - 1] + heights[middle]) / 2.0;
}

// The box a line stands in: its own, or for lines past the last, one more
// line spacing below it.
QRect boxForLine(const QList<QRect>& boxes, int line, qreal lineSpacing)
{
    if (line < boxes.size())
        return boxes.at(line);
    const int below = line - int(boxes.size()) + 1;
    return boxes.last().translated(0, int(std::lround(below * lineSpacing)));
}

FitLine placeLine(const QString& text, const QRect& box, const QFont& font)
{
    const ShapedLine shaped(text, font);
    FitLine line;
    line.text = text;
    line.box = box;
    line.rightToLeft = shaped.isRightToLeft();
    line.baseline = box.y() + box.height();
    const qreal left = line.rightToLeft ? box.x() + box.width() - shaped.width() : box.x();
    line.rect = QRectF(left, line.baseline - shaped.ascent(), shaped.width(),
                       shaped.ascent() + shaped.descent());
    const qreal boxLeft = box.x();
    const qreal boxRight = box.x() + box.width();
    if (line.rect.right() > boxRight)
        line.overflow = QRectF(QPointF(boxRight, line.rect.top()), line.rect.bottomRight());
    else if (line.rect.left() < boxLeft)
        line.overflow = QRectF(line.rect.topLeft(), QPointF(boxLeft, line.rect.bottom()));
    return line;
}

Verdict verdictFor(qreal percent, bool extraLines)
{
    if (extraLines || percent > kOverflowPercent)
        return Verdict::Overflows;
    return percent > kTightPercent ? Verdict::Tight : Verdict::Fits;
}

} // namespace

int pixelSizeForCapHeight(const QString& fontFamily, qreal capHeight)
{
    QFont reference(fontFamily);
    reference.setPixelSize(kReferencePixelSize);
    reference.setHintingPreference(QFont::PreferNoHinting);
    const qreal referenceCap = capHeightOf(reference);
    if (referenceCap <= 0)
        return qMax(1, int(std::lround(capHeight)));
    return qMax(1, int(std::lround(capHeight * kReferencePixelSize / referenceCap)));
}

FitResult measureFit(const SourceLines& source, const QString& target, const QString& fontFamily)
{
    FitResult result;
    result.fontFamily = fontFamily;
    for (const SourceLine& line : source) {
        if (line.box.width() > 0 && line.box.height() > 0)
            result.boxes.append(line.box);
    }
    if (result.boxes.isEmpty())
        return result;

    result.pixelSize = pixelSizeForCapHeight(fontFamily, medianHeight(result.boxes));
    const QFont font = result.font();
    const QFontMetricsF metrics(font);
    QList<qreal> boxWidths;
    for (const QRect& box : std::as_const(result.boxes))
        boxWidths.append(box.width());
    const QStringList texts = breakLines(
        target, boxWidths, [&](const QString& piece) { return metrics.horizontalAdvance(piece); });
    if (texts.isEmpty()) {
        result.verdict = Verdict::NoTargetText;
        return result;
    }

    for (int i = 0; i < texts.size(); ++i) {
        result.lines.append(
            placeLine(texts.at(i), boxForLine(result.boxes, i, metrics.lineSpacing()), font));
        if (result.widestLine < 0 ||
            result.lines.last().ratio() > result.lines.at(result.widestLine).ratio())
            result.widestLine = i;
    }
    result.percent = 100 * result.lines.at(result.widestLine).ratio();
    result.verdict = verdictFor(result.percent, result.extraLines() > 0);
    return result;
}

} // namespace Fit
