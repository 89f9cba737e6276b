#pragma once

#include <QString>

// One image to localise: which file (relative to the image root folder), the
// text it shows, its translation, and whether it is selected for saving.
struct ImageListRow {
    QString name;
    QString sourceText;
    QString targetText;
    bool checked = false;
    // Marks for the translator's review, never stored in a file: how sure
    // text recognition was of the Source Text (0-100, -1 when typed), and a
    // Target Text filled from the translation memory.
    int sourceConfidence = -1;
    bool targetFromMemory = false;
    // Whether the Target Text fits the image's text boxes: 0 fits or unknown,
    // 1 tight, 2 overflows; the note says so in words.
    int fitLevel = 0;
    QString fitNote{};

    bool operator==(const ImageListRow&) const = default;
};
