#include "XmlText.h"

namespace XmlText {

namespace {

// The reference that stands for c, or an empty string where c stands as it is.
QLatin1String referenceFor(char16_t c, bool attribute)
{
    switch (c) {
    case '&':
        return QLatin1String("&amp;");
    case '<':
        return QLatin1String("&lt;");
    case '>':
        return QLatin1String("&gt;");
    case '"':
        return QLatin1String("&quot;");
    case '\r':
        return QLatin1String("&#13;");
    case '\n':
        return attribute ? QLatin1String("&#10;") : QLatin1String();
    case '\t':
        return attribute ? QLatin1String("&#9;") : QLatin1String();
    default:
        return QLatin1String();
    }
}

void appendEscaped(QString& out, QStringView text, bool attribute)
{
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c > '>')
            continue;
        const QLatin1String reference = referenceFor(c, attribute);
        if (reference.isEmpty())
            continue;
        out += text.sliced(run, i - run);
        out += reference;
        run = i + 1;
    }
    out += text.sliced(run);
}

} // namespace

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

void appendText(QString& out, QStringView text)
{
    appendEscaped(out, text, false);
}

void appendAttribute(QString& out, QLatin1String name, QStringView value)
{
    out += u' ';
    out += name;
    out += QLatin1String("=\"");
    appendEscaped(out, value, true);
    out += u'"';
}

QString position(qint64 line, qint64 column)
{
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace XmlText
