#pragma once

#include <QtGlobal>

// CRC-32 as zlib and PNG compute it (reflected 0x04C11DB7), eight bytes per step
// so that checking a large journal costs little next to writing it.
quint32 crc32(const char* data, qsizetype size, quint32 crc = 0);
