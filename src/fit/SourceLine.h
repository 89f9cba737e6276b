#pragma once

#include <QLatin1String>
#include <QList>
#include <QRect>
#include <QString>

namespace Fit {

// The family the fit check measures and paints in unless told otherwise.
inline constexpr QLatin1String kDefaultFontFamily("DejaVu Sans");

// One line of text the image shows: its box in image pixels and what it says.
// Text recognition fills these; the fit check needs only the boxes.
struct SourceLine {
    QRect box;
    QString text;
};

using SourceLines = QList<SourceLine>;

} // namespace Fit
