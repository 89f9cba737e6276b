#pragma once

#include "OcrResult.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class TesseractPass;

// Reads the text off one image at a time. Opening it loads its languages,
// which takes a while: keep one engine per thread and reuse it for every
// image. Not thread-safe.
//
// Light text on dark art is read as well as dark on light: where the first
// reading is poor (no text, or a mean confidence under kPoorConfidence), the
// inverted image is read too and the better reading kept.
class OcrEngine {
    Q_DECLARE_TR_FUNCTIONS(OcrEngine)

public:
    static constexpr double kPoorConfidence = 70;

    explicit OcrEngine(const QString& languages);
    ~OcrEngine();
    OcrEngine(const OcrEngine&) = delete;
    OcrEngine& operator=(const OcrEngine&) = delete;

    // Why an engine for these languages cannot work, without loading them:
    // no Tesseract in this build, a malformed choice or a language not
    // installed. Empty when it should.
    static QString unavailableReason(const QString& languages);
    // The engine and this program's way of using it: a change invalidates
    // cached results.
    static QString recipe();

    bool isAvailable() const;
    QString errorString() const { return m_error; }
    QString languages() const { return m_languages; }

    // Lines with boxes in the image's own pixels. Nothing when the engine is
    // unavailable or the image null.
    std::optional<OcrResult> recognise(const QImage& image);

private:
    QString m_languages;
    QString m_error;
    std::unique_ptr<TesseractPass> m_pass;
};
