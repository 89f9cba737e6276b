#pragma once

#include "ImageListRow.h"
#include "OcrResult.h"

class ImageListModel;

#include <QList>
#include <QMap>
#include <QString>
#include <vector>

struct OcrApplyOptions {
    // Off: a row that already has a Source Text keeps it.
    bool replaceExisting = false;
    // On: the lines are joined with " | ", so that the split rule gives each
    // line a row of its own; off: with a single space.
    bool oneRowPerLine = false;
    // A row with any line less sure than this is low-confidence.
    double confidenceThreshold = 60;
};

struct OcrRowText {
    int row = -1;
    QString sourceText;
    bool lowConfidence = false;

    bool operator==(const OcrRowText&) const = default;
};

// Which Source Texts the results give, so that the window can apply them as
// one step. Rows the options leave alone, results for rows that do not exist
// and results with no text (nothing to write over a row with) give nothing.
namespace OcrApply {

QList<OcrRowText> sourceTexts(const std::vector<ImageListRow>& rows,
                              const QMap<int, OcrResult>& results,
                              const OcrApplyOptions& options = {});

// Writes those texts into the model as one step to undo ("Recognise Text"):
// with one row per line every separator splits, as typing it would, and every
// row written carries how sure recognition was. How many rows were written.
int applyTo(ImageListModel& model, const QMap<int, OcrResult>& results,
            const OcrApplyOptions& options = {});

} // namespace OcrApply
