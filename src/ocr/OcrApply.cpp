#include "OcrApply.h"

namespace OcrApply {

QList<OcrRowText> sourceTexts(const std::vector<ImageListRow>& rows,
                              const QMap<int, OcrResult>& results, const OcrApplyOptions& options)
{
    const QString separator = options.oneRowPerLine ? QStringLiteral(" | ") : QStringLiteral(" ");
    QList<OcrRowText> texts;
    for (auto it = results.cbegin(); it != results.cend(); ++it) {
        const int row = it.key();
        const OcrResult& result = it.value();
        if (row < 0 || size_t(row) >= rows.size() || result.isEmpty())
            continue;
        if (!options.replaceExisting && !rows[size_t(row)].sourceText.isEmpty())
            continue;
        texts.append(
            {row, result.text(separator), result.lowestConfidence() < options.confidenceThreshold});
    }
    return texts;
}

} // namespace OcrApply
