#pragma once

#include "ThunkRecord.h"
#include "Timers.h"

#include <cstdint>
#include <memory>
#include <type_traits>

class HookOwner;

// The procedure address of a callback entry: a plain function that takes the
// entry's parameter count of std::intptr_t arguments and returns
// std::intptr_t. Call it through the matching EntryProc type (procCast);
// nullptr when scb_SetCallbackAddr failed.
using ProcAddress = void (*)();

using EntryProc0 = std::intptr_t (*)();
using EntryProc1 = std::intptr_t (*)(std::intptr_t);
using EntryProc2 = std::intptr_t (*)(std::intptr_t, std::intptr_t);
using EntryProc3 = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t);
using EntryProc4 = std::intptr_t (*)(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t);
static_assert(std::is_same_v<EntryProc4, Platform::TimerProc>,
              "a four-argument entry serves as a timer procedure");

template <class Proc> Proc procCast(ProcAddress address)
{
    return reinterpret_cast<Proc>(address);
}

// One callback entry. Its procedure is one of a fixed, process-wide pool of
// plain functions; each knows its pool slot at compile time, so it reaches
// its entry without a lookup, and calls the owner's routine for the entry's
// ordinal with its arguments in order and a result by reference.
class CallbackEntry final : public ThunkRecord {
public:
    static constexpr int kMaxParamCount = 4;
    static constexpr int kPoolSize = 64;

    // nullptr when every slot of the pool is taken. paramCount: 0 to kMaxParamCount.
    static std::unique_ptr<CallbackEntry> create(HookOwner* owner, int ordinal, int paramCount);
    // Frees the slot: the address then returns 0 without calling anything.
    ~CallbackEntry() override;

    ProcAddress address() const { return m_address; }

    // Used by the pool's procedures.
    std::intptr_t call(const std::intptr_t* args) const;

private:
    CallbackEntry(HookOwner* owner, int ordinal, int paramCount, int slot);

    HookOwner* m_owner; // not kept alive by the entry
    int m_ordinal;
    int m_paramCount;
    int m_slot;
    ProcAddress m_address;
};
