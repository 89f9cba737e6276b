#include "XliffWriter.h"

#include "XmlText.h"

#include <QHash>
#include <QIODevice>
#include <QLocale>
#include <QSet>
#include <algorithm>

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

void appendElement(QString& out, QLatin1String element, const QString& text)
{
    out += u'<';
    out += element;
    if (text.isEmpty()) {
        out += QLatin1String("/>");
        return;
    }
    out += u'>';
    XmlText::appendText(out, text);
    out += QLatin1String("</");
    out += element;
    out += u'>';
}

void appendUnit20(QString& out, const ImageListRow& row, const QString& id)
{
    out += QLatin1String("<unit");
    XmlText::appendAttribute(out, QLatin1String("id"), id);
    XmlText::appendAttribute(out, QLatin1String("name"), row.name);
    out += row.checked ? QLatin1String("><notes><note category=\"checked\">yes</note></notes>")
                       : QLatin1String("><notes><note category=\"checked\">no</note></notes>");
    out += QLatin1String("<segment>");
    appendElement(out, QLatin1String("source"), row.sourceText);
    if (!row.targetText.isEmpty())
        appendElement(out, QLatin1String("target"), row.targetText);
    out += QLatin1String("</segment></unit>\n");
}

void appendUnit12(QString& out, const ImageListRow& row, const QString& id)
{
    out += QLatin1String("<trans-unit");
    XmlText::appendAttribute(out, QLatin1String("id"), id);
    XmlText::appendAttribute(out, QLatin1String("resname"), row.name);
    out += QLatin1String(" xml:space=\"preserve\"");
    // A tool's own data, which translation tools carry along untouched.
    if (row.checked)
        out += QLatin1String(" extradata=\"checked\"");
    out += u'>';
    appendElement(out, QLatin1String("source"), row.sourceText);
    if (!row.targetText.isEmpty())
        appendElement(out, QLatin1String("target"), row.targetText);
    out += QLatin1String("</trans-unit>\n");
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
    for (const ImageListRow& row : rows)
        ids.append(idBase(row.name));
    // Repeated ids are found by sorting (hash, row) pairs: a hash table of
    // every id took as long as writing the whole file.
    std::vector<std::pair<size_t, qsizetype>> byHash;
    byHash.reserve(rows.size());
    for (qsizetype i = 0; i < ids.size(); ++i)
        byHash.emplace_back(qHash(ids[i]), i);
    std::sort(byHash.begin(), byHash.end());

    std::vector<qsizetype> repeats; // rows whose id an earlier row has
    for (size_t run = 0; run < byHash.size();) {
        size_t end = run + 1;
        while (end < byHash.size() && byHash[end].first == byHash[run].first)
            ++end;
        if (end - run == 1) {
            run = end;
            continue;
        }
        QSet<QString> seen; // within one hash, in row order
        for (size_t k = run; k < end; ++k) {
            const QString& id = ids[byHash[k].second];
            if (seen.contains(id))
                repeats.push_back(byHash[k].second);
            else
                seen.insert(id);
        }
        run = end;
    }
    if (repeats.empty())
        return ids;

    const auto isBase = [&](const QString& id) {
        auto it = std::lower_bound(byHash.begin(), byHash.end(),
                                   std::pair<size_t, qsizetype>(qHash(id), 0));
        for (; it != byHash.end() && it->first == qHash(id); ++it) {
            if (ids[it->second] == id)
                return true;
        }
        return false;
    };
    std::sort(repeats.begin(), repeats.end());
    QHash<QString, int> counters;
    QSet<QString> made;
    for (const qsizetype row : repeats) {
        const QString base = ids[row];
        int& counter = counters[base];
        counter = std::max(counter, 1);
        QString id;
        do
            id = base + QLatin1Char('-') + QString::number(++counter);
        while (made.contains(id) || isBase(id));
        made.insert(id);
        ids[row] = id;
    }
    return ids;
}

bool XliffWriter::checkTexts(const std::vector<ImageListRow>& rows)
{
    for (const QString* text :
         {&m_options.sourceLanguage, &m_options.targetLanguage, &m_options.original}) {
        if (XmlText::firstUnwritable(*text) >= 0) {
            m_errorString = QStringLiteral("\"%1\" holds a character XML cannot carry").arg(*text);
            return false;
        }
    }
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
    // Escaped by hand into a string handed on in UTF-8 pieces, as the list
    // file is: a QXmlStreamWriter took ten times as long as the list file's
    // save. Units go one a line, so the file stays easy to read and diff.
    QString chunk;
    chunk.reserve((1 << 16) + 4096);
    const auto flush = [&]() {
        const QByteArray bytes = chunk.toUtf8();
        chunk.clear();
        if (device.write(bytes) == bytes.size())
            return true;
        m_errorString = device.errorString();
        return false;
    };
    chunk += QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xliff");
    if (v2) {
        XmlText::appendAttribute(chunk, QLatin1String("xmlns"), kXliff20);
        chunk += QLatin1String(" version=\"2.0\"");
        XmlText::appendAttribute(chunk, QLatin1String("srcLang"), m_options.sourceLanguage);
        if (!m_options.targetLanguage.isEmpty())
            XmlText::appendAttribute(chunk, QLatin1String("trgLang"), m_options.targetLanguage);
        chunk += QLatin1String(">\n<file id=\"f1\"");
        if (!m_options.original.isEmpty())
            XmlText::appendAttribute(chunk, QLatin1String("original"), m_options.original);
        chunk += QLatin1String(" xml:space=\"preserve\">\n");
    } else {
        XmlText::appendAttribute(chunk, QLatin1String("xmlns"), kXliff12);
        chunk += QLatin1String(" version=\"1.2\">\n<file");
        XmlText::appendAttribute(chunk, QLatin1String("original"),
                                 m_options.original.isEmpty() ? QStringLiteral("image-list")
                                                              : m_options.original);
        XmlText::appendAttribute(chunk, QLatin1String("source-language"), m_options.sourceLanguage);
        if (!m_options.targetLanguage.isEmpty())
            XmlText::appendAttribute(chunk, QLatin1String("target-language"),
                                     m_options.targetLanguage);
        chunk += QLatin1String(" datatype=\"plaintext\">\n<body>\n");
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString& id = ids[static_cast<qsizetype>(i)];
        v2 ? appendUnit20(chunk, rows[i], id) : appendUnit12(chunk, rows[i], id);
        if (chunk.size() > 1 << 16 && !flush())
            return false;
    }
    chunk +=
        v2 ? QLatin1String("</file>\n</xliff>\n") : QLatin1String("</body>\n</file>\n</xliff>\n");
    return flush();
}

} // namespace Exchange
