#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class QSize;

// The whole content of a file, or "<missing>" when it cannot be read.
QByteArray readWholeFile(const QString& path);

// A scratch folder tree for one test, removed with the object.
class TempTree {
public:
    TempTree();

    bool isValid() const { return m_dir.isValid(); }
    // The root with a trailing separator, as the root folder box holds it.
    QString root() const;
    QString path(const QString& relative) const;

    // Creates parent folders as needed. Returns false on any failure.
    bool writeFile(const QString& relative, const QByteArray& bytes = {});
    bool makeFolder(const QString& relative);
    // A real image of the given size in the format the extension names.
    bool writeImage(const QString& relative, const QSize& size);

private:
    QTemporaryDir m_dir;
};
