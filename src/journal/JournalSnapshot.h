#pragma once

#include "SharedRows.h"

#include <QString>

// Everything the user would lose in a crash: every row in list order, checked
// or not, and the two paths typed into the window.
struct JournalSnapshot {
    QString imageRoot;
    QString listFile;
    // Shared with the model while it is written, not copied.
    SharedRows rows;

    bool operator==(const JournalSnapshot&) const = default;
};
