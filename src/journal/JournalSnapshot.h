#pragma once

#include "ImageListRow.h"

#include <QString>
#include <vector>

// Everything the user would lose in a crash: every row in list order, checked
// or not, and the two paths typed into the window.
struct JournalSnapshot {
    QString imageRoot;
    QString listFile;
    std::vector<ImageListRow> rows;

    bool operator==(const JournalSnapshot&) const = default;
};
