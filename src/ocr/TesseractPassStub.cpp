#include "TesseractPass.h"

#include <QCoreApplication>

struct TesseractPass::Api {};

TesseractPass::TesseractPass() = default;
TesseractPass::~TesseractPass() = default;

bool TesseractPass::isBuiltIn()
{
    return false;
}

QString TesseractPass::version()
{
    return {};
}

bool TesseractPass::open(const QString&, const QString&, QString* errorString)
{
    if (errorString)
        *errorString = QCoreApplication::translate(
            "OcrEngine", "Text recognition is unavailable: this build has no Tesseract.");
    return false;
}

bool TesseractPass::isOpen() const
{
    return false;
}

OcrResult TesseractPass::run(const QImage&)
{
    return {};
}
