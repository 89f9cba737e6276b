#include "FolderWalk.h"

#include "DirectoryListing.h"

#include <QFile>
#include <QScopeGuard>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Platform::DirectoryEntry;
using Platform::RawDirectoryEntry;

constexpr const char* kImageExtensions[] = {"jpg", "jpeg", "bmp", "gif", "png"};

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Most names are ASCII, and most files in a large tree are no images: those
// are told apart on the raw bytes, with no string made. Anything else is
// decided on the decoded name.
enum class Verdict { Image, NoImage, Undecided };

Verdict imageVerdict(QByteArrayView name)
{
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return Verdict::NoImage;
    const QByteArrayView extension = name.sliced(dot + 1);
    if (!isAscii(extension))
        return Verdict::Undecided;
    for (const char* known : kImageExtensions) {
        if (qstrnicmp(extension.data(), extension.size(), known, -1) == 0)
            return Verdict::Image;
    }
    return Verdict::NoImage;
}

// The name as text, or a null string when it is no text in the file name
// encoding (it would come back as another path).
QString decodedName(QByteArrayView raw)
{
    if (isAscii(raw))
        return QString::fromLatin1(raw);
    QString name = QFile::decodeName(raw.toByteArray());
    if (name.contains(QChar::ReplacementCharacter) && QFile::encodeName(name) != raw)
        return {};
    return name;
}

int compareIgnoringCase(QStringView a, QStringView b)
{
    // ASCII folds by itself; anything else is left to the full comparison.
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive);
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// What one folder holds that the walk keeps.
struct Listing {
    bool readable = false;
    qsizetype files = 0;
    QStringList kept;
    QStringList folders; // full paths, each ending with a separator
};

Listing listFolder(const QString& folder, qsizetype rootSize, FolderWalk::Keep keep)
{
    const bool imagesOnly = keep == FolderWalk::Keep::Images;
    thread_local std::vector<QString> files;
    thread_local std::vector<QString> folders;
    files.clear();
    folders.clear();
    Listing listing;
    listing.readable = Platform::forEachDirectoryEntry(
        QFile::encodeName(folder), [&](const RawDirectoryEntry& entry) {
            if (entry.hidden)
                return;
            if (entry.kind == DirectoryEntry::Kind::File) {
                const Verdict verdict = imagesOnly ? imageVerdict(entry.name) : Verdict::Image;
                if (verdict == Verdict::NoImage && isAscii(entry.name)) {
                    ++listing.files;
                    return;
                }
                QString name = decodedName(entry.name);
                if (name.isNull())
                    return;
                ++listing.files;
                if (verdict == Verdict::Image ||
                    (verdict == Verdict::Undecided && FolderWalk::isImageName(name)))
                    files.push_back(std::move(name));
            } else if (entry.kind == DirectoryEntry::Kind::Folder && !entry.symbolicLink) {
                QString name = decodedName(entry.name);
                if (!name.isNull())
                    folders.push_back(std::move(name));
            }
        });
    if (!listing.readable)
        return listing;
    std::sort(files.begin(), files.end(), FolderWalk::lessByName);
    std::sort(folders.begin(), folders.end(), FolderWalk::lessByName);
    const QStringView prefix = imagesOnly ? QStringView(folder).sliced(rootSize) : folder;
    listing.kept.reserve(static_cast<qsizetype>(files.size()));
    for (const QString& name : files) {
        QString path;
        path.reserve(prefix.size() + name.size());
        listing.kept.append(path.append(prefix).append(name));
    }
    listing.folders.reserve(static_cast<qsizetype>(folders.size()));
    for (const QString& name : folders)
        listing.folders.append(folder + name + Platform::pathSeparator());
    return listing;
}

// The folders queued, each listed once by whichever thread claims it first.
class FolderQueue {
public:
    enum State { Queued, Claimed, Done };
    struct Slot {
        explicit Slot(QString path) : folder(std::move(path)) {}
        QString folder;
        std::atomic<int> state{Queued};
        Listing listing;
    };

    FolderQueue(qsizetype rootSize, FolderWalk::Keep keep) : m_rootSize(rootSize), m_keep(keep) {}

    // Only the walking thread adds and looks slots up; references stay valid
    // while others are added.
    qsizetype size() const { return static_cast<qsizetype>(m_slots.size()); }
    Slot& at(qsizetype index) { return m_slots[static_cast<size_t>(index)]; }
    void append(const QStringList& folders)
    {
        if (folders.isEmpty())
            return;
        {
            const std::lock_guard lock(m_mutex);
            for (const QString& folder : folders)
                m_slots.emplace_back(folder);
        }
        m_work.notify_all();
    }

    // Lists the slot unless another thread has claimed it; false if one has.
    bool listIfUnclaimed(Slot& slot)
    {
        int expected = Queued;
        if (!slot.state.compare_exchange_strong(expected, Claimed))
            return false;
        slot.listing = listFolder(slot.folder, m_rootSize, m_keep);
        {
            const std::lock_guard lock(m_mutex);
            slot.state.store(Done, std::memory_order_release);
        }
        m_done.notify_all();
        return true;
    }

    // Lists the next unclaimed slot from from onwards, if there is one.
    bool listNext(qsizetype from)
    {
        for (;;) {
            Slot* slot = nullptr;
            {
                const std::lock_guard lock(m_mutex);
                m_nextClaim = std::max(m_nextClaim, from);
                if (m_nextClaim >= size())
                    return false;
                slot = &at(m_nextClaim++);
            }
            if (listIfUnclaimed(*slot))
                return true;
        }
    }

    // A helper's loop: lists queued folders until told to stop.
    void help()
    {
        for (;;) {
            Slot* slot = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_work.wait(lock, [this] { return m_stopping || m_nextClaim < size(); });
                if (m_stopping)
                    return;
                slot = &at(m_nextClaim++);
            }
            listIfUnclaimed(*slot);
        }
    }

    // True once the slot is listed, false when the wait ran out first.
    bool waitFor(const Slot& slot, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(m_mutex);
        return m_done.wait_for(lock, timeout, [&] { return slot.state.load() == Done; });
    }

    void stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_work.notify_all();
    }

private:
    const qsizetype m_rootSize;
    const FolderWalk::Keep m_keep;
    std::deque<Slot> m_slots;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_done;
    qsizetype m_nextClaim = 0;
    bool m_stopping = false;
};

} // namespace

FolderWalk::FolderWalk(QString root, Keep keep, int helpers)
    : m_root(std::move(root)), m_keep(keep),
      m_helpers(helpers >= 0 ? helpers : std::max(0, QThread::idealThreadCount() - 1))
{}

bool FolderWalk::lessByName(const QString& a, const QString& b)
{
    const int order = compareIgnoringCase(a, b);
    return order != 0 ? order < 0 : a < b;
}

bool FolderWalk::isImageName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QStringView extension = name.sliced(dot + 1);
    return std::any_of(std::begin(kImageExtensions), std::end(kImageExtensions),
                       [extension](const char* known) {
                           return extension.compare(QLatin1String(known), Qt::CaseInsensitive) == 0;
                       });
}

FolderWalk::Outcome FolderWalk::run(const KeepGoing& keepGoing)
{
    m_kept.clear();
    m_unreadable.clear();
    m_pending.clear();
    FolderQueue queue(m_root.size(), m_keep);
    queue.append({m_root});
    std::vector<std::jthread> helpers;
    auto stopHelpers = qScopeGuard([&] {
        queue.stop();
        helpers.clear(); // joins
    });
    const auto stopped = [&](qsizetype head) {
        queue.stop();
        helpers.clear();
        for (qsizetype i = head; i < queue.size(); ++i)
            m_pending.append(queue.at(i).folder);
        return Outcome::Stopped;
    };

    qsizetype files = 0;
    for (qsizetype head = 0; head < queue.size(); ++head) {
        if (keepGoing && !keepGoing(head, files))
            return stopped(head);
        if (helpers.empty() && head >= kSerialFolders && queue.size() - head > 1) {
            for (int i = 0; i < m_helpers; ++i)
                helpers.emplace_back([&queue] { queue.help(); });
        }
        FolderQueue::Slot& slot = queue.at(head);
        // While a helper lists this folder, list one further on, or wait a
        // little and give the caller its say.
        while (!queue.listIfUnclaimed(slot) && slot.state.load() != FolderQueue::Done) {
            if (queue.listNext(head + 1))
                continue;
            if (!queue.waitFor(slot, std::chrono::milliseconds(10)) && keepGoing &&
                !keepGoing(head, files))
                return stopped(head);
        }
        Listing listing = std::move(slot.listing);
        if (!listing.readable) {
            if (head == 0)
                return Outcome::RootUnreadable;
            m_unreadable.append(slot.folder);
        }
        files += listing.files;
        m_kept.append(std::move(listing.kept));
        queue.append(listing.folders);
        slot.folder.clear();
    }
    return Outcome::Finished;
}
