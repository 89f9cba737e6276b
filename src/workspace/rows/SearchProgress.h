#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>

class QProgressDialog;
class QWidget;

// Keeps a long search answerable: events other than the user's are processed
// now and then from the start, and once the search has run for half a second
// a modal progress dialog with Cancel appears and the user's are too.
class SearchProgress {
public:
    explicit SearchProgress(QWidget* parent, int delayMs = defaultDelay());
    ~SearchProgress();
    SearchProgress(const SearchProgress&) = delete;
    SearchProgress& operator=(const SearchProgress&) = delete;

    // Folders listed and files seen so far, as the walk reports them.
    using Report = std::function<void(qsizetype folders, qsizetype files)>;

    // False once the user has cancelled. Every call that answers events
    // shows the counts in the dialog and hands them to the report.
    bool keepGoing(qsizetype folders = 0, qsizetype files = 0);
    void setReport(Report report) { m_report = std::move(report); }
    bool wasShown() const { return !m_dialog.isNull(); }

    // The delay of every search that names none; 0 shows the dialog at once
    // and answers events on every call, so that a test can act mid-search.
    static int defaultDelay();
    static void setDefaultDelay(int delayMs);

private:
    QWidget* m_parent;
    int m_delayMs;
    QElapsedTimer m_clock;
    qint64 m_lastEvents = 0;
    QPointer<QProgressDialog> m_dialog;
    bool m_cancelled = false;
    Report m_report;
};
