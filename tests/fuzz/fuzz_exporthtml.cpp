// The HTML export writer: no text in the list or the page can open a tag.
// Input: records split by 0x1E, fields by 0x1F, in UTF-8. The first record is
// title, heading, footer, root folder and the three column titles; each
// further one a row: Name, Source Text, Target Text, checked ("1").
#include "ExportHTML.h"
#include "FuzzSupport.h"
#include "ImageListModel.h"

#include <QBuffer>

namespace {

// The writer's own tags, split at '|'.
const QStringList kTags =
    QStringLiteral("<HTML>|</HTML>|<HEAD>|</HEAD>|<TITLE>|</TITLE>|<H1>|</H1>|<HR>|<TR>|</TR>|"
                   "<TH>|</TH>|<TD>|</TD>|</A>|</TABLE>|</BODY>|<META charset=\"UTF-8\">|"
                   "<TABLE width=100% border=1 border-color=#FFFFFF border-style=\"groove\">")
        .split(QLatin1Char('|'));
const QLatin1String kLink("<A HREF=\"");
const QStringList kEntities = QStringLiteral("&amp; &lt; &gt; &quot; &nbsp;").split(u' ');

QString field(const QList<QByteArray>& fields, int i)
{
    return i < fields.size() ? QString::fromUtf8(fields[i]) : QString();
}

// Walks the page: every "<" opens one of the writer's own tags, and between
// them no ">" or quote stands bare and every "&" is an entity.
void checkMarkup(const QString& page)
{
    const QStringView html(page);
    for (qsizetype pos = 0; pos < html.size();) {
        const QStringView rest = html.sliced(pos);
        if (rest.front() == u'<') {
            if (rest.startsWith(kLink)) {
                const qsizetype close = rest.indexOf(u'"', kLink.size());
                FUZZ_CHECK(close > 0 && close + 1 < rest.size() && rest[close + 1] == u'>');
                pos += close + 2;
                continue;
            }
            qsizetype length = 0;
            for (const QString& tag : kTags) {
                if (rest.startsWith(tag))
                    length = tag.size();
            }
            FUZZ_CHECK(length > 0);
            pos += length;
            continue;
        }
        FUZZ_CHECK(rest.front() != u'>' && rest.front() != u'"');
        if (rest.front() == u'&') {
            bool entity = false;
            for (const QString& known : kEntities)
                entity = entity || rest.startsWith(known);
            FUZZ_CHECK(entity);
        }
        ++pos;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::ensureApplication();
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> records = input.split('\x1e');
    const QList<QByteArray> head = records.front().split('\x1f');
    ExportHTML::Page page;
    page.title = field(head, 0);
    page.heading = field(head, 1);
    page.footer = field(head, 2);
    page.rootFolder = field(head, 3);

    ImageListModel list;
    for (int column = 0; column < ImageListModel::ColumnCount; ++column) {
        if (4 + column < head.size())
            list.setHeaderData(column, Qt::Horizontal, field(head, 4 + column));
    }
    std::vector<ImageListRow> rows;
    int checked = 0;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QList<QByteArray> fields = records[i].split('\x1f');
        ImageListRow row{field(fields, 0), field(fields, 1), field(fields, 2),
                         field(fields, 3) == QLatin1String("1")};
        checked += row.checked ? 1 : 0;
        rows.push_back(std::move(row));
    }
    list.setRows(std::move(rows));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FUZZ_CHECK(ExportHTML::write(buffer, list, page));
    const QString html = QString::fromUtf8(bytes);
    FUZZ_CHECK(html.toUtf8() == bytes);
    checkMarkup(html);
    // One table row for the column titles, one per checked row.
    FUZZ_CHECK(html.count(QLatin1String("<TR>")) == checked + 1);
    return 0;
}
