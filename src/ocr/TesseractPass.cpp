#include "TesseractPass.h"

#include "OcrModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <map>

namespace {

// The installed module, where the package puts it beside the program; then
// the one this build made, so that tests and a program run from the build
// folder find theirs. VEMARILL_OCR_MODULE names another, and only that.
QString modulePath()
{
    const QString chosen = qEnvironmentVariable("VEMARILL_OCR_MODULE");
    if (!chosen.isEmpty())
        return QFileInfo::exists(chosen) ? chosen : QString();
    QStringList candidates{QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral(VEMARILL_OCR_MODULE_INSTALLED))};
#ifdef VEMARILL_OCR_MODULE_BUILT
    candidates << QStringLiteral(VEMARILL_OCR_MODULE_BUILT);
#endif
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return candidate;
    return {};
}

struct Module {
    OcrModule::VersionFunction version = nullptr;
    OcrModule::CreateFunction create = nullptr;
    QString error;
};

Module load(const QString& path)
{
    Module module;
    if (path.isEmpty()) {
        module.error = QCoreApplication::translate(
            "OcrEngine", "Text recognition is unavailable: this build has no Tesseract.");
        return module;
    }
    // Never unloaded: backends made by it may live until the program ends.
    QLibrary library(path);
    const auto interface = reinterpret_cast<OcrModule::InterfaceFunction>(
        library.resolve(OcrModule::kInterfaceSymbol));
    if (!interface || interface() != OcrModule::kInterface) {
        module.error = QCoreApplication::translate(
                           "OcrEngine", "The text recognition module %1 could not be loaded: %2")
                           .arg(QDir::toNativeSeparators(path),
                                interface ? QCoreApplication::translate(
                                                "OcrEngine", "it belongs to another version.")
                                          : library.errorString());
        return module;
    }
    module.version =
        reinterpret_cast<OcrModule::VersionFunction>(library.resolve(OcrModule::kVersionSymbol));
    module.create =
        reinterpret_cast<OcrModule::CreateFunction>(library.resolve(OcrModule::kCreateSymbol));
    if (!module.version || !module.create)
        module.error = library.errorString();
    return module;
}

// One per path, loaded once: the path only changes when a test names another.
const Module& module()
{
    static QMutex mutex;
    static std::map<QString, Module> loaded;
    const QString path = modulePath();
    const QMutexLocker lock(&mutex);
    auto found = loaded.find(path);
    if (found == loaded.end())
        found = loaded.emplace(path, load(path)).first;
    return found->second;
}

} // namespace

TesseractPass::TesseractPass() = default;
TesseractPass::~TesseractPass() = default;

bool TesseractPass::isInstalled()
{
    return !modulePath().isEmpty();
}

QString TesseractPass::version()
{
    const Module& loaded = module();
    return loaded.version ? QString::fromLatin1(loaded.version()) : QString();
}

bool TesseractPass::open(const QString& dataFolder, const QString& languages, QString* errorString)
{
    m_backend.reset();
    const Module& loaded = module();
    if (!loaded.create) {
        if (errorString)
            *errorString = loaded.error;
        return false;
    }
    std::unique_ptr<OcrBackend> backend(loaded.create());
    if (!backend->open(dataFolder, languages, errorString))
        return false;
    m_backend = std::move(backend);
    return true;
}

bool TesseractPass::isOpen() const
{
    return m_backend != nullptr;
}

OcrResult TesseractPass::run(const QImage& gray)
{
    return m_backend ? m_backend->run(gray) : OcrResult();
}
