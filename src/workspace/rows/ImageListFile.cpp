#include "ImageListFile.h"

#include "SaveFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <utility>

namespace ImageListFile {

namespace {

constexpr char kSeparator = ';';

// Splits one line into its fields, each made into a string by decode.
template <typename View, typename Decode> ImageListRow parseFields(View line, const Decode& decode)
{
    ImageListRow row;
    const qsizetype p1 = line.indexOf(kSeparator);
    if (p1 < 0) {
        row.name = decode(line);
        return row;
    }
    row.name = decode(line.first(p1));
    const qsizetype p2 = line.indexOf(kSeparator, p1 + 1);
    if (p2 < 0) {
        row.sourceText = decode(line.sliced(p1 + 1));
        return row;
    }
    row.sourceText = decode(line.sliced(p1 + 1, p2 - p1 - 1));
    View rest = line.sliced(p2 + 1);
    // Nearly every line ends with the one ";" that closes its last field.
    if (rest.endsWith(kSeparator))
        rest.chop(1);
    qsizetype next = rest.indexOf(kSeparator);
    if (next < 0) {
        row.targetText = decode(rest);
        return row;
    }
    while (next >= 0) {
        row.targetText += decode(rest.first(next));
        rest = rest.sliced(next + 1);
        next = rest.indexOf(kSeparator);
    }
    row.targetText += decode(rest);
    return row;
}

} // namespace

ImageListRow parseLine(const QString& line)
{
    return parseFields(QStringView(line), [](QStringView field) { return field.toString(); });
}

QString formatLine(const ImageListRow& row)
{
    const QChar separator = QLatin1Char(kSeparator);
    return row.name + separator + row.sourceText + separator + row.targetText + separator;
}

namespace {

// Every LF, CR or CR LF ends a line; blank lines give no row. Whole lines are
// found with the vectorised single-character search.
void appendRows(QStringView text, std::vector<ImageListRow>& rows)
{
    const auto copy = [](QStringView field) { return field.toString(); };
    for (qsizetype pos = 0; pos < text.size();) {
        qsizetype lineFeed = text.indexOf(u'\n', pos);
        if (lineFeed < 0)
            lineFeed = text.size();
        const QStringView segment = text.sliced(pos, lineFeed - pos);
        for (qsizetype start = 0;;) {
            const qsizetype carriageReturn = segment.indexOf(u'\r', start);
            const qsizetype end = carriageReturn < 0 ? segment.size() : carriageReturn;
            if (end > start)
                rows.push_back(parseFields(segment.sliced(start, end - start), copy));
            if (carriageReturn < 0)
                break;
            start = carriageReturn + 1;
        }
        pos = lineFeed + 1;
    }
}

// The end of the line that runs through position from: CR and LF are single
// bytes in every 8-bit system encoding, so a cut there splits no character.
qsizetype lineEndFrom(QByteArrayView bytes, qsizetype from)
{
    while (from < bytes.size() && bytes[from] != '\r' && bytes[from] != '\n')
        ++from;
    return from;
}

bool systemIsUtf8()
{
    QStringEncoder encoder(QStringConverter::System);
    static const bool utf8 = QByteArray(encoder(u"\u00e9")) == "\xc3\xa9";
    return utf8;
}

// Bytes 0x80 to 0x9F of Windows-1252; the five it leaves undefined keep
// their own value, so that no byte is ever lost.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar* decodeWindows1252(QChar* out, QByteArrayView bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

// Decoded a slice of whole lines at a time into one reused buffer, rather
// than all at once: a large file then costs no second, twice as large copy.
// False when the bytes are no valid text in the system encoding.
bool appendAllRows(QByteArrayView all, std::vector<ImageListRow>& rows, bool windows1252)
{
    constexpr qsizetype kSlice = 1 << 16;
    // Stateless: a broken character at a slice's end must show there, not be
    // carried over past the line end.
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QString buffer;
    for (qsizetype pos = 0; pos < all.size();) {
        const qsizetype end = lineEndFrom(all, std::min(pos + kSlice, all.size()));
        const QByteArrayView slice = all.sliced(pos, end - pos);
        buffer.resize(std::max(decoder.requiredSpace(slice.size()), slice.size()));
        const QChar* written = windows1252 ? decodeWindows1252(buffer.data(), slice)
                                           : decoder.appendToBuffer(buffer.data(), slice);
        if (decoder.hasError())
            return false;
        appendRows(QStringView(buffer.constData(), written), rows);
        pos = end;
    }
    return true;
}

} // namespace

void readBytes(QByteArrayView bytes, std::vector<ImageListRow>& rows, Encoding* encoding)
{
    rows.clear();
    rows.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    Encoding used = Encoding::System;
    if (!appendAllRows(bytes, rows, false)) {
        rows.clear();
        // An older file from a Windows-1252 system: every byte is a character
        // there, where UTF-8 would turn the broken ones into replacements.
        if (systemIsUtf8()) {
            used = Encoding::Windows1252;
            appendAllRows(bytes, rows, true);
        } else {
            QStringDecoder decoder(QStringConverter::System);
            const QString text = decoder(bytes);
            appendRows(text, rows);
        }
    }
    if (encoding)
        *encoding = used;
}

bool read(QIODevice& device, std::vector<ImageListRow>& rows, QString* errorString,
          Encoding* encoding)
{
    if (!device.isReadable()) {
        if (errorString)
            *errorString = device.errorString();
        return false;
    }
    readBytes(device.readAll(), rows, encoding);
    return true;
}

bool write(QIODevice& device, const std::vector<ImageListRow>& rows, int rowLimit,
           QString* errorString)
{
    constexpr qsizetype kChunk = 1 << 16;
    QStringEncoder encoder(QStringConverter::System);
    const size_t limit = std::min(rows.size(), static_cast<size_t>(std::max(rowLimit, 0)));
    // Lines go straight into one reused chunk, encoded a chunk at a time: no
    // string of its own per line.
    QString chunk;
    chunk.reserve(2 * kChunk);
    QByteArray bytes;
    const auto flush = [&]() {
        bytes.resize(encoder.requiredSpace(chunk.size()));
        const qsizetype size = encoder.appendToBuffer(bytes.data(), chunk) - bytes.constData();
        chunk.resize(0);
        if (device.write(bytes.constData(), size) != size) {
            if (errorString)
                *errorString = device.errorString();
            return false;
        }
        return true;
    };
    const QChar separator = QLatin1Char(kSeparator);
    bool first = device.pos() == 0;
    for (size_t i = 0; i < limit; ++i) {
        const ImageListRow& row = rows[i];
        if (!row.checked)
            continue;
        // Reading drops a byte order mark at the start of a file: a first
        // Name that starts with one keeps it only behind a second.
        if (std::exchange(first, false) && row.name.startsWith(QChar(0xFEFF)) && systemIsUtf8())
            chunk += QChar(0xFEFF);
        chunk.append(row.name)
            .append(separator)
            .append(row.sourceText)
            .append(separator)
            .append(row.targetText)
            .append(separator)
            .append(QLatin1String("\r\n"));
        if (chunk.size() > kChunk && !flush())
            return false;
    }
    return flush();
}

bool load(const QString& path, std::vector<ImageListRow>& rows, QString* errorString,
          Encoding* encoding)
{
    const auto fail = [errorString](const QString& error) {
        if (errorString)
            *errorString = error;
        return false;
    };
    // Only a plain file: a device or a pipe picked in the dialog could block
    // the window or never end.
    const QFileInfo before(path);
    if (!before.isFile())
        return fail(QCoreApplication::translate("ImageListFile", "Not a file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    // Another program writing the file meanwhile would leave a cut-off last
    // row that looks like a whole one.
    const QFileInfo after(path);
    if (bytes.size() != before.size() || after.size() != before.size() ||
        after.lastModified() != before.lastModified())
        return fail(
            QCoreApplication::translate("ImageListFile", "The file changed while it was read"));
    readBytes(bytes, rows, encoding);
    return true;
}

bool save(const QString& path, const std::vector<ImageListRow>& rows, int rowLimit,
          QString* errorString)
{
    return Platform::saveFile(
        path,
        [&](QIODevice& device, QString* error) { return write(device, rows, rowLimit, error); },
        errorString);
}

} // namespace ImageListFile
