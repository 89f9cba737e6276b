#include "RecentFiles.h"

#include <QSettings>

RecentFiles::RecentFiles(QString settingsKey) : m_key(std::move(settingsKey)) {}

QStringList RecentFiles::items() const
{
    QStringList items = QSettings().value(m_key).toStringList();
    items.removeAll(QString());
    return items.mid(0, kMaxCount);
}

void RecentFiles::add(const QString& path)
{
    QStringList list = items();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaxCount));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = items();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList& items) const
{
    QSettings().setValue(m_key, items);
}
