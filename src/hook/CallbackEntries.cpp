#include "CallbackEntries.h"

#include "HookOwner.h"

#include <array>
#include <span>
#include <utility>

namespace {

std::array<CallbackEntry*, CallbackEntry::kPoolSize> g_slots{};
// Slots are handed out next-fit, so that a released entry's address (say, of a
// timer that was never killed) is not at once the address of a new entry.
std::size_t g_nextSlot = 0;

template <std::size_t Slot> struct Procedures {
    static std::intptr_t run(const std::intptr_t* args)
    {
        const CallbackEntry* entry = g_slots[Slot];
        return entry ? entry->call(args) : 0;
    }
    static std::intptr_t p0() { return run(nullptr); }
    static std::intptr_t p1(std::intptr_t a)
    {
        const std::intptr_t args[] = {a};
        return run(args);
    }
    static std::intptr_t p2(std::intptr_t a, std::intptr_t b)
    {
        const std::intptr_t args[] = {a, b};
        return run(args);
    }
    static std::intptr_t p3(std::intptr_t a, std::intptr_t b, std::intptr_t c)
    {
        const std::intptr_t args[] = {a, b, c};
        return run(args);
    }
    static std::intptr_t p4(std::intptr_t a, std::intptr_t b, std::intptr_t c, std::intptr_t d)
    {
        const std::intptr_t args[] = {a, b, c, d};
        return run(args);
    }
};

using AddressRow = std::array<ProcAddress, CallbackEntry::kMaxParamCount + 1>;

template <class Proc> ProcAddress toAddress(Proc proc)
{
    return reinterpret_cast<ProcAddress>(proc);
}

template <std::size_t Slot> AddressRow addressesOf()
{
    using P = Procedures<Slot>;
    return {toAddress(&P::p0), toAddress(&P::p1), toAddress(&P::p2), toAddress(&P::p3),
            toAddress(&P::p4)};
}

template <std::size_t... Slots>
std::array<AddressRow, sizeof...(Slots)> makeAddresses(std::index_sequence<Slots...>)
{
    return {addressesOf<Slots>()...};
}

const std::array<AddressRow, CallbackEntry::kPoolSize>& addresses()
{
    static const auto table = makeAddresses(std::make_index_sequence<CallbackEntry::kPoolSize>());
    return table;
}

} // namespace

std::unique_ptr<CallbackEntry> CallbackEntry::create(HookOwner* owner, int ordinal, int paramCount)
{
    if (paramCount < 0 || paramCount > kMaxParamCount)
        return nullptr;
    for (std::size_t tried = 0; tried < g_slots.size(); ++tried) {
        const std::size_t slot = (g_nextSlot + tried) % g_slots.size();
        if (!g_slots[slot]) {
            std::unique_ptr<CallbackEntry> entry(
                new CallbackEntry(owner, ordinal, paramCount, static_cast<int>(slot)));
            g_slots[slot] = entry.get();
            g_nextSlot = (slot + 1) % g_slots.size();
            return entry;
        }
    }
    return nullptr;
}

CallbackEntry::CallbackEntry(HookOwner* owner, int ordinal, int paramCount, int slot)
    : m_owner(owner), m_ordinal(ordinal), m_paramCount(paramCount), m_slot(slot),
      m_address(addresses()[static_cast<std::size_t>(slot)][static_cast<std::size_t>(paramCount)])
{}

CallbackEntry::~CallbackEntry()
{
    g_slots[static_cast<std::size_t>(m_slot)] = nullptr;
}

std::intptr_t CallbackEntry::call(const std::intptr_t* args) const
{
    std::intptr_t result = 0;
    m_owner->callProcedureRoutine(
        m_ordinal, std::span<const std::intptr_t>(args, static_cast<std::size_t>(m_paramCount)),
        result);
    return result;
}
