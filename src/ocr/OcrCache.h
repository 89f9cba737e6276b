#pragma once

#include "OcrResult.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QIODevice;

// What a cached result was read from. Any difference (the file changed, other
// languages, another engine) makes it another key.
struct OcrCacheKey {
    QString path; // absolute
    qint64 size = 0;
    qint64 modifiedMs = 0;
    QString languages;
    QString recipe;

    bool operator==(const OcrCacheKey&) const = default;

    // Nothing when path is no readable regular file.
    static std::optional<OcrCacheKey> of(const QString& path, const QString& languages);
    // Where the entry lives in the cache folder: a hash of the whole key.
    QString fileName() const;
};

// Results of earlier runs, one small JSON file per image, each written whole.
// An entry that cannot be read, is damaged or holds another key is a miss,
// and the next store replaces it.
class OcrCache {
    Q_DECLARE_TR_FUNCTIONS(OcrCache)

public:
    // folder empty: CacheLocation/ocr.
    explicit OcrCache(const QString& folder = {});

    QString folder() const { return m_folder; }

    std::optional<OcrResult> find(const OcrCacheKey& key) const;
    bool store(const OcrCacheKey& key, const OcrResult& result,
               QString* errorString = nullptr) const;

    static bool writeEntry(QIODevice& device, const OcrCacheKey& key, const OcrResult& result,
                           QString* errorString);
    // False for a damaged entry or one written for another key.
    static bool readEntry(QIODevice& device, const OcrCacheKey& key, OcrResult& result,
                          QString* errorString);

private:
    QString m_folder;
};
