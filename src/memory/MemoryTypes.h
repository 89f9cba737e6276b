#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The languages of a pair, as BCP 47 tags ("en", "de-DE"). Lookups only see
// pairs stored for the same two languages.
struct LanguagePair {
    QString source;
    QString target;

    bool operator==(const LanguagePair&) const = default;
};

// Where a translation came from. Empty user and an invalid time are filled in
// when stored (the login name, now in UTC).
struct MemoryOrigin {
    QString project; // image root folder or list file
    QString name;    // the image's Name
    QString user;
    QDateTime when;

    bool operator==(const MemoryOrigin&) const = default;
};

// One stored pair as it is in the memory.
struct MemoryUnit {
    QString source;
    QString target;
    LanguagePair languages;
    MemoryOrigin origin; // of the first time the pair was stored
    QDateTime lastUsed;
    qint64 useCount = 1;
};

struct Suggestion {
    QString source; // the stored source, which differs from the query unless exact
    QString target;
    double score = 0; // 1.0 for an exact match
    bool exact = false;
    qint64 useCount = 0;
    MemoryOrigin origin;
};

// A Source Text translated in more than one way.
struct Inconsistency {
    QString source;
    QStringList targets; // distinct, in the order first seen: rows before the memory
};
