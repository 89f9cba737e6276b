#pragma once

#include "MemoryTypes.h"

#include <QStringView>
#include <unordered_map>
#include <vector>

// The memory's sources held in memory with a trigram index, built when the
// memory opens, so that a fuzzy lookup touches no database rows until its
// winners are known.
//
// A lookup counts, for every source, the distinct padded trigrams it shares
// with the query. One edit changes at most three trigrams, so a source sharing
// s of the query's Q trigrams is at least ceil((Q - s) / 3) edits away, and at
// least the length difference. That bound, within the length band a score of
// minScore allows, orders the candidates; exact edit distance is computed on
// them best bound first, until no remaining bound can beat the current results.
// Not thread-safe: the owner guards it.
class FuzzyIndex {
public:
    // Longer sources only match exactly: their edit distance would cost too much.
    static constexpr int kMaxLength = 1000;
    // Exact distances computed per lookup at most, should a query share
    // trigrams with a huge number of sources.
    static constexpr int kMaxVerified = 5000;

    struct Hit {
        qint64 id = 0;
        double score = 0;
    };

    void add(qint64 id, QStringView source, const LanguagePair& languages);
    qint64 lastId() const { return m_lastId; }
    size_t size() const { return m_ids.size(); }

    // Up to limit sources other than query itself scoring at least minScore,
    // best first (newer first on equal scores).
    std::vector<Hit> search(QStringView query, const LanguagePair& languages, int limit,
                            double minScore) const;

private:
    int languageNumber(const LanguagePair& languages) const;

    std::vector<qint64> m_ids;
    std::vector<quint16> m_lengths; // code points
    std::vector<quint16> m_languages;
    std::vector<quint32> m_offsets{0}; // into m_text; one more than m_ids
    std::vector<char16_t> m_text;
    std::unordered_map<quint64, std::vector<quint32>> m_postings;
    std::vector<LanguagePair> m_languagePairs;
    qint64 m_lastId = 0;
};
