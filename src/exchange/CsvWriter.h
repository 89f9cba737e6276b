#pragma once

#include "ImageListRow.h"

#include <QChar>
#include <QString>
#include <vector>

class QIODevice;

namespace Exchange {

// Spreadsheet text (RFC 4180): the header "Name,Source Text,Target Text,Checked",
// then every row in list order with Checked as 1 or 0; UTF-8, CR LF after every
// record. A field holding the delimiter, a quote, CR or LF is quoted, its
// quotes doubled. With a tab as the delimiter this is TSV.
class CsvWriter {
public:
    explicit CsvWriter(QChar delimiter = QLatin1Char(','), bool byteOrderMark = false);

    bool write(QIODevice& device, const std::vector<ImageListRow>& rows);
    QString errorString() const { return m_errorString; }

    static QString header(QChar delimiter);

private:
    void appendField(QString& out, const QString& field) const;

    QChar m_delimiter;
    bool m_byteOrderMark;
    QString m_errorString;
};

} // namespace Exchange
