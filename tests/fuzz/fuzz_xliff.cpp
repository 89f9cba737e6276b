// The XLIFF reader: any bytes are rows or an error with its line and column;
// rows that were read, written as XLIFF 2.0 and 1.2 and read again are the
// same rows.
#include "FuzzSupport.h"
#include "XliffReader.h"
#include "XliffWriter.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    Exchange::XliffReader reader;
    std::vector<ImageListRow> rows;
    if (!reader.read(device, rows)) {
        FUZZ_CHECK(!reader.errorString().isEmpty());
        FUZZ_CHECK(reader.errorLine() >= 1 && reader.errorColumn() >= 1);
        return 0;
    }

    for (const Exchange::XliffVersion version :
         {Exchange::XliffVersion::V2_0, Exchange::XliffVersion::V1_2}) {
        Exchange::XliffOptions options;
        options.version = version;
        options.targetLanguage = QStringLiteral("de");
        QByteArray written;
        QBuffer out(&written);
        out.open(QIODevice::WriteOnly);
        Exchange::XliffWriter writer(options);
        FUZZ_CHECK(writer.write(out, rows));
        QBuffer in(&written);
        in.open(QIODevice::ReadOnly);
        Exchange::XliffReader second;
        std::vector<ImageListRow> again;
        FUZZ_CHECK(second.read(in, again));
        FUZZ_CHECK(second.version() == version);
        FUZZ_CHECK(again == rows);
    }
    return 0;
}
