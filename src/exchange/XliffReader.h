#pragma once

#include "ImageListRow.h"
#include "Progress.h"
#include "XliffWriter.h"

#include <QString>
#include <vector>

class QIODevice;
class QXmlStreamReader;

namespace Exchange {

// Reads the units of an XLIFF 2.0 or 1.2 document, whichever its namespace
// says, as rows in document order. Name is the unit's name (2.0) or resname
// (1.2), else its id; the texts are those of every segment of the unit, inline
// markup reduced to its text; the check is the one XliffWriter writes.
// A DOCTYPE is refused before anything it declares is used, so no entity is
// ever expanded and nothing is fetched.
class XliffReader {
public:
    bool read(QIODevice& device, std::vector<ImageListRow>& rows);
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // "line L, column C: what is wrong" (line and column count from 1), or
    // "Cancelled" when the progress callback asked to stop.
    QString errorString() const { return m_errorString; }
    qint64 errorLine() const { return m_errorLine; }
    qint64 errorColumn() const { return m_errorColumn; }

    // What the document said about itself, after a successful read.
    XliffVersion version() const { return m_version; }
    QString sourceLanguage() const { return m_sourceLanguage; }
    QString targetLanguage() const { return m_targetLanguage; }

private:
    bool readRoot(QXmlStreamReader& xml);
    void readContainer(QXmlStreamReader& xml, std::vector<ImageListRow>& rows, int depth,
                       const QIODevice& device);
    void readUnit(QXmlStreamReader& xml, std::vector<ImageListRow>& rows);
    void readUnitBody(QXmlStreamReader& xml, ImageListRow& row, bool v2);
    bool keepGoing(QXmlStreamReader& xml, const QIODevice& device);
    bool fail(QXmlStreamReader& xml);

    Progress m_progress;
    bool m_cancelled = false;
    QString m_namespace;
    XliffVersion m_version = XliffVersion::V2_0;
    QString m_sourceLanguage;
    QString m_targetLanguage;
    QString m_errorString;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};

} // namespace Exchange
