#pragma once

#include "JournalSnapshot.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The journal file, all numbers little-endian:
//   8 bytes  magic 89 'V' 'M' 'J' 0D 0A 1A 0A (a text-mode copy or a stray
//            text file fails here, as with PNG)
//   u32      format version
//   u32      CRC-32 of the payload
//   u64      payload size in bytes
//   payload  string imageRoot, string listFile, u32 row count, then per row
//            u8 checked (0 or 1), string name, string source, string target
// A string is a u32 count of UTF-16 code units and the units themselves: any
// QString comes back bit for bit, lone surrogates too, with nothing to escape.
namespace JournalFormat {

inline constexpr quint32 kVersion = 1;

enum class Status {
    Ok,
    Unreadable,   // the device could not be opened or read
    Corrupt,      // not a journal, torn, truncated or failing its checksum
    NewerVersion, // written by a later version of the program
};

// The whole file. Empty only when the snapshot is too large for the format.
QByteArray serialise(const JournalSnapshot& snapshot);

bool write(QIODevice& device, const JournalSnapshot& snapshot, QString* errorString = nullptr);

// Leaves snapshot alone unless it returns Ok; errorString says what is wrong.
Status read(QIODevice& device, JournalSnapshot& snapshot, QString* errorString = nullptr);

} // namespace JournalFormat
