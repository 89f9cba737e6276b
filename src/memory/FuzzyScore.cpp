#include "FuzzyScore.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace FuzzyScore {

std::u32string codePoints(QStringView text)
{
    std::u32string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

int editDistance(std::u32string_view a, std::u32string_view b, int limit)
{
    if (a.size() < b.size())
        std::swap(a, b);
    const int n = static_cast<int>(a.size());
    const int m = static_cast<int>(b.size());
    if (limit < 0)
        limit = n;
    if (n - m > limit)
        return limit + 1;
    // One row of the table, restricted to the diagonal band |i - j| <= limit:
    // cells outside it can only exceed the limit.
    constexpr int kFar = 1 << 29;
    std::vector<int> row(static_cast<size_t>(m) + 1);
    for (int j = 0; j <= m; ++j)
        row[static_cast<size_t>(j)] = j <= limit ? j : kFar;
    for (int i = 1; i <= n; ++i) {
        const int from = std::max(1, i - limit);
        const int to = std::min(m, i + limit);
        int diagonal = row[static_cast<size_t>(from - 1)];
        row[static_cast<size_t>(from - 1)] = from == 1 && i <= limit ? i : kFar;
        int best = row[static_cast<size_t>(from - 1)];
        for (int j = from; j <= to; ++j) {
            const int above = row[static_cast<size_t>(j)];
            const int cost = a[static_cast<size_t>(i - 1)] == b[static_cast<size_t>(j - 1)] ? 0 : 1;
            const int value =
                std::min({above + 1, row[static_cast<size_t>(j - 1)] + 1, diagonal + cost});
            diagonal = above;
            row[static_cast<size_t>(j)] = value;
            best = std::min(best, value);
        }
        if (to < m)
            row[static_cast<size_t>(to + 1)] = kFar;
        if (best > limit)
            return limit + 1;
    }
    return std::min(row[static_cast<size_t>(m)], limit + 1);
}

double similarity(QStringView a, QStringView b)
{
    const std::u32string x = codePoints(a);
    const std::u32string y = codePoints(b);
    const size_t longer = std::max(x.size(), y.size());
    if (longer == 0)
        return 1.0;
    return 1.0 - static_cast<double>(editDistance(x, y)) / static_cast<double>(longer);
}

int maxDistance(int lengthA, int lengthB, double minScore)
{
    const int longer = std::max(lengthA, lengthB);
    // A small epsilon keeps 0.7 * 10 from landing just below 3.
    return static_cast<int>(std::floor((1.0 - minScore) * longer + 1e-9));
}

} // namespace FuzzyScore
