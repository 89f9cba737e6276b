#include "BackgroundTask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>

namespace Platform {

bool runInBackground(QWidget* parent, const QString& label,
                     const std::function<void(const TaskReport&)>& work)
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> cancelled{false};
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([&] {
        work([&](qint64 now, qint64 all) {
            done = now;
            total = all;
            return !cancelled;
        });
    }));

    QProgressDialog progress(label, QCoreApplication::translate("Platform", "Cancel"), 0, 0,
                             parent);
    progress.setObjectName(QStringLiteral("TaskProgress"));
    progress.setWindowTitle(QStringLiteral("Vemarill"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancelled = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        // Ranges of int: bytes of a large file are shown in KB.
        const qint64 scale = total > 1 << 30 ? 1024 : 1;
        progress.setMaximum(static_cast<int>(total / scale));
        progress.setValue(static_cast<int>(std::min<qint64>(done, total) / scale));
    });
    tick.start(50);
    if (!watcher.isFinished())
        loop.exec();
    watcher.waitForFinished();
    return !cancelled;
}

} // namespace Platform
