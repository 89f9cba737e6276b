#pragma once

#include <QString>
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

} // namespace EntrySplit
