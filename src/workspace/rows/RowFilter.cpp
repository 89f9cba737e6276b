#include "RowFilter.h"

bool RowFilter::matches(const ImageListRow& row) const
{
    if (untranslatedOnly && !row.targetText.isEmpty())
        return false;
    if (checkedOnly && !row.checked)
        return false;
    if (text.isEmpty())
        return true;
    return row.name.contains(text, Qt::CaseInsensitive) ||
           row.sourceText.contains(text, Qt::CaseInsensitive) ||
           row.targetText.contains(text, Qt::CaseInsensitive);
}
