#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>

namespace Fit {

enum class Verdict {
    NoTextBoxes,  // nothing to measure against: show no marker
    NoTargetText, // nothing to measure
    Fits,         // the widest line takes at most 100% of its box
    Tight,        // over 100% up to 115%
    Overflows,    // over 115%, or more lines than the image has boxes
};

// Where a line of the target stands and how wide it is, in image pixels.
struct FitLine {
    QString text;
    // The source box it replaces; lines beyond the last box get one below it.
    QRect box;
    // The shaped text: left edge, top at baseline minus ascent, natural width.
    QRectF rect;
    qreal baseline = 0;
    bool rightToLeft = false;
    // The part of rect beyond the box's start or end edge; empty when it fits.
    QRectF overflow;

    qreal width() const { return rect.width(); }
    qreal ratio() const { return box.width() > 0 ? rect.width() / box.width() : 0; }
};

struct FitResult {
    Verdict verdict = Verdict::NoTextBoxes;
    // The widest line against its box width: 100 fills the box exactly.
    qreal percent = 0;
    int widestLine = -1;
    QString fontFamily;
    int pixelSize = 0;
    // Every usable source box, including those the target leaves empty.
    QList<QRect> boxes;
    QList<FitLine> lines;

    int extraLines() const { return qMax(0, int(lines.size() - boxes.size())); }
    // The font the lines were measured in; paint in this one.
    QFont font() const;
    // One sentence for a tooltip or status bar.
    QString summary() const;
};

} // namespace Fit
