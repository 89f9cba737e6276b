#include "XliffWriter.h"

#include "XmlText.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>
#include <QSet>
#include <QXmlStreamWriter>

namespace Exchange {

namespace {

const QString kXliff20 = QStringLiteral("urn:oasis:names:tc:xliff:document:2.0");
const QString kXliff12 = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");

QString idBase(const QString& name)
{
    QString base = name;
    for (QChar& c : base) {
        const char16_t u = c.unicode();
        const bool keep = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                          (u >= '0' && u <= '9') || u == '.' || u == '-' || u == '_';
        if (!keep)
            c = QLatin1Char('_');
    }
    return base.isEmpty() ? QStringLiteral("unit") : base;
}

void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text)
{
    xml.writeStartElement(element);
    if (!text.isEmpty())
        XmlText::writeCharacters(xml, text);
    xml.writeEndElement();
}

void writeUnit20(QXmlStreamWriter& xml, const ImageListRow& row, const QString& id)
{
    xml.writeStartElement(QStringLiteral("unit"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("name"), row.name);
    xml.writeStartElement(QStringLiteral("notes"));
    xml.writeStartElement(QStringLiteral("note"));
    xml.writeAttribute(QStringLiteral("category"), QStringLiteral("checked"));
    xml.writeCharacters(row.checked ? QStringLiteral("yes") : QStringLiteral("no"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("segment"));
    writeText(xml, QStringLiteral("source"), row.sourceText);
    if (!row.targetText.isEmpty())
        writeText(xml, QStringLiteral("target"), row.targetText);
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeUnit12(QXmlStreamWriter& xml, const ImageListRow& row, const QString& id)
{
    xml.writeStartElement(QStringLiteral("trans-unit"));
    xml.writeAttribute(QStringLiteral("id"), id);
    xml.writeAttribute(QStringLiteral("resname"), row.name);
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    // A tool's own data, which translation tools carry along untouched.
    if (row.checked)
        xml.writeAttribute(QStringLiteral("extradata"), QStringLiteral("checked"));
    writeText(xml, QStringLiteral("source"), row.sourceText);
    if (!row.targetText.isEmpty())
        writeText(xml, QStringLiteral("target"), row.targetText);
    xml.writeEndElement();
}

} // namespace

QString XliffOptions::systemLanguage()
{
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::C || language == QLocale::AnyLanguage)
        return QStringLiteral("und");
    return QLocale::languageToCode(language);
}

XliffWriter::XliffWriter(XliffOptions options) : m_options(std::move(options)) {}

QStringList XliffWriter::unitIds(const std::vector<ImageListRow>& rows)
{
    QStringList ids;
    ids.reserve(static_cast<qsizetype>(rows.size()));
    QSet<QString> used;
    used.reserve(static_cast<qsizetype>(rows.size()));
    QHash<QString, int> counts;
    for (const ImageListRow& row : rows) {
        const QString base = idBase(row.name);
        int& count = counts[base];
        QString id = ++count == 1 ? base : base + QLatin1Char('-') + QString::number(count);
        // Another Name may already have made this id ("a b" and "a_b").
        while (used.contains(id))
            id = base + QLatin1Char('-') + QString::number(++count);
        used.insert(id);
        ids.append(id);
    }
    return ids;
}

bool XliffWriter::checkTexts(const std::vector<ImageListRow>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const ImageListRow& row = rows[i];
        const std::pair<const char*, const QString*> fields[] = {{"Name", &row.name},
                                                                 {"Source Text", &row.sourceText},
                                                                 {"Target Text", &row.targetText}};
        for (const auto& [label, text] : fields) {
            const qsizetype at = XmlText::firstUnwritable(*text);
            if (at < 0)
                continue;
            m_errorString = QStringLiteral("Row %1 (%2): the %3 holds U+%4, which XML cannot carry")
                                .arg(i + 1)
                                .arg(row.name.left(80), QLatin1String(label))
                                .arg(text->at(at).unicode(), 4, 16, QLatin1Char('0'));
            return false;
        }
    }
    return true;
}

bool XliffWriter::write(QIODevice& device, const std::vector<ImageListRow>& rows)
{
    m_errorString.clear();
    if (!checkTexts(rows))
        return false;
    const bool v2 = m_options.version == XliffVersion::V2_0;
    const QStringList ids = unitIds(rows);
    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("xliff"));
    xml.writeDefaultNamespace(v2 ? kXliff20 : kXliff12);
    if (v2) {
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
        xml.writeAttribute(QStringLiteral("srcLang"), m_options.sourceLanguage);
        if (!m_options.targetLanguage.isEmpty())
            xml.writeAttribute(QStringLiteral("trgLang"), m_options.targetLanguage);
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("f1"));
        if (!m_options.original.isEmpty())
            xml.writeAttribute(QStringLiteral("original"), m_options.original);
        xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    } else {
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("original"), m_options.original.isEmpty()
                                                           ? QStringLiteral("image-list")
                                                           : m_options.original);
        xml.writeAttribute(QStringLiteral("source-language"), m_options.sourceLanguage);
        if (!m_options.targetLanguage.isEmpty())
            xml.writeAttribute(QStringLiteral("target-language"), m_options.targetLanguage);
        xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
        xml.writeStartElement(QStringLiteral("body"));
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString& id = ids[static_cast<qsizetype>(i)];
        v2 ? writeUnit20(xml, rows[i], id) : writeUnit12(xml, rows[i], id);
        if (xml.hasError())
            break;
    }
    xml.writeEndDocument();
    if (xml.hasError()) {
        m_errorString = device.errorString();
        return false;
    }
    return true;
}

} // namespace Exchange
