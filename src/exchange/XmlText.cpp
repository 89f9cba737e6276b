#include "XmlText.h"

#include <QXmlStreamWriter>

namespace XmlText {

qsizetype firstUnwritable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0xD800)
            continue;
        if (c == 0x9 || c == 0xA || c == 0xD || (c >= 0xE000 && c <= 0xFFFD))
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        return i;
    }
    return -1;
}

void writeCharacters(QXmlStreamWriter& writer, const QString& text)
{
    qsizetype start = 0;
    for (qsizetype cr = text.indexOf(u'\r'); cr >= 0; cr = text.indexOf(u'\r', start)) {
        if (cr > start)
            writer.writeCharacters(text.sliced(start, cr - start));
        writer.writeEntityReference(QStringLiteral("#13"));
        start = cr + 1;
    }
    if (start == 0)
        writer.writeCharacters(text);
    else if (start < text.size())
        writer.writeCharacters(text.sliced(start));
}

QString position(qint64 line, qint64 column)
{
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace XmlText
