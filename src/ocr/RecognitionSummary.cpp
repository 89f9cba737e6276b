#include "RecognitionSummary.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr int kNamedSkips = 3;

QString tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("OcrSummary", text, nullptr, n);
}

} // namespace

QString OcrSummary::message() const
{
    QString text = tr("%n recognised", recognised);
    if (cancelled)
        text = tr("%1 of %n, cancelled", total).arg(text);
    if (skipped.isEmpty())
        return text;
    QStringList reasons;
    for (qsizetype i = 0; i < skipped.size() && i < kNamedSkips; ++i)
        reasons.append(skipped.at(i).reason);
    if (skipped.size() > kNamedSkips)
        reasons.append(tr("%n more", int(skipped.size()) - kNamedSkips));
    return tr("%1, %2 skipped: %3")
        .arg(text)
        .arg(skipped.size())
        .arg(reasons.join(QStringLiteral("; ")));
}
