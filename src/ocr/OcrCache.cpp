#include "OcrCache.h"

#include "OcrEngine.h"
#include "SaveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

constexpr int kFormat = 1;
// Far above any sane entry: a huge file in the cache folder is not ours.
constexpr qint64 kMaxEntryBytes = 4 * 1024 * 1024;

bool fail(QString* errorString, const QString& message)
{
    if (errorString)
        *errorString = message;
    return false;
}

QJsonObject keyObject(const OcrCacheKey& key)
{
    return {{QStringLiteral("format"), kFormat},
            {QStringLiteral("path"), key.path},
            {QStringLiteral("size"), QString::number(key.size)},
            {QStringLiteral("modified"), QString::number(key.modifiedMs)},
            {QStringLiteral("languages"), key.languages},
            {QStringLiteral("recipe"), key.recipe}};
}

std::optional<OcrLine> lineFrom(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue text = object.value(QStringLiteral("text"));
    const QJsonArray box = object.value(QStringLiteral("box")).toArray();
    const QJsonValue confidence = object.value(QStringLiteral("confidence"));
    if (!text.isString() || box.size() != 4 || !confidence.isDouble())
        return std::nullopt;
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!box.at(i).isDouble())
            return std::nullopt;
        numbers[i] = box.at(i).toInt(-1);
    }
    const QRect rect(numbers[0], numbers[1], numbers[2], numbers[3]);
    const double sure = confidence.toDouble();
    if (numbers[0] < 0 || numbers[1] < 0 || rect.isEmpty() || sure < 0 || sure > 100)
        return std::nullopt;
    return OcrLine{text.toString(), rect, sure};
}

} // namespace

std::optional<OcrCacheKey> OcrCacheKey::of(const QString& path, const QString& languages)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    return OcrCacheKey{info.absoluteFilePath(), info.size(),
                       info.lastModified().toMSecsSinceEpoch(), languages, OcrEngine::recipe()};
}

QString OcrCacheKey::fileName() const
{
    const QByteArray bytes = QJsonDocument(keyObject(*this)).toJson(QJsonDocument::Compact);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".json");
}

OcrCache::OcrCache(const QString& folder)
    : m_folder(folder.isEmpty()
                   ? QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
                         .filePath(QStringLiteral("ocr"))
                   : folder)
{}

std::optional<OcrResult> OcrCache::find(const OcrCacheKey& key) const
{
    QFile file(QDir(m_folder).filePath(key.fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    OcrResult result;
    if (!readEntry(file, key, result, nullptr))
        return std::nullopt;
    return result;
}

bool OcrCache::store(const OcrCacheKey& key, const OcrResult& result, QString* errorString) const
{
    if (!QDir().mkpath(m_folder))
        return fail(errorString, tr("Cannot create the folder %1.").arg(m_folder));
    return Platform::saveFile(
        QDir(m_folder).filePath(key.fileName()),
        [&](QIODevice& device, QString* error) { return writeEntry(device, key, result, error); },
        errorString);
}

bool OcrCache::writeEntry(QIODevice& device, const OcrCacheKey& key, const OcrResult& result,
                          QString* errorString)
{
    QJsonArray lines;
    for (const OcrLine& line : result.lines) {
        const QRect& box = line.box;
        lines.append(QJsonObject{
            {QStringLiteral("text"), line.text},
            {QStringLiteral("box"), QJsonArray{box.x(), box.y(), box.width(), box.height()}},
            {QStringLiteral("confidence"), line.confidence}});
    }
    QJsonObject entry = keyObject(key);
    entry.insert(QStringLiteral("lines"), lines);
    const QByteArray bytes = QJsonDocument(entry).toJson(QJsonDocument::Compact);
    if (device.write(bytes) != bytes.size())
        return fail(errorString, device.errorString());
    return true;
}

bool OcrCache::readEntry(QIODevice& device, const OcrCacheKey& key, OcrResult& result,
                         QString* errorString)
{
    const QByteArray bytes = device.read(kMaxEntryBytes + 1);
    if (bytes.size() > kMaxEntryBytes)
        return fail(errorString, tr("The cache entry is too large."));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return fail(errorString, tr("The cache entry is damaged at byte %1: %2.")
                                     .arg(parseError.offset)
                                     .arg(parseError.errorString()));
    QJsonObject entry = document.object();
    const QJsonValue lines = entry.take(QStringLiteral("lines"));
    if (entry != keyObject(key))
        return fail(errorString, tr("The cache entry belongs to another image or engine."));
    if (!lines.isArray())
        return fail(errorString, tr("The cache entry has no lines."));
    OcrResult read;
    for (const QJsonValue& value : lines.toArray()) {
        std::optional<OcrLine> line = lineFrom(value);
        if (!line)
            return fail(errorString, tr("The cache entry holds a damaged line."));
        read.lines.append(*line);
    }
    result = std::move(read);
    return true;
}
