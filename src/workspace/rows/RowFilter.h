#pragma once

#include "ImageListRow.h"

#include <QString>

// Which rows the grid shows: those whose Name, Source or Target contains the
// text (regardless of case), optionally only untranslated (empty Target Text)
// or only checked ones. It never changes the rows or what is saved.
struct RowFilter {
    QString text;
    bool untranslatedOnly = false;
    bool checkedOnly = false;

    bool isEmpty() const { return text.isEmpty() && !untranslatedOnly && !checkedOnly; }
    bool matches(const ImageListRow& row) const;
    bool operator==(const RowFilter&) const = default;
};
