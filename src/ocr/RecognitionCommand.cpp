#include "RecognitionCommand.h"

#include "Dialogs.h"
#include "ImageListModel.h"
#include "OcrEngine.h"
#include "OcrLanguages.h"

#include <QProgressDialog>
#include <QSettings>

namespace {
const QString kReplaceKey = QStringLiteral("ocr/replaceExisting");
const QString kOneRowPerLineKey = QStringLiteral("ocr/oneRowPerLine");
} // namespace

RecognitionCommand::RecognitionCommand(QWidget* window, ImageListModel& model)
    : QObject(window), m_window(window), m_model(model)
{
    connect(&m_pool, &RecognitionPool::resultReady, this,
            [this](int job, const OcrResult& result) { m_results.insert(job, result); });
    connect(&m_pool, &RecognitionPool::progress, this, [this](int done, int total) {
        if (m_progress) {
            m_progress->setMaximum(total);
            m_progress->setValue(done);
        }
    });
    connect(&m_pool, &RecognitionPool::finished, this, &RecognitionCommand::apply);
}

QString RecognitionCommand::unavailableReason()
{
    return OcrEngine::unavailableReason(OcrLanguages::chosen());
}

bool RecognitionCommand::run(const QList<int>& rows, const QString& rootFolder)
{
    if (rows.isEmpty() || isRunning())
        return false;
    QSettings settings;
    const auto options =
        Platform::askOptions({m_window,
                              tr("Recognise Text"),
                              tr("Read the text of %1 image(s) into Source Text (languages: %2).")
                                  .arg(rows.size())
                                  .arg(OcrLanguages::chosen()),
                              {tr("Replace existing texts"), tr("One row per recognised line")},
                              {settings.value(kReplaceKey, false).toBool(),
                               settings.value(kOneRowPerLineKey, false).toBool()},
                              tr("Recognise")});
    if (!options)
        return false;
    settings.setValue(kReplaceKey, options->value(0));
    settings.setValue(kOneRowPerLineKey, options->value(1));
    m_options.replaceExisting = options->value(0);
    m_options.oneRowPerLine = options->value(1);
    m_options.confidenceThreshold = ImageListModel::kSureConfidence;

    QList<OcrJob> jobs;
    m_jobRows.clear();
    m_results.clear();
    for (const int row : rows) {
        jobs.append(
            {static_cast<int>(jobs.size()), rootFolder + m_model.text(row, ImageListModel::Name)});
        m_jobRows.append(QPersistentModelIndex(m_model.index(row, 0)));
    }
    m_pool.setLanguages(OcrLanguages::chosen());
    if (!m_pool.recognise(jobs))
        return false;
    // Not modal: the grid stays usable while the images are read.
    m_progress = new QProgressDialog(tr("Recognising text..."), tr("Cancel"), 0,
                                     static_cast<int>(jobs.size()), m_window);
    m_progress->setObjectName(QStringLiteral("RecognitionProgress"));
    m_progress->setWindowTitle(QStringLiteral("Vemarill"));
    m_progress->setAttribute(Qt::WA_DeleteOnClose);
    m_progress->setMinimumDuration(300);
    connect(m_progress, &QProgressDialog::canceled, &m_pool, &RecognitionPool::cancel);
    return true;
}

void RecognitionCommand::apply(const OcrSummary& summary)
{
    if (m_progress)
        m_progress->close();
    // The rows where the images are now, in case rows came or went meanwhile.
    QMap<int, OcrResult> byRow;
    for (auto it = m_results.cbegin(); it != m_results.cend(); ++it) {
        const QPersistentModelIndex& row = m_jobRows.value(it.key());
        if (row.isValid())
            byRow.insert(row.row(), it.value());
    }
    OcrApply::applyTo(m_model, byRow, m_options);
    m_jobRows.clear();
    m_results.clear();
    Q_EMIT finished(summary.message());
}
