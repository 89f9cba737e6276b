// The image list file reader: any bytes give rows, and those rows, written
// checked and read again, come back the same.
#include "FuzzSupport.h"
#include "ImageListFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    std::vector<ImageListRow> rows;
    ImageListFile::readBytes(bytes, rows);
    for (ImageListRow& row : rows) {
        // What the format cannot carry never comes out of a read.
        FUZZ_CHECK(!row.name.contains(u';') && !row.sourceText.contains(u';') &&
                   !row.targetText.contains(u';'));
        for (const QString* field : {&row.name, &row.sourceText, &row.targetText})
            FUZZ_CHECK(!field->contains(u'\r') && !field->contains(u'\n'));
        FUZZ_CHECK(!row.checked);
        row.checked = true;
    }
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    FUZZ_CHECK(ImageListFile::write(buffer, rows, static_cast<int>(rows.size())));

    std::vector<ImageListRow> again;
    ImageListFile::Encoding encoding = ImageListFile::Encoding::Windows1252;
    ImageListFile::readBytes(written, again, &encoding);
    FUZZ_CHECK(encoding == ImageListFile::Encoding::System);
    FUZZ_CHECK(again.size() == rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        again[i].checked = true;
        FUZZ_CHECK(again[i] == rows[i]);
    }
    return 0;
}
