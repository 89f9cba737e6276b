#pragma once

#include "FitResult.h"
#include "SourceLine.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ImageListModel;

// Keeps every row's fit mark current: a Target Text measured against the
// text boxes recognition found in its image (from the recognition cache, so
// nothing is read twice). Rows are checked as their texts change, and all of
// them a slice at a time after a search, a load or a recognition run, so the
// window never waits for a whole list.
class FitChecker : public QObject {
    Q_OBJECT
public:
    FitChecker(ImageListModel& model, std::function<QString()> rootFolder,
               QObject* parent = nullptr);

    // The recognised lines of an image, none when it has not been recognised.
    static Fit::SourceLines linesFor(const QString& imagePath);
    Fit::FitResult fitFor(int row) const;
    void checkRow(int row);
    // Every row, in slices on the event loop.
    void checkAll();
    // Rows whose Target Text overflows.
    int overflowCount() const;

Q_SIGNALS:
    void marksChanged();

private:
    void checkSlice();

    ImageListModel& m_model;
    std::function<QString()> m_rootFolder;
    QTimer m_slices;
    int m_next = 0;
};
