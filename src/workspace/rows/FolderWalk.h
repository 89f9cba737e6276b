#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The breadth-first walk behind the image search: the files of a folder before
// its subfolders, each folder's entries sorted by name regardless of case,
// hidden entries and folders reached through a symbolic link left out.
//
// Large trees are read on several threads: helpers list the folders queued
// ahead while the calling thread takes each listing in, in walk order, so the
// result is the one a single thread would find.
class FolderWalk {
public:
    // What the walk keeps of the files it sees.
    enum class Keep {
        AllFiles, // every file, as its full path
        Images,   // image files only, as the path under the root
    };
    enum class Outcome { Finished, Stopped, RootUnreadable };

    // Called with the folders taken in and the files seen so far: before each
    // folder is taken in, and now and then while the walk waits for a helper.
    // Returning false stops the walk.
    using KeepGoing = std::function<bool(qsizetype folders, qsizetype files)>;

    // root must end with a separator. helpers < 0 uses one fewer than the
    // machine's cores; 0 reads every folder on the calling thread.
    FolderWalk(QString root, Keep keep, int helpers = -1);

    Outcome run(const KeepGoing& keepGoing = {});

    // After run: what was kept, in walk order; the folders that could not be
    // listed; when stopped, the folders still queued.
    QStringList& kept() { return m_kept; }
    QStringList& unreadable() { return m_unreadable; }
    const QStringList& pending() const { return m_pending; }

    // The folders a walk takes in on its own before it starts helpers: a small
    // tree is not worth a thread.
    static constexpr qsizetype kSerialFolders = 32;

    // The order of names within a folder: regardless of case, then by code
    // unit so that it is the same on every file system.
    static bool lessByName(const QString& a, const QString& b);

    // True for a name whose extension after its last "." is jpg, jpeg, bmp,
    // gif or png, in any case.
    static bool isImageName(QStringView name);

private:
    QString m_root;
    Keep m_keep;
    int m_helpers;
    QStringList m_kept;
    QStringList m_unreadable;
    QStringList m_pending;
};
