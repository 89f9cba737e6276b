// The recognition module: Tesseract behind the OcrBackend interface.
#include "OcrModule.h"

#include <QCoreApplication>
#include <QFile>
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

namespace {

// Label art carries no resolution worth trusting; a fixed value keeps the
// engine from guessing one (and saying so on stderr) for every image.
constexpr int kSourcePpi = 70;

struct EndAndDelete {
    void operator()(tesseract::TessBaseAPI* api) const
    {
        api->End();
        delete api;
    }
};

struct DeleteArray {
    void operator()(char* text) const { delete[] text; }
};

class TesseractBackend final : public OcrBackend {
public:
    bool open(const QString& dataFolder, const QString& languages, QString* errorString) override;
    OcrResult run(const QImage& gray) override;

private:
    std::unique_ptr<tesseract::TessBaseAPI, EndAndDelete> m_tess;
};

} // namespace

extern "C" {

Q_DECL_EXPORT int vemarill_ocr_interface()
{
    return OcrModule::kInterface;
}

Q_DECL_EXPORT const char* vemarill_ocr_version()
{
    return tesseract::TessBaseAPI::Version();
}

Q_DECL_EXPORT OcrBackend* vemarill_ocr_create()
{
    return new TesseractBackend;
}

} // extern "C"

bool TesseractBackend::open(const QString& dataFolder, const QString& languages,
                            QString* errorString)
{
    m_tess.reset();
    std::unique_ptr<tesseract::TessBaseAPI, EndAndDelete> tess(new tesseract::TessBaseAPI);
    const QByteArray folder = QFile::encodeName(dataFolder);
    const QByteArray codes = languages.toUtf8();
    if (tess->Init(folder.constData(), codes.constData(), tesseract::OEM_LSTM_ONLY) != 0) {
        if (errorString)
            *errorString = QCoreApplication::translate(
                               "OcrEngine", "Tesseract could not load the languages %1 from %2.")
                               .arg(languages, dataFolder);
        return false;
    }
    // Labels are a block or two of lines, not a page with columns.
    tess->SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
    // The engine reads light text on dark art by inverting the whole image
    // once; retrying each doubtful line inverted as well only costs time.
    tess->SetVariable("tessedit_do_invert", "0");
    m_tess = std::move(tess);
    return true;
}

OcrResult TesseractBackend::run(const QImage& gray)
{
    OcrResult result;
    tesseract::TessBaseAPI* tess = m_tess.get();
    if (!tess || gray.isNull() || gray.format() != QImage::Format_Grayscale8)
        return result;
    tess->SetImage(gray.constBits(), gray.width(), gray.height(), 1, int(gray.bytesPerLine()));
    tess->SetSourceResolution(kSourcePpi);
    if (tess->Recognize(nullptr) == 0) {
        const std::unique_ptr<tesseract::ResultIterator> it(tess->GetIterator());
        const auto level = tesseract::RIL_TEXTLINE;
        if (it && !it->Empty(level)) {
            do {
                const std::unique_ptr<char, DeleteArray> utf8(it->GetUTF8Text(level));
                const QString text = QString::fromUtf8(utf8.get()).simplified();
                int left = 0, top = 0, right = 0, bottom = 0;
                if (text.isEmpty() || !it->BoundingBox(level, &left, &top, &right, &bottom))
                    continue;
                // Tesseract's right and bottom are exclusive.
                result.lines.append({text, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                                     double(it->Confidence(level))});
            } while (it->Next(level));
        }
    }
    tess->Clear();
    return result;
}
