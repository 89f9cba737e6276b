#pragma once

#include "MemoryTypes.h"

#include <QDateTime>
#include <QString>
#include <QXmlStreamWriter>

class QIODevice;

// Writes pairs as TMX 1.4b, one unit at a time, so that a large memory is
// never held whole. Call writeHeader once, writeUnit per pair, then finish.
//
// XML 1.0 cannot carry most control characters (NUL among them) nor lone
// surrogates; such a character is written as <ph type="x-char">U+0000</ph>
// so that it is visible rather than dropped.
class TmxWriter {
public:
    explicit TmxWriter(QIODevice* device);

    // sourceLanguage empty: "*all*", the units' sources are in several languages.
    // creationDate invalid: left out.
    void writeHeader(const QString& sourceLanguage, const QDateTime& creationDate = {});
    void writeUnit(const MemoryUnit& unit);
    bool finish();

    QString errorString() const;

    // TMX's date form: 20240131T235959Z, in UTC.
    static QString tmxDate(const QDateTime& time);

private:
    void writeSegment(const QString& text);

    QIODevice* m_device;
    QXmlStreamWriter m_xml;
    int m_units = 0;
};
