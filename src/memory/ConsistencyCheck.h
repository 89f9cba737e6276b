#pragma once

#include "MemoryTypes.h"

#include <QHash>
#include <vector>

// Collects (source, target) pairs and lists the sources given two or more
// different targets. An empty target (not yet translated) disagrees with nothing.
class ConsistencyCheck {
public:
    void add(const QString& source, const QString& target);
    // In the order each source was first added; targets in the order first seen.
    std::vector<Inconsistency> conflicts() const;

private:
    QHash<QString, int> m_index;
    std::vector<Inconsistency> m_sources;
};
