#pragma once

#include "ImageListRow.h"
#include "Progress.h"

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <vector>

class QIODevice;

namespace Exchange {

// Reads what CsvWriter writes, and what spreadsheets save (RFC 4180): UTF-8
// with or without a BOM, records ending in CR LF, LF or CR, quoted fields with
// doubled quotes and line breaks inside. The first record must be the header
// (Name, Source Text, Target Text and optionally Checked, in that order, in
// any case); every record then has as many fields. Checked is 1, yes or true
// for a check, 0, no, false or empty for none. Blank lines are skipped.
class CsvReader {
public:
    explicit CsvReader(QChar delimiter = QLatin1Char(','));

    bool read(QIODevice& device, std::vector<ImageListRow>& rows);
    bool readBytes(QByteArrayView bytes, std::vector<ImageListRow>& rows);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // "line L, column C: what is wrong" (line and column count from 1), or
    // "Cancelled".
    QString errorString() const { return m_errorString; }
    qint64 errorLine() const { return m_errorLine; }
    qint64 errorColumn() const { return m_errorColumn; }

    // True when the bytes begin (after any BOM) with the header record.
    static bool startsWithHeader(QByteArrayView bytes, QChar delimiter);

private:
    class Parser;

    QChar m_delimiter;
    Progress m_progress;
    QString m_errorString;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};

} // namespace Exchange
