#include "EntrySplit.h"

namespace EntrySplit {

std::optional<Parts> split(const QString& text)
{
    const qsizetype at = text.indexOf(kSeparator);
    if (at < 0)
        return std::nullopt;
    return Parts{text.left(at), text.mid(at + kSeparator.size())};
}

} // namespace EntrySplit
