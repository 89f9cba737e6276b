#include "FuzzyIndex.h"

#include "FuzzyScore.h"

#include <algorithm>
#include <cmath>

namespace {

// Outside Unicode, so padding never equals a character.
constexpr char32_t kPad = 0x1FFFFF;

// Distinct trigrams of the text padded with two marks on each side.
std::vector<quint64> trigrams(const std::u32string& text)
{
    std::u32string padded;
    padded.reserve(text.size() + 4);
    padded.append(2, kPad);
    padded.append(text);
    padded.append(2, kPad);
    std::vector<quint64> keys;
    keys.reserve(padded.size());
    for (size_t i = 0; i + 2 < padded.size(); ++i)
        keys.push_back((quint64(padded[i]) << 42) | (quint64(padded[i + 1]) << 21) | padded[i + 2]);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

} // namespace

int FuzzyIndex::languageNumber(const LanguagePair& languages) const
{
    const auto at = std::find(m_languagePairs.begin(), m_languagePairs.end(), languages);
    return at == m_languagePairs.end() ? -1 : static_cast<int>(at - m_languagePairs.begin());
}

void FuzzyIndex::add(qint64 id, QStringView source, const LanguagePair& languages)
{
    m_lastId = std::max(m_lastId, id);
    const std::u32string text = FuzzyScore::codePoints(source);
    if (text.empty() || text.size() > kMaxLength)
        return;
    int language = languageNumber(languages);
    if (language < 0) {
        if (m_languagePairs.size() > 0xFFFF)
            return;
        m_languagePairs.push_back(languages);
        language = static_cast<int>(m_languagePairs.size()) - 1;
    }
    const auto doc = static_cast<quint32>(m_ids.size());
    m_ids.push_back(id);
    m_lengths.push_back(static_cast<quint16>(text.size()));
    m_languages.push_back(static_cast<quint16>(language));
    m_text.insert(m_text.end(), source.utf16(), source.utf16() + source.size());
    m_offsets.push_back(static_cast<quint32>(m_text.size()));
    for (const quint64 key : trigrams(text))
        m_postings[key].push_back(doc);
}

std::vector<FuzzyIndex::Hit> FuzzyIndex::search(QStringView query, const LanguagePair& languages,
                                                int limit, double minScore) const
{
    const std::u32string q = FuzzyScore::codePoints(query);
    const int language = languageNumber(languages);
    if (q.empty() || q.size() > kMaxLength || language < 0 || limit <= 0)
        return {};
    const int length = static_cast<int>(q.size());
    const std::vector<quint64> keys = trigrams(q);
    const int queryGrams = static_cast<int>(keys.size());

    std::vector<quint16> shared(m_ids.size(), 0);
    std::vector<quint32> touched;
    for (const quint64 key : keys) {
        const auto posting = m_postings.find(key);
        if (posting == m_postings.end())
            continue;
        for (const quint32 doc : posting->second) {
            if (shared[doc]++ == 0)
                touched.push_back(doc);
        }
    }

    struct Candidate {
        quint32 doc;
        double bound; // the best score this source can reach
    };
    std::vector<Candidate> candidates;
    const int shortest = static_cast<int>(std::ceil(length * minScore - 1e-9));
    const int longest = static_cast<int>(std::floor(length / minScore + 1e-9));
    for (const quint32 doc : touched) {
        const int other = m_lengths[doc];
        if (m_languages[doc] != language || other < shortest || other > longest)
            continue;
        const int longer = std::max(length, other);
        const int fewest = std::max((queryGrams - shared[doc] + 2) / 3, std::abs(length - other));
        const double bound = 1.0 - static_cast<double>(fewest) / longer;
        if (bound >= minScore)
            candidates.push_back({doc, bound});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.bound > b.bound; });

    std::vector<Hit> hits; // best first, at most limit
    auto worst = [&] {
        return static_cast<int>(hits.size()) < limit ? minScore : hits.back().score;
    };
    int verified = 0;
    for (const Candidate& candidate : candidates) {
        if (candidate.bound < worst() || ++verified > kMaxVerified)
            break;
        const quint32 doc = candidate.doc;
        const QStringView text(m_text.data() + m_offsets[doc], m_offsets[doc + 1] - m_offsets[doc]);
        const std::u32string other = FuzzyScore::codePoints(text);
        if (other == q)
            continue;
        const int longer = std::max(length, static_cast<int>(other.size()));
        // Only distances that would still make the list are worth finishing.
        const int limitDistance = static_cast<int>(std::floor((1.0 - worst()) * longer + 1e-9));
        const int distance = FuzzyScore::editDistance(q, other, limitDistance);
        if (distance > limitDistance)
            continue;
        const Hit hit{m_ids[doc], 1.0 - static_cast<double>(distance) / longer};
        const auto at = std::find_if(hits.begin(), hits.end(), [&](const Hit& h) {
            return hit.score > h.score || (hit.score == h.score && hit.id > h.id);
        });
        hits.insert(at, hit);
        if (static_cast<int>(hits.size()) > limit)
            hits.pop_back();
    }
    return hits;
}
