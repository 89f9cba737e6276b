#pragma once

#include "WindowTypes.h"

#include <array>
#include <cstdint>

// Slots of one message table.
inline constexpr int MSG_ENTRIES = 32;
// As a message number: every message. As a table count: the table matches all.
inline constexpr Platform::Msg ALL_MESSAGES = static_cast<Platform::Msg>(-1);

// The before or after table of a hook record: count 0 matches nothing, -1
// (ALL_MESSAGES) everything, n the messages in the first n slots, where 0
// marks a free slot. HookRegistry::zAddMsg and zDelMsg keep it.
struct MessageTable {
    std::int32_t count = 0;
    std::array<Platform::Msg, MSG_ENTRIES> messages{};

    // WM_NULL (0) marks free slots, so only an ALL_MESSAGES table matches it;
    // a removed message must not turn into a match for WM_NULL.
    bool matches(Platform::Msg message) const noexcept
    {
        if (count < 0)
            return true;
        if (count == 0 || message == 0)
            return false;
        for (std::int32_t i = 0; i < count; ++i) {
            if (messages[static_cast<std::size_t>(i)] == message)
                return true;
        }
        return false;
    }
};
