#include "DocumentGuard.h"

#include "Dialogs.h"
#include "ImageListDocument.h"

#include <QCoreApplication>

namespace DocumentGuard {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DocumentGuard", text);
}

} // namespace

bool mayDropRows(QWidget* parent, const ImageListDocument& document, const SaveCommand& save)
{
    if (!document.isModified())
        return true;
    enum { Save, Discard, Cancel };
    const int answer = Platform::askQuestion({parent,
                                              tr("Save changes to the image list?"),
                                              Platform::kApplicationTitle,
                                              {tr("Save"), tr("Discard"), tr("Cancel")}});
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
            ? tr("1 unchecked row holds a text. Only checked rows are written.")
            : tr("%1 unchecked rows hold texts. Only checked rows are written.").arg(unchecked);
    const int answer = Platform::askQuestion(
        {parent,
         text,
         Platform::kApplicationTitle,
         {tr("Check them and save"), tr("Save checked rows only"), tr("Cancel")}});
    if (answer == CheckThem)
        document.checkRowsWithText(rowLimit);
    return answer == CheckThem || answer == CheckedOnly;
}

} // namespace DocumentGuard
