#include "XliffReader.h"

#include "XmlText.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QXmlStreamReader>

namespace Exchange {

namespace {

const QString kXliff20 = QStringLiteral("urn:oasis:names:tc:xliff:document:2.0");
const QString kXliff12 = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");
// Groups nest in XLIFF; a file nesting them without end must not exhaust the stack.
constexpr int kMaxDepth = 64;
constexpr size_t kProgressEvery = 1024;

QString elementText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::IncludeChildElements);
}

} // namespace

bool XliffReader::read(QIODevice& device, std::vector<ImageListRow>& rows)
{
    m_errorString.clear();
    m_errorLine = m_errorColumn = 0;
    m_cancelled = false;
    m_sourceLanguage.clear();
    m_targetLanguage.clear();
    std::vector<ImageListRow> found;
    QXmlStreamReader xml(&device);
    bool sawRoot = false;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.tokenType() == QXmlStreamReader::DTD) {
            xml.raiseError(QCoreApplication::translate(
                "Exchange::XliffReader", "The file has a DOCTYPE, which XLIFF does not use; "
                                         "it is refused, and nothing it declares is read"));
        } else if (xml.isStartElement() && !sawRoot) {
            sawRoot = true;
            if (readRoot(xml))
                readContainer(xml, found, 0, device);
        }
    }
    if (!xml.hasError() && !sawRoot)
        xml.raiseError(
            QCoreApplication::translate("Exchange::XliffReader", "The file holds no XML element"));
    if (xml.hasError())
        return fail(xml);
    rows = std::move(found);
    return true;
}

bool XliffReader::readRoot(QXmlStreamReader& xml)
{
    if (xml.name() != QLatin1String("xliff")) {
        xml.raiseError(QCoreApplication::translate("Exchange::XliffReader",
                                                   "The document is <%1>, not <xliff>")
                           .arg(xml.name()));
        return false;
    }
    m_namespace = xml.namespaceUri().toString();
    if (m_namespace != kXliff20 && m_namespace != kXliff12) {
        xml.raiseError(
            QCoreApplication::translate("Exchange::XliffReader",
                                        "The <xliff> element is in the namespace \"%1\", not in "
                                        "XLIFF 2.0's (%2) or 1.2's (%3)")
                .arg(m_namespace, kXliff20, kXliff12));
        return false;
    }
    m_version = m_namespace == kXliff20 ? XliffVersion::V2_0 : XliffVersion::V1_2;
    m_sourceLanguage = xml.attributes().value(QLatin1String("srcLang")).toString();
    m_targetLanguage = xml.attributes().value(QLatin1String("trgLang")).toString();
    return true;
}

void XliffReader::readContainer(QXmlStreamReader& xml, std::vector<ImageListRow>& rows, int depth,
                                const QIODevice& device)
{
    if (depth > kMaxDepth) {
        xml.raiseError(QCoreApplication::translate("Exchange::XliffReader",
                                                   "Elements nested more than %1 deep")
                           .arg(kMaxDepth));
        return;
    }
    const bool v2 = m_version == XliffVersion::V2_0;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (xml.namespaceUri() != m_namespace) {
            xml.skipCurrentElement();
        } else if (name == (v2 ? QLatin1String("unit") : QLatin1String("trans-unit"))) {
            readUnit(xml, rows);
            if (rows.size() % kProgressEvery == 0 && !keepGoing(xml, device))
                return;
        } else if (name == QLatin1String("file") || name == QLatin1String("group") ||
                   name == QLatin1String("body")) {
            if (!v2 && name == QLatin1String("file")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                m_sourceLanguage = attributes.value(QLatin1String("source-language")).toString();
                m_targetLanguage = attributes.value(QLatin1String("target-language")).toString();
            }
            readContainer(xml, rows, depth + 1, device);
        } else {
            xml.skipCurrentElement();
        }
    }
}

void XliffReader::readUnit(QXmlStreamReader& xml, std::vector<ImageListRow>& rows)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const bool v2 = m_version == XliffVersion::V2_0;
    ImageListRow row;
    row.name = attributes.value(v2 ? QLatin1String("name") : QLatin1String("resname")).toString();
    if (!attributes.hasAttribute(v2 ? QLatin1String("name") : QLatin1String("resname")))
        row.name = attributes.value(QLatin1String("id")).toString();
    if (!v2)
        row.checked = attributes.value(QLatin1String("extradata")) == QLatin1String("checked");
    readUnitBody(xml, row, v2);
    // A document in a legacy encoding (UTF-7, say) can decode to lone
    // surrogates, which the reader passes on but no XML file can hold.
    for (const QString* text : {&row.name, &row.sourceText, &row.targetText}) {
        if (const qsizetype at = XmlText::firstUnwritable(*text); at >= 0) {
            xml.raiseError(
                QCoreApplication::translate("Exchange::XliffReader",
                                            "The unit holds U+%1, which XML cannot carry")
                    .arg(text->at(at).unicode(), 4, 16, QLatin1Char('0')));
            return;
        }
    }
    rows.push_back(std::move(row));
}

// 2.0: <notes>, then <segment>s and <ignorable>s holding <source> and <target>.
// 1.2: <source> and <target> straight in the unit; <alt-trans> and the like
// hold other texts and are skipped.
void XliffReader::readUnitBody(QXmlStreamReader& xml, ImageListRow& row, bool v2)
{
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (xml.namespaceUri() != m_namespace) {
            xml.skipCurrentElement();
        } else if (name == QLatin1String("source")) {
            row.sourceText += elementText(xml);
        } else if (name == QLatin1String("target")) {
            row.targetText += elementText(xml);
        } else if (v2 && (name == QLatin1String("segment") || name == QLatin1String("ignorable") ||
                          name == QLatin1String("notes"))) {
            readUnitBody(xml, row, v2);
        } else if (v2 && name == QLatin1String("note") &&
                   xml.attributes().value(QLatin1String("category")) == QLatin1String("checked")) {
            row.checked = elementText(xml).trimmed() == QLatin1String("yes");
        } else {
            xml.skipCurrentElement();
        }
    }
}

bool XliffReader::keepGoing(QXmlStreamReader& xml, const QIODevice& device)
{
    if (!m_progress || m_progress(device.pos(), device.size()))
        return true;
    m_cancelled = true;
    xml.raiseError(QCoreApplication::translate("Exchange::XliffReader", "Cancelled"));
    return false;
}

bool XliffReader::fail(QXmlStreamReader& xml)
{
    m_errorLine = xml.lineNumber();
    m_errorColumn = xml.columnNumber() + 1;
    QString message = xml.errorString();
    if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        message = QCoreApplication::translate(
            "Exchange::XliffReader", "The document ends before its elements are closed (a cut-off "
                                     "file?)");
    m_errorString = m_cancelled ? message
                                : XmlText::position(m_errorLine, m_errorColumn) +
                                      QStringLiteral(": ") + message;
    return false;
}

} // namespace Exchange
