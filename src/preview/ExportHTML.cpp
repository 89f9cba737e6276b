#include "ExportHTML.h"

#include "ImageListModel.h"
#include "SaveFile.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QIODevice>
#include <QUrl>

namespace ExportHTML {

namespace {

const QLatin1String kLineEnd("\r\n");
const QLatin1String
    kTableStart("<TABLE width=100% border=1 border-color=#FFFFFF border-style=\"groove\">");
// The head block's fourth line: without it a browser guesses the encoding.
const QLatin1String kCharset("<META charset=\"UTF-8\">");
constexpr qsizetype kChunkSize = 1 << 16;

// The entity that stands for c, or an empty string where c stands as it is.
QLatin1String entityFor(QChar c)
{
    switch (c.unicode()) {
    case '&':
        return QLatin1String("&amp;");
    case '<':
        return QLatin1String("&lt;");
    case '>':
        return QLatin1String("&gt;");
    case '"':
        return QLatin1String("&quot;");
    default:
        return QLatin1String();
    }
}

void appendEscaped(QString& out, const QString& text)
{
    const QChar* begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* run = begin;
    for (const QChar* p = begin; p != end; ++p) {
        const QLatin1String entity = entityFor(*p);
        if (entity.isEmpty())
            continue;
        out.append(run, p - run);
        out += entity;
        run = p + 1;
    }
    out.append(run, end - run);
}

// Sets the application's wait pointer for its lifetime. The command line runs
// on a plain QCoreApplication, which has no pointer (qGuiApp would be a bad cast).
class WaitPointer {
public:
    WaitPointer() : m_gui(qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    {
        if (m_gui)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitPointer()
    {
        if (m_gui)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitPointer(const WaitPointer&) = delete;
    WaitPointer& operator=(const WaitPointer&) = delete;

private:
    const bool m_gui;
};

// Collects the page as text and hands it to the device in UTF-8 pieces.
class PageWriter {
public:
    explicit PageWriter(QIODevice& device) : m_device(device) { m_text.reserve(kChunkSize + 4096); }

    QString& text() { return m_text; }

    bool flushIfFull() { return m_text.size() < kChunkSize || flush(); }

    bool flush()
    {
        const QByteArray bytes = m_text.toUtf8();
        m_text.clear();
        return m_device.write(bytes) == bytes.size();
    }

private:
    QIODevice& m_device;
    QString m_text;
};

void appendLine(QString& out, QLatin1String open, const QString& text, QLatin1String close)
{
    out += open;
    appendEscaped(out, text);
    out += close;
    out += kLineEnd;
}

void appendHeadBlock(QString& out, const ImageListModel& list, const Page& page)
{
    out += QLatin1String("<HTML>\r\n<HEAD>\r\n");
    appendLine(out, QLatin1String("<TITLE>"), page.title, QLatin1String("</TITLE>"));
    out += kCharset;
    out += kLineEnd;
    out += QLatin1String("</HEAD>\r\n\r\n");
    out += QLatin1String("<H1>");
    appendEscaped(out, page.heading);
    out += QLatin1String("</H1><HR>");
    out += kTableStart;
    out += QLatin1String("\r\n\r\n<TR>\r\n");
    for (int column = 0; column < list.columnCount(); ++column)
        appendLine(out, QLatin1String("<TH>"),
                   list.headerData(column, Qt::Horizontal, Qt::EditRole).toString(),
                   QLatin1String("</TH>"));
    out += QLatin1String("</TR>\r\n\r\n");
}

void appendRowBlock(QString& out, const ImageListModel& list, int index, const Page& page)
{
    const QString& name = list.row(index).name;
    out += QLatin1String("<TR>\r\n<TD><A HREF=\"");
    appendEscaped(out, QString::fromLatin1(imageUrl(page.rootFolder, name)));
    out += QLatin1String("\">");
    appendEscaped(out, name);
    out += QLatin1String("</A></TD>\r\n");
    for (int column = 1; column < list.columnCount(); ++column) {
        const QString cell = list.text(index, static_cast<ImageListModel::Column>(column));
        if (cell.isEmpty())
            out += QLatin1String("<TD>&nbsp;</TD>\r\n");
        else
            appendLine(out, QLatin1String("<TD>"), cell, QLatin1String("</TD>"));
    }
    out += QLatin1String("</TR>\r\n\r\n");
}

void appendClosingBlock(QString& out, const Page& page)
{
    out += QLatin1String("</TABLE>\r\n");
    appendLine(out, QLatin1String("<HR>"), page.footer, QLatin1String(""));
    out += QLatin1String("</BODY>\r\n</HTML>\r\n");
}

} // namespace

QString escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

QByteArray imageUrl(const QString& rootFolder, const QString& name)
{
    QString path = rootFolder + name;
    if (!QDir::isAbsolutePath(path))
        path = QDir::current().absoluteFilePath(path);
    return QUrl::fromLocalFile(path).toEncoded();
}

bool write(QIODevice& device, const ImageListModel& list, const Page& page, QString* errorString)
{
    PageWriter writer(device);
    const auto fail = [&] {
        if (errorString)
            *errorString = device.errorString();
        return false;
    };
    appendHeadBlock(writer.text(), list, page);
    const int rows = list.rowCount();
    for (int index = 0; index < rows; ++index) {
        if (!list.isChecked(index))
            continue;
        appendRowBlock(writer.text(), list, index, page);
        if (!writer.flushIfFull())
            return fail();
    }
    appendClosingBlock(writer.text(), page);
    if (!writer.flush())
        return fail();
    return true;
}

bool ExportHTML(const QString& filePath, const ImageListModel& list, const Page& page,
                QString* errorString)
{
    const WaitPointer waitPointer;
    return Platform::saveFile(
        filePath,
        [&](QIODevice& device, QString* error) { return write(device, list, page, error); },
        errorString);
}

} // namespace ExportHTML
