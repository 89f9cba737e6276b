#include "ImageListFile.h"

#include "SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

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

} // namespace

bool read(QIODevice& device, std::vector<ImageListRow>& rows, QString* errorString)
{
    if (!device.isReadable()) {
        if (errorString)
            *errorString = device.errorString();
        return false;
    }
    const QByteArray bytes = device.readAll();
    rows.clear();
    rows.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);

    // Decoded a slice of whole lines at a time into one reused buffer, rather
    // than all at once: a large file then costs no second, twice as large copy.
    // Stateless: a broken character at a slice's end must become a
    // replacement there, not be carried over past the line end.
    constexpr qsizetype kSlice = 1 << 16;
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QString buffer;
    const QByteArrayView all(bytes);
    for (qsizetype pos = 0; pos < all.size();) {
        const qsizetype end = lineEndFrom(all, std::min(pos + kSlice, all.size()));
        const QByteArrayView slice = all.sliced(pos, end - pos);
        buffer.resize(decoder.requiredSpace(slice.size()));
        const QChar* written = decoder.appendToBuffer(buffer.data(), slice);
        appendRows(QStringView(buffer.constData(), written), rows);
        pos = end;
    }
    return true;
}

bool write(QIODevice& device, const std::vector<ImageListRow>& rows, int rowLimit,
           QString* errorString)
{
    QStringEncoder encoder(QStringConverter::System);
    const size_t limit = std::min(rows.size(), static_cast<size_t>(std::max(rowLimit, 0)));
    QString chunk;
    const auto flush = [&]() {
        const QByteArray bytes = encoder(chunk);
        chunk.clear();
        if (device.write(bytes) != bytes.size()) {
            if (errorString)
                *errorString = device.errorString();
            return false;
        }
        return true;
    };
    for (size_t i = 0; i < limit; ++i) {
        const ImageListRow& row = rows[i];
        if (!row.checked)
            continue;
        chunk += formatLine(row);
        chunk += QLatin1String("\r\n");
        if (chunk.size() > 1 << 16 && !flush())
            return false;
    }
    return flush();
}

bool load(const QString& path, std::vector<ImageListRow>& rows, QString* errorString)
{
    // Only a plain file: a device or a pipe picked in the dialog could block
    // the window or never end.
    if (!QFileInfo(path).isFile()) {
        if (errorString)
            *errorString = QStringLiteral("Not a file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return read(file, rows, errorString);
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
