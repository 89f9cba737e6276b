#pragma once

#include <QList>
#include <QMetaType>
#include <QRect>
#include <QString>

// One line of recognised text: its words joined by single spaces, where it
// stands in the image's own pixels, and how sure the engine is of it (0-100).
struct OcrLine {
    QString text;
    QRect box;
    double confidence = 0;

    bool operator==(const OcrLine&) const = default;
};

// What one image says, line by line in reading order.
struct OcrResult {
    QList<OcrLine> lines;

    bool operator==(const OcrResult&) const = default;

    bool isEmpty() const { return lines.isEmpty(); }
    // The lines joined with separator ("\n" keeps the layout).
    QString text(const QString& separator = QStringLiteral("\n")) const;
    // Weighted by each line's length, so a stray one-letter line does not drag
    // a long, clear line down; 0 without text.
    double meanConfidence() const;
    double lowestConfidence() const;
};

Q_DECLARE_METATYPE(OcrResult)
