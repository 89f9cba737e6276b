#include "FitResult.h"

#include <QCoreApplication>
#include <cmath>

namespace Fit {

QFont FitResult::font() const
{
    QFont font(fontFamily);
    font.setPixelSize(qMax(1, pixelSize));
    // Unhinted advances scale with the painter, so the zoomed preview matches the measure.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString FitResult::summary() const
{
    const int rounded = int(std::lround(percent));
    switch (verdict) {
    case Verdict::NoTextBoxes:
        return QCoreApplication::translate("Fit",
                                           "No text boxes: no recognised text to measure against");
    case Verdict::NoTargetText:
        return QCoreApplication::translate("Fit", "No Target Text to measure");
    case Verdict::Fits:
        return QCoreApplication::translate("Fit", "Fits: the widest line takes %1% of its box")
            .arg(rounded);
    case Verdict::Tight:
        return QCoreApplication::translate("Fit", "Tight: the widest line takes %1% of its box")
            .arg(rounded);
    case Verdict::Overflows:
        break;
    }
    if (extraLines() > 0)
        return QCoreApplication::translate(
                   "Fit", "Overflows: %1 lines for %2 text boxes; the widest takes %3% of its box")
            .arg(lines.size())
            .arg(boxes.size())
            .arg(rounded);
    return QCoreApplication::translate("Fit", "Overflows: the widest line takes %1% of its box")
        .arg(rounded);
}

} // namespace Fit
