#include "CsvWriter.h"

#include <QIODevice>

namespace Exchange {

CsvWriter::CsvWriter(QChar delimiter, bool byteOrderMark)
    : m_delimiter(delimiter), m_byteOrderMark(byteOrderMark)
{}

QString CsvWriter::header(QChar delimiter)
{
    return QStringList{QStringLiteral("Name"), QStringLiteral("Source Text"),
                       QStringLiteral("Target Text"), QStringLiteral("Checked")}
        .join(delimiter);
}

void CsvWriter::appendField(QString& out, const QString& field) const
{
    const bool quote = field.contains(m_delimiter) || field.contains(u'"') ||
                       field.contains(u'\r') || field.contains(u'\n');
    if (!quote) {
        out += field;
        return;
    }
    out += u'"';
    qsizetype start = 0;
    for (qsizetype q = field.indexOf(u'"'); q >= 0; q = field.indexOf(u'"', start)) {
        out.append(field.constData() + start, q + 1 - start);
        out += u'"';
        start = q + 1;
    }
    out.append(field.constData() + start, field.size() - start);
    out += u'"';
}

bool CsvWriter::write(QIODevice& device, const std::vector<ImageListRow>& rows)
{
    m_errorString.clear();
    QString chunk;
    const auto flush = [&]() {
        const QByteArray bytes = chunk.toUtf8();
        chunk.clear();
        if (device.write(bytes) == bytes.size())
            return true;
        m_errorString = device.errorString();
        return false;
    };
    if (m_byteOrderMark)
        chunk += QChar(0xFEFF);
    chunk += header(m_delimiter);
    chunk += QLatin1String("\r\n");
    for (const ImageListRow& row : rows) {
        appendField(chunk, row.name);
        chunk += m_delimiter;
        appendField(chunk, row.sourceText);
        chunk += m_delimiter;
        appendField(chunk, row.targetText);
        chunk += m_delimiter;
        chunk += row.checked ? u'1' : u'0';
        chunk += QLatin1String("\r\n");
        if (chunk.size() > 1 << 16 && !flush())
            return false;
    }
    return flush();
}

} // namespace Exchange
