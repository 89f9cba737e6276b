#pragma once

#include <QString>
#include <QStringView>

// Text in XML 1.0 as the XLIFF writers need it.
namespace XmlText {

// The index of the first character XML 1.0 cannot carry (controls other than
// tab, LF and CR, lone surrogates, U+FFFE, U+FFFF), or -1.
qsizetype firstUnwritable(QStringView text);

// Appends text as element content: & < > " as entities, and CR as a character
// reference, since a reader would turn a literal CR (and CR LF) into LF.
void appendText(QString& out, QStringView text);

// Appends ` name="value"`, escaped as text and with tab and LF as references
// too, which a reader would otherwise turn into spaces.
void appendAttribute(QString& out, QLatin1String name, QStringView value);

// Where a reader error lies, in the form every message here uses.
QString position(qint64 line, qint64 column);

} // namespace XmlText
