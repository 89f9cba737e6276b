#include "OcrEngine.h"

#include "OcrLanguages.h"
#include "OcrPreprocess.h"
#include "TesseractPass.h"

#include <QCoreApplication>

namespace {

// Raise when a change to the preparation or the reading changes results.
constexpr int kRecipeRevision = 2;

bool isPoor(const OcrResult& result)
{
    return result.isEmpty() || result.meanConfidence() < OcrEngine::kPoorConfidence;
}

bool isBetter(const OcrResult& candidate, const OcrResult& than)
{
    if (candidate.isEmpty())
        return false;
    return than.isEmpty() || candidate.meanConfidence() > than.meanConfidence();
}

} // namespace

OcrEngine::OcrEngine(const QString& languages)
    : m_languages(languages), m_error(unavailableReason(languages)),
      m_pass(std::make_unique<TesseractPass>())
{
    if (m_error.isEmpty())
        m_pass->open(OcrLanguages::folderFor(languages), languages, &m_error);
}

OcrEngine::~OcrEngine() = default;

QString OcrEngine::unavailableReason(const QString& languages)
{
    if (!TesseractPass::isInstalled())
        return tr("Text recognition is unavailable: this build has no Tesseract.");
    if (OcrLanguages::codes(languages).isEmpty())
        return tr("\"%1\" is no list of recognition languages.").arg(languages);
    if (OcrLanguages::folderFor(languages).isEmpty())
        return tr("Text recognition is unavailable: the language data for %1 is not installed.")
            .arg(languages);
    return {};
}

QString OcrEngine::recipe()
{
    return QStringLiteral("tesseract %1 / %2").arg(TesseractPass::version()).arg(kRecipeRevision);
}

bool OcrEngine::isAvailable() const
{
    return m_pass->isOpen();
}

std::optional<OcrResult> OcrEngine::recognise(const QImage& image)
{
    if (!isAvailable() || image.isNull())
        return std::nullopt;
    const OcrPreprocess::Prepared prepared = OcrPreprocess::prepare(image);
    OcrResult best = m_pass->run(OcrPreprocess::forReading(prepared, prepared.darkBackground));
    if (isPoor(best)) {
        OcrResult second =
            m_pass->run(OcrPreprocess::forReading(prepared, !prepared.darkBackground));
        if (isBetter(second, best))
            best = std::move(second);
    }
    for (OcrLine& line : best.lines)
        line.box = OcrPreprocess::toOriginal(line.box, prepared);
    return best;
}
