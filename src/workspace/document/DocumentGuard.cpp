#include "DocumentGuard.h"

#include "Dialogs.h"
#include "ImageListDocument.h"

namespace DocumentGuard {

bool mayDropRows(QWidget* parent, const ImageListDocument& document, const SaveCommand& save)
{
    if (!document.isModified())
        return true;
    enum { Save, Discard, Cancel };
    const int answer = Platform::askQuestion(
        {parent,
         kSaveChanges,
         Platform::kApplicationTitle,
         {QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")}});
    if (answer == Save)
        return save();
    return answer == Discard;
}

bool confirmUncheckedTexts(QWidget* parent, ImageListDocument& document, int rowLimit)
{
    const int unchecked = document.uncheckedTextCount(rowLimit);
    if (unchecked == 0)
        return true;
    enum { CheckThem, CheckedOnly, Cancel };
    const QString text =
        unchecked == 1
            ? QStringLiteral("1 unchecked row holds a text. Only checked rows are written.")
            : QStringLiteral("%1 unchecked rows hold texts. Only checked rows are written.")
                  .arg(unchecked);
    const int answer = Platform::askQuestion(
        {parent,
         text,
         Platform::kApplicationTitle,
         {QStringLiteral("Check them and save"), QStringLiteral("Save checked rows only"),
          QStringLiteral("Cancel")}});
    if (answer == CheckThem)
        document.checkRowsWithText(rowLimit);
    return answer == CheckThem || answer == CheckedOnly;
}

} // namespace DocumentGuard
