#include "JournalFormat.h"

#include "Crc32.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>
#include <cstring>
#include <limits>

namespace JournalFormat {

namespace {

constexpr char kMagic[8] = {'\x89', 'V', 'M', 'J', '\r', '\n', '\x1A', '\n'};
constexpr qsizetype kHeaderSize = 8 + 4 + 4 + 8;
constexpr qsizetype kUnit = 2;

qsizetype stringSize(const QString& s)
{
    return 4 + s.size() * kUnit;
}

char* putU32(char* p, quint32 v)
{
    qToLittleEndian(v, p);
    return p + 4;
}

char* putString(char* p, const QString& s)
{
    p = putU32(p, quint32(s.size()));
    qToLittleEndian<quint16>(s.utf16(), s.size(), p);
    return p + s.size() * kUnit;
}

bool fitsU32(const QString& s)
{
    return s.size() <= std::numeric_limits<quint32>::max();
}

// Reads the payload with every length checked against what is left, so that
// no count from the file can make it allocate or read past the end.
class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& bytes)
        : m_p(bytes.constData()), m_end(bytes.constData() + bytes.size())
    {}

    bool u8(quint8& v)
    {
        if (m_end - m_p < 1)
            return false;
        v = quint8(*m_p++);
        return true;
    }
    bool u32(quint32& v)
    {
        if (m_end - m_p < 4)
            return false;
        v = qFromLittleEndian<quint32>(m_p);
        m_p += 4;
        return true;
    }
    bool string(QString& s)
    {
        quint32 units = 0;
        if (!u32(units) || quint64(m_end - m_p) / kUnit < units)
            return false;
        s = QString(qsizetype(units), Qt::Uninitialized);
        qFromLittleEndian<quint16>(m_p, units, s.data());
        m_p += qsizetype(units) * kUnit;
        return true;
    }
    qsizetype left() const { return m_end - m_p; }

private:
    const char* m_p;
    const char* m_end;
};

Status fail(Status status, QString* errorString, const QString& message)
{
    if (errorString)
        *errorString = message;
    return status;
}

} // namespace

QByteArray serialise(const JournalSnapshot& snapshot)
{
    if (!fitsU32(snapshot.imageRoot) || !fitsU32(snapshot.listFile) ||
        snapshot.rows.size() > std::numeric_limits<quint32>::max())
        return {};
    qsizetype payload = stringSize(snapshot.imageRoot) + stringSize(snapshot.listFile) + 4;
    for (const ImageListRow& row : snapshot.rows) {
        if (!fitsU32(row.name) || !fitsU32(row.sourceText) || !fitsU32(row.targetText))
            return {};
        payload +=
            1 + stringSize(row.name) + stringSize(row.sourceText) + stringSize(row.targetText);
    }

    // One buffer sized up front and filled in place: the journal is rewritten
    // whole on every change, so this loop is the cost of keeping it.
    QByteArray bytes(kHeaderSize + payload, Qt::Uninitialized);
    char* const start = bytes.data();
    char* p = start + kHeaderSize;
    p = putString(p, snapshot.imageRoot);
    p = putString(p, snapshot.listFile);
    p = putU32(p, quint32(snapshot.rows.size()));
    for (const ImageListRow& row : snapshot.rows) {
        *p++ = row.checked ? 1 : 0;
        p = putString(p, row.name);
        p = putString(p, row.sourceText);
        p = putString(p, row.targetText);
    }

    std::memcpy(start, kMagic, sizeof kMagic);
    putU32(start + 8, kVersion);
    putU32(start + 12, crc32(start + kHeaderSize, payload));
    qToLittleEndian(quint64(payload), start + 16);
    return bytes;
}

bool write(QIODevice& device, const JournalSnapshot& snapshot, QString* errorString)
{
    const QByteArray bytes = serialise(snapshot);
    if (bytes.isEmpty()) {
        if (errorString)
            *errorString = QCoreApplication::translate("JournalFormat",
                                                       "The rows are too large for a journal");
        return false;
    }
    if (device.write(bytes) != bytes.size()) {
        if (errorString)
            *errorString = device.errorString();
        return false;
    }
    return true;
}

Status read(QIODevice& device, JournalSnapshot& snapshot, QString* errorString)
{
    if (!device.isReadable())
        return fail(Status::Unreadable, errorString, device.errorString());
    const QByteArray header = device.read(kHeaderSize);
    if (header.size() < qsizetype(sizeof kMagic) ||
        std::memcmp(header.constData(), kMagic, sizeof kMagic) != 0)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat", "Not a recovery journal"));
    if (header.size() < kHeaderSize)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat", "The journal is truncated"));
    const quint32 version = qFromLittleEndian<quint32>(header.constData() + 8);
    if (version > kVersion)
        return fail(Status::NewerVersion, errorString,
                    QCoreApplication::translate(
                        "JournalFormat", "The journal was written by a newer version (format %1)")
                        .arg(version));
    if (version == 0)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat", "The journal is damaged"));
    const quint32 crc = qFromLittleEndian<quint32>(header.constData() + 12);
    const quint64 size = qFromLittleEndian<quint64>(header.constData() + 16);

    const QByteArray payload = device.readAll();
    if (quint64(payload.size()) < size)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat", "The journal is truncated"));
    if (quint64(payload.size()) > size || crc32(payload.constData(), payload.size()) != crc)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat",
                                                "The journal is damaged (checksum mismatch)"));

    // Past the checksum a malformed payload means a writer fault, not a torn
    // file; it is still refused rather than half read.
    PayloadReader in(payload);
    JournalSnapshot result;
    quint32 count = 0;
    bool ok = in.string(result.imageRoot) && in.string(result.listFile) && in.u32(count) &&
              count <= quint64(in.left()) / 13;
    if (ok)
        result.rows.resize(count);
    for (ImageListRow& row : result.rows) {
        quint8 checked = 0;
        ok = ok && in.u8(checked) && checked <= 1 && in.string(row.name) &&
             in.string(row.sourceText) && in.string(row.targetText);
        if (!ok)
            break;
        row.checked = checked == 1;
    }
    if (!ok || in.left() != 0)
        return fail(Status::Corrupt, errorString,
                    QCoreApplication::translate("JournalFormat",
                                                "The journal is damaged (malformed rows)"));
    snapshot = std::move(result);
    return Status::Ok;
}

} // namespace JournalFormat
