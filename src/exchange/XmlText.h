#pragma once

#include <QString>
#include <QStringView>

class QXmlStreamWriter;

// Text in XML 1.0 as the XLIFF writers need it.
namespace XmlText {

// The index of the first character XML 1.0 cannot carry (controls other than
// tab, LF and CR, lone surrogates, U+FFFE, U+FFFF), or -1.
qsizetype firstUnwritable(QStringView text);

// Writes text as element content. A CR goes out as a character reference,
// since a reader would turn a literal CR (and CR LF) into LF.
void writeCharacters(QXmlStreamWriter& writer, const QString& text);

// Where a reader error lies, in the form every message here uses.
QString position(qint64 line, qint64 column);

} // namespace XmlText
