#pragma once

#include <QList>
#include <QStringList>
#include <QtGlobal>
#include <functional>

namespace Fit {

// The advance of a piece of text in the font being measured.
using TextWidth = std::function<qreal(const QString& text)>;

// Splits a Target Text into lines for boxes of the given widths (at least
// one, each above 0), in order. A line end or " / " forces a break; empty
// pieces between forced breaks are dropped. Elsewhere a line breaks where
// Unicode allows (after a space or hyphen, between CJK characters), chosen so
// that the widest line against its box is as narrow as possible. Gives as many
// lines as boxes where the text has the break points, and more where forced
// breaks ask for more; none for a blank text.
QStringList breakLines(const QString& target, const QList<qreal>& boxWidths,
                       const TextWidth& width);

} // namespace Fit
