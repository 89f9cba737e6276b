#pragma once

#include "OcrResult.h"

#include <QImage>
#include <QString>
#include <memory>

class OcrBackend;

// One Tesseract instance: opened once for a set of languages, then run on any
// number of prepared images. Not thread-safe. Tesseract itself lives in the
// recognition module, loaded by the first pass that opens.
class TesseractPass {
public:
    TesseractPass();
    ~TesseractPass();
    TesseractPass(const TesseractPass&) = delete;
    TesseractPass& operator=(const TesseractPass&) = delete;

    // Whether the module is there to load, without loading it: cheap enough
    // for enabling a menu item.
    static bool isInstalled();
    // The engine's version, part of every cache key; loads the module.
    static QString version();

    bool open(const QString& dataFolder, const QString& languages, QString* errorString);
    bool isOpen() const;
    // Lines in the gray image's pixels; nothing when not open.
    OcrResult run(const QImage& gray);

private:
    std::unique_ptr<OcrBackend> m_backend;
};
