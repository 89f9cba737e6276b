#pragma once

#include <QString>

// One image to localise: which file (relative to the image root folder), the
// text it shows, its translation, and whether it is selected for saving.
struct ImageListRow {
    QString name;
    QString sourceText;
    QString targetText;
    bool checked = false;

    bool operator==(const ImageListRow&) const = default;
};
