// The translation memory's fuzzy scoring: the banded edit distance against
// the whole table, its limit, and the score and distance bound built on it.
#include "FuzzSupport.h"
#include "FuzzyScore.h"

#include <algorithm>
#include <vector>

namespace {

// Levenshtein distance over the whole table, the slow and obvious way.
int plainDistance(const std::u32string& a, const std::u32string& b)
{
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::Input input(data, size);
    const int limit = input.byte() % 80 - 1;
    const int lengthA = input.byte() % 128;
    const QString a = input.utf16(lengthA);
    const QString b = input.utf16(128);
    const std::u32string x = FuzzyScore::codePoints(a);
    const std::u32string y = FuzzyScore::codePoints(b);
    FUZZ_CHECK(x.size() <= static_cast<size_t>(a.size()));

    const int distance = plainDistance(x, y);
    FUZZ_CHECK(FuzzyScore::editDistance(x, y) == distance);
    FUZZ_CHECK(FuzzyScore::editDistance(y, x) == distance);
    if (limit >= 0) {
        FUZZ_CHECK(FuzzyScore::editDistance(x, y, limit) == std::min(distance, limit + 1));
        FUZZ_CHECK(FuzzyScore::editDistance(y, x, limit) == std::min(distance, limit + 1));
    }
    const double score = FuzzyScore::similarity(a, b);
    FUZZ_CHECK(score >= 0.0 && score <= 1.0);
    FUZZ_CHECK(score == FuzzyScore::similarity(b, a));
    FUZZ_CHECK(FuzzyScore::similarity(a, a) == 1.0);
    FUZZ_CHECK((score == 1.0) == (x == y));
    // The lookup bounds its search by maxDistance: a pair that scores enough
    // must lie within it, and one beyond it must not.
    const int bound =
        FuzzyScore::maxDistance(static_cast<int>(x.size()), static_cast<int>(y.size()));
    FUZZ_CHECK((score >= FuzzyScore::kMinScore) == (distance <= bound));
    return 0;
}
