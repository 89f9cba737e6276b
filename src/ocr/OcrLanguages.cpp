#include "OcrLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace OcrLanguages {

namespace {

const QString kSettingsKey = QStringLiteral("ocr/languages");
const QString kSuffix = QStringLiteral(".traineddata");

QString dataFile(const QString& folder, const QString& code)
{
    return QDir(folder).filePath(code + kSuffix);
}

} // namespace

QStringList searchFolders()
{
    QStringList candidates;
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty()) {
        // Set either to the tessdata folder itself or to the folder above it.
        candidates << prefix << QDir(prefix).filePath(QStringLiteral("tessdata"));
    }
    // A Windows or macOS build ships its languages beside the program.
    if (QCoreApplication::instance())
        candidates
            << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tessdata"));
    const QStringList shares =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& share : shares) {
        const QDir dir(share);
        candidates << dir.filePath(QStringLiteral("tesseract-ocr/5/tessdata"))
                   << dir.filePath(QStringLiteral("tesseract-ocr/4.00/tessdata"))
                   << dir.filePath(QStringLiteral("tessdata"));
    }
    QStringList folders;
    for (const QString& candidate : std::as_const(candidates)) {
        const QFileInfo info(candidate);
        const QString folder = info.canonicalFilePath();
        if (info.isDir() && !folder.isEmpty() && !folders.contains(folder) &&
            !QDir(folder).entryList({QLatin1Char('*') + kSuffix}, QDir::Files).isEmpty())
            folders.append(folder);
    }
    return folders;
}

QStringList available()
{
    QStringList found;
    for (const QString& folder : searchFolders()) {
        const QStringList files =
            QDir(folder).entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Readable);
        for (const QString& file : files) {
            const QString code = file.chopped(kSuffix.size());
            if (code != QLatin1String("osd") && !codes(code).isEmpty() && !found.contains(code))
                found.append(code);
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString folderFor(const QString& choice)
{
    const QStringList wanted = codes(choice);
    if (wanted.isEmpty())
        return {};
    for (const QString& folder : searchFolders()) {
        if (std::all_of(wanted.begin(), wanted.end(), [&](const QString& code) {
                return QFileInfo(dataFile(folder, code)).isFile();
            }))
            return folder;
    }
    return {};
}

QStringList codes(const QString& choice)
{
    // Codes are file names: letters, digits, "_" and "-" (chi_sim, Latin),
    // never a path.
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_-]+$"));
    const QStringList parts = choice.split(QLatin1Char('+'));
    for (const QString& part : parts) {
        if (!valid.match(part).hasMatch())
            return {};
    }
    return parts;
}

QString chosen()
{
    const QString choice = QSettings().value(kSettingsKey).toString();
    return codes(choice).isEmpty() ? kDefault : choice;
}

bool setChosen(const QString& choice)
{
    if (codes(choice).isEmpty())
        return false;
    QSettings().setValue(kSettingsKey, choice);
    return true;
}

} // namespace OcrLanguages
