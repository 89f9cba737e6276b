// The CSV and TSV reader: any bytes are rows or an error with its line and
// column; rows that were read, written and read again are the same rows.
// The first byte picks the delimiter and the byte order mark of the writer.
#include "CsvReader.h"
#include "CsvWriter.h"
#include "FuzzSupport.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar delimiters[] = {u',', u'\t', u';'};
    const QChar delimiter = delimiters[data[0] % 3];
    const bool byteOrderMark = data[0] & 0x10;
    const QByteArrayView bytes(data + 1, static_cast<qsizetype>(size - 1));

    static_cast<void>(Exchange::CsvReader::startsWithHeader(bytes, delimiter));
    Exchange::CsvReader reader(delimiter);
    std::vector<ImageListRow> rows;
    if (!reader.readBytes(bytes, rows)) {
        FUZZ_CHECK(!reader.errorString().isEmpty());
        FUZZ_CHECK(reader.errorLine() >= 1 && reader.errorColumn() >= 1);
        return 0;
    }
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    Exchange::CsvWriter writer(delimiter, byteOrderMark);
    FUZZ_CHECK(writer.write(buffer, rows));
    FUZZ_CHECK(Exchange::CsvReader::startsWithHeader(written, delimiter));
    std::vector<ImageListRow> again;
    Exchange::CsvReader second(delimiter);
    FUZZ_CHECK(second.readBytes(written, again));
    FUZZ_CHECK(again == rows);
    return 0;
}
