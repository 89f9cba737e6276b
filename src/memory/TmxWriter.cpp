#include "TmxWriter.h"

#include <QIODevice>

namespace {

bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

TmxWriter::TmxWriter(QIODevice* device) : m_device(device), m_xml(device)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(1);
}

QString TmxWriter::tmxDate(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

void TmxWriter::writeHeader(const QString& sourceLanguage, const QDateTime& creationDate)
{
    m_xml.writeStartDocument();
    m_xml.writeStartElement(QStringLiteral("tmx"));
    m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.4"));
    m_xml.writeStartElement(QStringLiteral("header"));
    m_xml.writeAttribute(QStringLiteral("creationtool"), QStringLiteral("Vemarill"));
    m_xml.writeAttribute(QStringLiteral("creationtoolversion"), QStringLiteral(VEMARILL_VERSION));
    m_xml.writeAttribute(QStringLiteral("segtype"), QStringLiteral("block"));
    m_xml.writeAttribute(QStringLiteral("o-tmf"), QStringLiteral("Vemarill"));
    m_xml.writeAttribute(QStringLiteral("adminlang"), QStringLiteral("en"));
    m_xml.writeAttribute(QStringLiteral("srclang"),
                         sourceLanguage.isEmpty() ? QStringLiteral("*all*") : sourceLanguage);
    m_xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
    if (creationDate.isValid())
        m_xml.writeAttribute(QStringLiteral("creationdate"), tmxDate(creationDate));
    m_xml.writeEndElement();
    m_xml.writeStartElement(QStringLiteral("body"));
}

void TmxWriter::writeSegment(const QString& text)
{
    m_xml.writeStartElement(QStringLiteral("seg"));
    // Indentation inside a segment would become part of its text.
    m_xml.setAutoFormatting(false);
    QString run;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (c == '\r') {
            // A raw CR would reach a reader as LF.
            if (!run.isEmpty())
                m_xml.writeCharacters(run);
            run.clear();
            m_xml.writeEntityReference(QStringLiteral("#13"));
        } else if (!allowedInXml(c)) {
            if (!run.isEmpty())
                m_xml.writeCharacters(run);
            run.clear();
            m_xml.writeStartElement(QStringLiteral("ph"));
            m_xml.writeAttribute(QStringLiteral("type"), QStringLiteral("x-char"));
            m_xml.writeCharacters(QStringLiteral("U+%1")
                                      .arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'))
                                      .toUpper());
            m_xml.writeEndElement();
        } else {
            run.append(text.mid(i, width));
        }
        i += width - 1;
    }
    if (!run.isEmpty())
        m_xml.writeCharacters(run);
    m_xml.writeEndElement();
    m_xml.setAutoFormatting(true);
}

void TmxWriter::writeUnit(const MemoryUnit& unit)
{
    m_xml.writeStartElement(QStringLiteral("tu"));
    m_xml.writeAttribute(QStringLiteral("tuid"), QString::number(++m_units));
    if (!unit.origin.user.isEmpty())
        m_xml.writeAttribute(QStringLiteral("creationid"), unit.origin.user);
    if (unit.origin.when.isValid())
        m_xml.writeAttribute(QStringLiteral("creationdate"), tmxDate(unit.origin.when));
    if (unit.lastUsed.isValid())
        m_xml.writeAttribute(QStringLiteral("lastusagedate"), tmxDate(unit.lastUsed));
    m_xml.writeAttribute(QStringLiteral("usagecount"), QString::number(unit.useCount));
    for (const auto& [type, value] : {std::pair{QStringLiteral("x-project"), unit.origin.project},
                                      std::pair{QStringLiteral("x-name"), unit.origin.name}}) {
        if (value.isEmpty())
            continue;
        m_xml.writeStartElement(QStringLiteral("prop"));
        m_xml.writeAttribute(QStringLiteral("type"), type);
        m_xml.writeCharacters(value);
        m_xml.writeEndElement();
    }
    for (const auto& [language, text] : {std::pair{unit.languages.source, unit.source},
                                         std::pair{unit.languages.target, unit.target}}) {
        m_xml.writeStartElement(QStringLiteral("tuv"));
        m_xml.writeAttribute(QStringLiteral("xml:lang"), language);
        writeSegment(text);
        m_xml.writeEndElement();
    }
    m_xml.writeEndElement();
}

bool TmxWriter::finish()
{
    m_xml.writeEndElement(); // body
    m_xml.writeEndElement(); // tmx
    m_xml.writeEndDocument();
    return !m_xml.hasError();
}

QString TmxWriter::errorString() const
{
    if (!m_xml.hasError())
        return {};
    const QString device = m_device ? m_device->errorString() : QString();
    return device.isEmpty() ? QStringLiteral("The TMX file could not be written.") : device;
}
