#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property aborts, so that libFuzzer keeps the input and the replay
// test fails on it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace Fuzz {

// One QApplication on the offscreen platform for the whole process, made on
// first use; Qt's log output is dropped, as error reports are expected here.
void ensureApplication();

// Takes an input apart front to back; past its end every read gives zeros.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_pos >= m_size; }
    std::uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    // A value in [low, high], from four bytes.
    int intIn(int low, int high);
    // Up to maxUnits UTF-16 code units, two bytes each, lone surrogates included.
    QString utf16(int maxUnits);

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace Fuzz
