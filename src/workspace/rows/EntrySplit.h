#pragma once

#include <QString>

class ImageListModel;
#include <optional>

// An entry typed as "before | after" stands for two rows of the same image.
namespace EntrySplit {

inline const QString kSeparator = QStringLiteral(" | ");

struct Parts {
    QString before;
    QString after; // may hold a further separator: it is split only once

    bool operator==(const Parts&) const = default;
};

// Splits at the first separator (exact, case-sensitive); nothing when there is none.
std::optional<Parts> split(const QString& text);

// Writes text into a text column of a row, split as typed: the row keeps the
// part before the separator, a new row of the same image below it gets the
// part after it, both checked, and ImageCount follows. False when the text
// holds no separator (then nothing is written).
bool splitInto(ImageListModel& model, int row, int column, const QString& text);

} // namespace EntrySplit
