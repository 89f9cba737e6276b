#include "ImageListFile.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace ImageListFile {

namespace {
constexpr QChar kSeparator = QLatin1Char(';');
}

namespace {

ImageListRow parseView(QStringView line)
{
    ImageListRow row;
    const qsizetype p1 = line.indexOf(kSeparator);
    if (p1 < 0) {
        row.name = line.toString();
        return row;
    }
    row.name = line.left(p1).toString();
    const qsizetype p2 = line.indexOf(kSeparator, p1 + 1);
    if (p2 < 0) {
        row.sourceText = line.mid(p1 + 1).toString();
        return row;
    }
    row.sourceText = line.mid(p1 + 1, p2 - p1 - 1).toString();
    QStringView rest = line.mid(p2 + 1);
    // Nearly every line ends with the one ";" that closes its last field.
    if (rest.endsWith(kSeparator))
        rest.chop(1);
    qsizetype next = rest.indexOf(kSeparator);
    if (next < 0) {
        row.targetText = rest.toString();
        return row;
    }
    row.targetText.reserve(rest.size());
    while (next >= 0) {
        row.targetText.append(rest.left(next));
        rest = rest.mid(next + 1);
        next = rest.indexOf(kSeparator);
    }
    row.targetText.append(rest);
    return row;
}

} // namespace

ImageListRow parseLine(const QString& line)
{
    return parseView(line);
}

QString formatLine(const ImageListRow& row)
{
    return row.name + kSeparator + row.sourceText + kSeparator + row.targetText + kSeparator;
}

bool read(QIODevice& device, std::vector<ImageListRow>& rows, QString* errorString)
{
    if (!device.isReadable()) {
        if (errorString)
            *errorString = device.errorString();
        return false;
    }
    const QByteArray bytes = device.readAll();
    QStringDecoder decoder(QStringConverter::System);
    const QString text = decoder(bytes);

    rows.clear();
    const QStringView view(text);
    const qsizetype length = view.size();
    qsizetype start = 0;
    while (start < length) {
        qsizetype end = start;
        while (end < length && view[end] != QLatin1Char('\r') && view[end] != QLatin1Char('\n'))
            ++end;
        if (end > start)
            rows.push_back(parseView(view.mid(start, end - start)));
        start = end;
        if (start < length && text.at(start) == QLatin1Char('\r'))
            ++start;
        if (start < length && text.at(start) == QLatin1Char('\n'))
            ++start;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    if (!write(file, rows, rowLimit, errorString)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

} // namespace ImageListFile
