#pragma once

#include "OcrResult.h"

#include <QImage>
#include <QString>
#include <memory>

// One Tesseract instance: opened once for a set of languages, then run on any
// number of prepared images. Not thread-safe; building without Tesseract
// gives one that never opens.
class TesseractPass {
public:
    TesseractPass();
    ~TesseractPass();
    TesseractPass(const TesseractPass&) = delete;
    TesseractPass& operator=(const TesseractPass&) = delete;

    static bool isBuiltIn();
    // The engine's version, part of every cache key.
    static QString version();

    bool open(const QString& dataFolder, const QString& languages, QString* errorString);
    bool isOpen() const;
    // Lines in the gray image's pixels; nothing when not open.
    OcrResult run(const QImage& gray);

private:
    struct Api;
    std::unique_ptr<Api> m_api;
};
