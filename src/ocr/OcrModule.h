#pragma once

#include "OcrResult.h"

#include <QImage>
#include <QString>

// What the recognition module, loaded at the first recognition, hands the
// program. Tesseract and the forty libraries it brings are bound only then,
// so a start without recognition never pays for them.
class OcrBackend {
public:
    virtual ~OcrBackend() = default;
    virtual bool open(const QString& dataFolder, const QString& languages,
                      QString* errorString) = 0;
    // Lines in the gray image's pixels; nothing when not open.
    virtual OcrResult run(const QImage& gray) = 0;
};

namespace OcrModule {

// Raise with any change to OcrBackend or the entry points, so that a module
// left over from another build is refused rather than called wrongly.
constexpr int kInterface = 1;

using InterfaceFunction = int (*)();
using VersionFunction = const char* (*)();
using CreateFunction = OcrBackend* (*)();

constexpr char kInterfaceSymbol[] = "vemarill_ocr_interface";
constexpr char kVersionSymbol[] = "vemarill_ocr_version";
constexpr char kCreateSymbol[] = "vemarill_ocr_create";

} // namespace OcrModule
