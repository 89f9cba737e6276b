#include "FitChecker.h"

#include "FitMeasure.h"
#include "ImageListModel.h"
#include "OcrCache.h"
#include "OcrLanguages.h"

namespace {
constexpr int kSliceRows = 200;
}

FitChecker::FitChecker(ImageListModel& model, std::function<QString()> rootFolder, QObject* parent)
    : QObject(parent), m_model(model), m_rootFolder(std::move(rootFolder))
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &FitChecker::checkSlice);
    connect(&model, &ImageListModel::textEdited, this,
            [this](int row, ImageListModel::Column column, const QString&) {
                if (column != ImageListModel::Name)
                    checkRow(row);
            });
    connect(&model, &QAbstractItemModel::modelReset, this, &FitChecker::checkAll);
}

Fit::SourceLines FitChecker::linesFor(const QString& imagePath)
{
    Fit::SourceLines lines;
    const auto key = OcrCacheKey::of(imagePath, OcrLanguages::chosen());
    if (!key)
        return lines;
    if (const auto result = OcrCache().find(*key)) {
        for (const OcrLine& line : result->lines)
            lines.append({line.box, line.text});
    }
    return lines;
}

Fit::FitResult FitChecker::fitFor(int row) const
{
    const ImageListRow& r = m_model.row(row);
    return Fit::measureFit(linesFor(m_rootFolder() + r.name), r.targetText);
}

void FitChecker::checkRow(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    if (m_model.row(row).targetText.isEmpty()) {
        m_model.setFit(row, 0, {});
    } else {
        const Fit::FitResult fit = fitFor(row);
        const int level = fit.verdict == Fit::Verdict::Overflows ? 2
                          : fit.verdict == Fit::Verdict::Tight   ? 1
                                                                 : 0;
        m_model.setFit(row, level, fit.summary());
    }
    Q_EMIT marksChanged();
}

void FitChecker::checkAll()
{
    m_next = 0;
    m_slices.start();
}

void FitChecker::checkSlice()
{
    const int end = std::min(m_next + kSliceRows, m_model.rowCount());
    for (; m_next < end; ++m_next) {
        if (!m_model.row(m_next).targetText.isEmpty() || m_model.row(m_next).fitLevel != 0)
            checkRow(m_next);
    }
    if (m_next >= m_model.rowCount())
        m_slices.stop();
}

int FitChecker::overflowCount() const
{
    int count = 0;
    for (const ImageListRow& row : m_model.rows())
        count += row.fitLevel == 2 ? 1 : 0;
    return count;
}
