#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One image to read, for the row that shows it.
struct OcrJob {
    int row = -1;
    QString path;
};

struct OcrSkip {
    int row = -1;
    QString path;
    QString reason; // names the file: "could not read x.png"
};

// How a recognition run ended.
struct OcrSummary {
    int total = 0;
    int recognised = 0; // including those answered from the cache
    int fromCache = 0;
    QList<OcrSkip> skipped;
    bool cancelled = false;

    // "12 recognised, 1 skipped: could not read x.png"; past a few skipped
    // files the rest are counted, not named.
    QString message() const;
};

Q_DECLARE_METATYPE(OcrSummary)
