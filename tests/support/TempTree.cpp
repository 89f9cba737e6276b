#include "TempTree.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSize>

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TempTree::TempTree() = default;

QString TempTree::root() const
{
    return QDir::toNativeSeparators(m_dir.path() + QLatin1Char('/'));
}

QString TempTree::path(const QString& relative) const
{
    return QDir::toNativeSeparators(m_dir.filePath(relative));
}

bool TempTree::makeFolder(const QString& relative)
{
    return QDir(m_dir.path()).mkpath(relative);
}

bool TempTree::writeFile(const QString& relative, const QByteArray& bytes)
{
    const QString full = m_dir.filePath(relative);
    if (!QDir().mkpath(QFileInfo(full).absolutePath()))
        return false;
    QFile file(full);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool TempTree::writeImage(const QString& relative, const QSize& size)
{
    const QString full = m_dir.filePath(relative);
    if (!QDir().mkpath(QFileInfo(full).absolutePath()))
        return false;
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    const QString suffix = QFileInfo(full).suffix().toLower();
    const QByteArray format =
        suffix == QLatin1String("jpg") ? QByteArray("JPEG") : suffix.toUpper().toLatin1();
    return image.save(full, format.constData());
}
