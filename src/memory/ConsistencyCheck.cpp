#include "ConsistencyCheck.h"

void ConsistencyCheck::add(const QString& source, const QString& target)
{
    if (source.isEmpty() || target.isEmpty())
        return;
    int index = m_index.value(source, -1);
    if (index < 0) {
        index = static_cast<int>(m_sources.size());
        m_index.insert(source, index);
        m_sources.push_back({source, {}});
    }
    QStringList& targets = m_sources[static_cast<size_t>(index)].targets;
    if (!targets.contains(target))
        targets << target;
}

std::vector<Inconsistency> ConsistencyCheck::conflicts() const
{
    std::vector<Inconsistency> out;
    for (const Inconsistency& source : m_sources) {
        if (source.targets.size() > 1)
            out.push_back(source);
    }
    return out;
}
