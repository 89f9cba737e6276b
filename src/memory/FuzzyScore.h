#pragma once

#include <QStringView>
#include <string_view>

namespace FuzzyScore {

// Matches below this score are not offered.
inline constexpr double kMinScore = 0.70;

// Levenshtein distance over code points. With a limit, any distance above it
// is reported as limit + 1, which lets the band shrink to 2 * limit + 1 cells.
int editDistance(std::u32string_view a, std::u32string_view b, int limit = -1);

// 1 - distance / the longer length, in code points; two empty texts score 1.
double similarity(QStringView a, QStringView b);

// The largest distance that still scores at least minScore against texts of
// these lengths.
int maxDistance(int lengthA, int lengthB, double minScore = kMinScore);

std::u32string codePoints(QStringView text);

} // namespace FuzzyScore
