#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace Platform {

// Tells how far a task has come; false once the user has cancelled it.
using TaskReport = std::function<bool(qint64 done, qint64 total)>;

// Runs work on a worker thread while the window goes on answering: after a
// moment a progress window with Cancel shows what work reports. Returns once
// work has returned; false when the user cancelled (work should stop soon
// after its report says so).
bool runInBackground(QWidget* parent, const QString& label,
                     const std::function<void(const TaskReport&)>& work);

} // namespace Platform
