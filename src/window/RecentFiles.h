#pragma once

#include <QString>
#include <QStringList>

// The last few files or folders used, newest first, kept in the settings
// under one key.
class RecentFiles {
public:
    static constexpr int kMaxCount = 8;

    explicit RecentFiles(QString settingsKey);

    QStringList items() const;
    // Moves path to the front, once.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void store(const QStringList& items) const;

    QString m_key;
};
