#include "EntrySplit.h"

#include "ImageCount.h"
#include "ImageListModel.h"

namespace EntrySplit {

std::optional<Parts> split(const QString& text)
{
    const qsizetype at = text.indexOf(kSeparator);
    if (at < 0)
        return std::nullopt;
    return Parts{text.left(at), text.mid(at + kSeparator.size())};
}

bool splitInto(ImageListModel& model, int row, int column, const QString& text)
{
    const auto parts = split(text);
    if (!parts || row < 0 || row >= model.rowCount() || column < 1 ||
        column >= ImageListModel::ColumnCount)
        return false;
    const auto textColumn = static_cast<ImageListModel::Column>(column);
    model.insertRow(row + 1, model.text(row, ImageListModel::Name));
    model.setText(row, textColumn, parts->before);
    model.setText(row + 1, textColumn, parts->after);
    model.setChecked(row, true);
    model.setChecked(row + 1, true);
    ImageCount::add(1);
    return true;
}

} // namespace EntrySplit
