#include "OcrApply.h"

#include "EntrySplit.h"
#include "ImageListModel.h"

#include <QCoreApplication>
#include <algorithm>

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

int applyTo(ImageListModel& model, const QMap<int, OcrResult>& results,
            const OcrApplyOptions& options)
{
    QList<OcrRowText> texts = OcrApply::sourceTexts(model.rows(), results, options);
    // From the last row up, so that the rows a split inserts move no row
    // still to be written.
    std::sort(texts.begin(), texts.end(),
              [](const OcrRowText& a, const OcrRowText& b) { return a.row > b.row; });
    model.beginEditGroup(QCoreApplication::translate("OcrApply", "Recognise Text"));
    for (const OcrRowText& text : std::as_const(texts)) {
        const int confidence = qRound(results.value(text.row).lowestConfidence());
        int rows = 1;
        QString rest = text.sourceText;
        // One row per line: every separator splits, as typing each would.
        while (options.oneRowPerLine && EntrySplit::splitInto(model, text.row + rows - 1,
                                                              ImageListModel::SourceText, rest)) {
            rest = model.text(text.row + rows, ImageListModel::SourceText);
            ++rows;
        }
        if (rows == 1)
            model.setText(text.row, ImageListModel::SourceText, rest);
        for (int row = text.row; row < text.row + rows; ++row)
            model.setReviewMarks(row, confidence, model.row(row).targetFromMemory);
    }
    model.endEditGroup();
    return static_cast<int>(texts.size());
}

} // namespace OcrApply
