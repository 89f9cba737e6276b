#include "ImportPlan.h"

#include <QHash>
#include <algorithm>

namespace Exchange {

namespace {

QString matchKey(const QString& name)
{
    QString key = name;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key;
}

} // namespace

ImportPlan planImport(const std::vector<ImageListRow>& list, const std::vector<ImageListRow>& file)
{
    // The list rows of each Name, in order, and how many of them are taken.
    struct Slots {
        std::vector<int> rows;
        size_t taken = 0;
    };
    QHash<QString, Slots> byName;
    byName.reserve(static_cast<qsizetype>(list.size()));
    for (size_t i = 0; i < list.size(); ++i)
        byName[matchKey(list[i].name)].rows.push_back(static_cast<int>(i));

    ImportPlan plan;
    for (size_t f = 0; f < file.size(); ++f) {
        const ImageListRow& incoming = file[f];
        const auto found = byName.find(matchKey(incoming.name));
        if (found == byName.end() || found->taken == found->rows.size()) {
            plan.unmatched.push_back(static_cast<int>(f));
            continue;
        }
        ++plan.matched;
        const int row = found->rows[found->taken++];
        const ImageListRow& current = list[static_cast<size_t>(row)];
        ImageListRow after = current;
        if (!incoming.targetText.isEmpty())
            after.targetText = incoming.targetText;
        if (current.sourceText.isEmpty())
            after.sourceText = incoming.sourceText;
        if (after != current)
            plan.changes.push_back({row, current, std::move(after)});
    }
    // Rows are taken in file order; the window wants them in list order.
    std::sort(
        plan.changes.begin(), plan.changes.end(),
        [](const ImportPlan::Change& a, const ImportPlan::Change& b) { return a.row < b.row; });
    return plan;
}

} // namespace Exchange
