#include "CsvReader.h"

#include "XmlText.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace Exchange {

namespace {

const QLatin1String kColumns[] = {QLatin1String("Name"), QLatin1String("Source Text"),
                                  QLatin1String("Target Text"), QLatin1String("Checked")};
constexpr qsizetype kProgressEvery = 4096;

QByteArrayView withoutBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

std::optional<bool> checkValue(QStringView field)
{
    const QStringView value = field.trimmed();
    for (const char* yes : {"1", "yes", "true"}) {
        if (value.compare(QLatin1String(yes), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* no : {"", "0", "no", "false"}) {
        if (value.compare(QLatin1String(no), Qt::CaseInsensitive) == 0)
            return false;
    }
    return std::nullopt;
}

} // namespace

// Splits decoded text into records, keeping track of where each field starts.
class CsvReader::Parser {
public:
    Parser(QStringView text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    // The fields of the next record; false with error() set on a format error.
    bool next(QStringList& fields);

    QString error() const { return m_error; }
    qint64 line() const { return m_errorLine; }
    qint64 column() const { return m_errorColumn; }
    qsizetype position() const { return m_pos; }
    bool quotedAt(qsizetype at) const { return at < m_text.size() && m_text[at] == u'"'; }

    // Records a format error at character at, on the line that starts at lineStart.
    bool fail(qsizetype at, qint64 line, qsizetype lineStart, const QString& message)
    {
        m_error = message;
        m_errorLine = line;
        // In characters: a surrogate pair is one.
        qint64 column = 1;
        for (qsizetype i = lineStart; i < at && i < m_text.size(); ++i)
            column += m_text[i].isLowSurrogate() ? 0 : 1;
        m_errorColumn = column;
        return false;
    }
    // The same at the start of field index of the last record.
    bool failAtField(size_t index, const QString& message)
    {
        const FieldStart& start = m_fieldStarts[index];
        return fail(start.at, start.line, start.lineStart, message);
    }

private:
    void newLine(qsizetype next)
    {
        ++m_line;
        m_lineStart = next;
    }

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    qint64 m_line = 1;
    qsizetype m_lineStart = 0;
    struct FieldStart {
        qsizetype at;
        qint64 line;
        qsizetype lineStart;
    };
    std::vector<FieldStart> m_fieldStarts; // of the last record, for errors
    QString m_error;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};

bool CsvReader::Parser::next(QStringList& fields)
{
    fields.clear();
    m_fieldStarts.clear();
    const qsizetype size = m_text.size();
    for (;;) {
        m_fieldStarts.push_back({m_pos, m_line, m_lineStart});
        QString field;
        if (m_pos < size && m_text[m_pos] == u'"') {
            const qsizetype open = m_pos;
            const qint64 openLine = m_line;
            const qsizetype openLineStart = m_lineStart;
            ++m_pos;
            for (;;) {
                const qsizetype quote = m_text.indexOf(u'"', m_pos);
                if (quote < 0)
                    return fail(open, openLine, openLineStart,
                                QCoreApplication::translate("Exchange::CsvReader",
                                                            "This quoted field is never closed"));
                for (qsizetype i = m_pos; i < quote; ++i) {
                    const QChar c = m_text[i];
                    if (c == u'\n' || (c == u'\r' && (i + 1 >= size || m_text[i + 1] != u'\n')))
                        newLine(i + 1);
                }
                field += m_text.sliced(m_pos, quote - m_pos);
                m_pos = quote + 1;
                if (m_pos < size && m_text[m_pos] == u'"') {
                    field += u'"';
                    ++m_pos;
                    continue;
                }
                break;
            }
            if (m_pos < size && m_text[m_pos] != m_delimiter && m_text[m_pos] != u'\r' &&
                m_text[m_pos] != u'\n')
                return fail(m_pos, m_line, m_lineStart,
                            QCoreApplication::translate(
                                "Exchange::CsvReader",
                                "A closing quote must end its field (a quote inside a "
                                "quoted field is written twice)"));
        } else {
            qsizetype end = m_pos;
            while (end < size) {
                const QChar c = m_text[end];
                if (c == m_delimiter || c == u'\r' || c == u'\n')
                    break;
                if (c == u'"')
                    return fail(end, m_line, m_lineStart,
                                QCoreApplication::translate(
                                    "Exchange::CsvReader",
                                    "A quote inside a field that does not start with "
                                    "one (such a field must be quoted)"));
                ++end;
            }
            field = m_text.sliced(m_pos, end - m_pos).toString();
            m_pos = end;
        }
        fields.append(std::move(field));
        if (m_pos >= size)
            return true;
        const QChar c = m_text[m_pos++];
        if (c == m_delimiter)
            continue;
        if (c == u'\r' && m_pos < size && m_text[m_pos] == u'\n')
            ++m_pos;
        newLine(m_pos);
        return true;
    }
}

CsvReader::CsvReader(QChar delimiter) : m_delimiter(delimiter) {}

bool CsvReader::startsWithHeader(QByteArrayView bytes, QChar delimiter)
{
    const QString head = QString::fromUtf8(
        withoutBom(bytes).first(std::min<qsizetype>(withoutBom(bytes).size(), 64)));
    const QString expected = QStringList{kColumns[0], kColumns[1], kColumns[2]}.join(delimiter);
    return head.startsWith(expected, Qt::CaseInsensitive);
}

bool CsvReader::read(QIODevice& device, std::vector<ImageListRow>& rows)
{
    if (!device.isReadable()) {
        m_errorString = device.errorString();
        m_errorLine = m_errorColumn = 0;
        return false;
    }
    return readBytes(device.readAll(), rows);
}

bool CsvReader::readBytes(QByteArrayView bytes, std::vector<ImageListRow>& rows)
{
    m_errorString.clear();
    m_errorLine = m_errorColumn = 0;
    bytes = withoutBom(bytes);
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder(bytes);
    Parser parser(text, m_delimiter);
    const auto fail = [this, &parser]() {
        m_errorLine = parser.line();
        m_errorColumn = parser.column();
        m_errorString =
            XmlText::position(m_errorLine, m_errorColumn) + QStringLiteral(": ") + parser.error();
        return false;
    };
    if (decoder.hasError()) {
        // Where: the first character the decoder could not make.
        const qsizetype bad = text.indexOf(QChar(QChar::ReplacementCharacter));
        qsizetype lineStart = text.lastIndexOf(u'\n', bad) + 1;
        const qint64 line = QStringView(text).first(bad).count(u'\n') + 1;
        parser.fail(bad, line, lineStart,
                    QCoreApplication::translate("Exchange::CsvReader", "This is not UTF-8 text"));
        return fail();
    }

    QStringList fields;
    if (parser.atEnd() || !parser.next(fields)) {
        if (parser.error().isEmpty())
            parser.fail(
                0, 1, 0,
                QCoreApplication::translate("Exchange::CsvReader",
                                            "The file is empty; it needs at least the header"));
        return fail();
    }
    const qsizetype columns = fields.size();
    bool header = columns == 3 || columns == 4;
    for (qsizetype i = 0; header && i < columns; ++i)
        header = fields[i].trimmed().compare(kColumns[i], Qt::CaseInsensitive) == 0;
    if (!header) {
        parser.fail(0, 1, 0,
                    QCoreApplication::translate("Exchange::CsvReader",
                                                "The first line must be the header \"%1\"")
                        .arg(QStringList{kColumns[0], kColumns[1], kColumns[2], kColumns[3]}.join(
                            m_delimiter)));
        return fail();
    }

    std::vector<ImageListRow> found;
    while (!parser.atEnd()) {
        const qsizetype recordStart = parser.position();
        if (!parser.next(fields))
            return fail();
        if (fields.size() == 1 && fields[0].isEmpty() && !parser.quotedAt(recordStart))
            continue; // a blank line
        if (fields.size() != columns) {
            // At the first field too many, or at the last field of a record too short.
            parser.failAtField(static_cast<size_t>(std::min(fields.size(), columns + 1) - 1),
                               QCoreApplication::translate("Exchange::CsvReader",
                                                           "%1 fields where the header has %2")
                                   .arg(fields.size())
                                   .arg(columns));
            return fail();
        }
        ImageListRow row{fields[0], fields[1], fields[2], false};
        if (columns == 4) {
            const std::optional<bool> checked = checkValue(fields[3]);
            if (!checked) {
                parser.failAtField(
                    3, QCoreApplication::translate("Exchange::CsvReader",
                                                   "Checked is \"%1\"; it must be 1 or 0")
                           .arg(fields[3].left(40)));
                return fail();
            }
            row.checked = *checked;
        }
        found.push_back(std::move(row));
        if (m_progress && found.size() % kProgressEvery == 0 &&
            !m_progress(parser.position(), text.size())) {
            m_errorString = QCoreApplication::translate("Exchange::CsvReader", "Cancelled");
            return false;
        }
    }
    rows = std::move(found);
    return true;
}

} // namespace Exchange
