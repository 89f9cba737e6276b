#pragma once

#include "ImageListRow.h"

#include <QDir>
#include <QStringList>
#include <vector>

// Each row as "name|source|target|x" ("x" when checked, names with '/'), so a
// whole list compares at once and a difference shows in one line.
inline QStringList rowTexts(const std::vector<ImageListRow>& rows)
{
    QStringList out;
    for (const ImageListRow& row : rows)
        out << QStringList{QDir::fromNativeSeparators(row.name), row.sourceText, row.targetText,
                           row.checked ? QStringLiteral("x") : QString()}
                   .join(QLatin1Char('|'));
    return out;
}
