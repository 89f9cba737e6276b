#pragma once

#include "OcrApply.h"
#include "OcrResult.h"
#include "RecognitionPool.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>

class ImageListModel;
class QProgressDialog;
class QWidget;

// The window's Recognise Text command: asks for its options, reads the rows'
// images on the pool while the grid stays usable, and writes the Source
// Texts as one step to undo, marking the ones it was unsure of.
class RecognitionCommand : public QObject {
    Q_OBJECT
public:
    RecognitionCommand(QWidget* window, ImageListModel& model);

    // Why the command cannot run with the chosen languages, empty when it can.
    static QString unavailableReason();

    // Starts on the given rows (list indexes); false when it did not start
    // (cancelled, nothing to read, already running).
    bool run(const QList<int>& rows, const QString& rootFolder);
    bool isRunning() const { return m_pool.isRunning(); }
    RecognitionPool& pool() { return m_pool; }

Q_SIGNALS:
    // The summary, once the texts are in the rows.
    void finished(const QString& summary);

private:
    void apply(const OcrSummary& summary);

    QWidget* m_window;
    ImageListModel& m_model;
    RecognitionPool m_pool;
    OcrApplyOptions m_options;
    // By job: the row it reads (it follows rows inserted or removed
    // meanwhile) and what came back.
    QList<QPersistentModelIndex> m_jobRows;
    QMap<int, OcrResult> m_results;
    QPointer<QProgressDialog> m_progress;
};
