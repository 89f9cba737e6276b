// The hook registry under a random sequence of hooks, unhooks, table edits,
// messages, events, window deaths and callback entries, some of them run from
// inside a callback. Sent messages must reach exactly the hooks whose tables
// hold them; callback entries pass their arguments in order.
#include "../platform/TestWidgets.h"
#include "FakePlatform.h"
#include "FuzzSupport.h"
#include "HookRegistry.h"
#include "Messages.h"
#include "WindowHandles.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <array>
#include <functional>
#include <map>
#include <memory>

using namespace Platform;

namespace {

constexpr int kWindows = 3;
constexpr int kOwners = 2;
constexpr int kMaxDepth = 3;
constexpr std::array<Msg, 8> kMessages = {WM_USER,    WM_USER + 1, WM_PAINT,       WM_MOUSEMOVE,
                                          WM_DESTROY, WM_NULL,     WM_LBUTTONDOWN, ALL_MESSAGES};

// Ordinal 1 is the message callback, 2 a procedure, 3 nothing. Each call may
// run a nested step.
class Owner : public HookOwner {
    std::function<void()> m_nest; // first: the hooks may call it until they are gone

public:
    explicit Owner(std::function<void()> nest) : m_nest(std::move(nest)) {}

    Routine callbackRoutine(int ordinal) const override
    {
        return ordinal == 1 ? Routine::Message : ordinal == 2 ? Routine::Procedure : Routine::None;
    }
    void callMessageRoutine(int, bool before, bool&, LResult&, Hwnd hwnd, Msg uMsg, WParam, LParam,
                            std::intptr_t&) override
    {
        calls.emplace_back(hwnd, uMsg, before);
        m_nest();
    }
    // The arguments as the digits of the result, the first one highest.
    void callProcedureRoutine(int, std::span<const std::intptr_t> args,
                              std::intptr_t& result) override
    {
        result = 0;
        for (const std::intptr_t arg : args)
            result = result * 10 + arg;
        m_nest();
    }

    // Calls of the message callback since the last clear: (hwnd, message, before).
    std::vector<std::tuple<Hwnd, Msg, bool>> calls;
    // Parameter counts of the callback entries made, by ordinal.
    std::map<int, int> entries;
    HookRegistry hooks{*this};
};

class Session {
public:
    explicit Session(Fuzz::Input& input) : m_input(input), m_ownersGoFirst(input.byte() % 2 == 0)
    {
        for (int w = 0; w < kWindows; ++w)
            makeWindow(w);
        for (auto& owner : m_owners)
            owner = std::make_unique<Owner>([this] { maybeNest(); });
    }

    ~Session()
    {
        m_quiet = true;
        if (m_ownersGoFirst)
            for (auto& owner : m_owners)
                owner.reset();
        for (auto& window : m_windows)
            window.reset();
        m_owners = {};
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void run()
    {
        while (!m_input.atEnd())
            step();
    }
    // From inside a callback: now and then one more step, nested.
    void maybeNest()
    {
        if (m_quiet || m_depth >= kMaxDepth || m_input.byte() % 4 != 0)
            return;
        m_nested = true;
        ++m_depth;
        step();
        --m_depth;
    }

private:
    void makeWindow(int w)
    {
        m_windows[w] = std::make_unique<AnsweringWidget>();
        m_handles[w] = hwndOf(m_windows[w].get());
    }
    Owner& owner() { return *m_owners[m_input.byte() % kOwners]; }
    int windowIndex() { return m_input.byte() % kWindows; }
    Msg message() { return kMessages[m_input.byte() % kMessages.size()]; }
    MsgWhen when() { return static_cast<MsgWhen>(1 + m_input.byte() % 3); }

    void step()
    {
        const int op = m_input.byte() % 12;
        const int w = windowIndex();
        const Hwnd hwnd = m_handles[w];
        switch (op) {
        case 0:
            owner().hooks.ssc_Subclass(hwnd, m_input.byte(), 1 + m_input.byte() % 3);
            break;
        case 1:
            owner().hooks.ssc_AddMsg(hwnd, message(), when());
            break;
        case 2:
            owner().hooks.ssc_DelMsg(hwnd, message(), when());
            break;
        case 3:
            owner().hooks.ssc_UnSubclass(hwnd);
            break;
        case 4:
            send(hwnd);
            break;
        case 5:
            owner().hooks.ssc_CallOriginal(hwnd, message(), 1, 2);
            break;
        case 6: {
            Owner& o = owner();
            const std::intptr_t value = m_input.byte();
            o.hooks.ssc_UserValue(hwnd, value);
            FUZZ_CHECK(o.hooks.ssc_UserValue(hwnd) == (liveRecord(o, hwnd) ? value : 0));
            break;
        }
        case 7:
            m_windows[w].reset();
            if (m_depth == 0 || m_input.byte() % 2 == 0)
                makeWindow(w);
            break;
        case 8:
            if (m_windows[w])
                sendEvent(*m_windows[w]);
            break;
        case 9:
            owner().hooks.ssc_Terminate();
            break;
        case 10:
            callEntry(owner());
            break;
        case 11:
            if (m_depth == 0) {
                // A fresh owner; its predecessor's hooks go with it.
                const int o = m_input.byte() % kOwners;
                m_quiet = true;
                m_owners[o].reset();
                m_quiet = false;
                m_owners[o] = std::make_unique<Owner>([this] { maybeNest(); });
            }
            break;
        }
    }
    // The hooks on hwnd that should see message m before and after the window.
    void send(Hwnd hwnd)
    {
        const Msg m = message();
        std::array<std::pair<bool, bool>, kOwners> expected{};
        for (int o = 0; o < kOwners; ++o) {
            m_owners[o]->calls.clear();
            if (HookRecord* record = liveRecord(*m_owners[o], hwnd))
                expected[o] = {record->beforeTable().matches(m), record->afterTable().matches(m)};
        }
        const bool outermost = m_depth == 0;
        if (outermost)
            m_nested = false;
        const LResult result = SendMessage(hwnd, m, 3, 4);
        if (!outermost || m_nested || m == WM_DESTROY || m == WM_NULL)
            return;
        FUZZ_CHECK(result == (IsWindow(hwnd) ? 7 : 0));
        for (int o = 0; o < kOwners; ++o) {
            int before = 0;
            int after = 0;
            for (const auto& [h, message, isBefore] : m_owners[o]->calls) {
                FUZZ_CHECK(h == hwnd && message == m);
                ++(isBefore ? before : after);
            }
            FUZZ_CHECK(before == (expected[o].first ? 1 : 0));
            FUZZ_CHECK(after == (expected[o].second ? 1 : 0));
        }
    }
    static HookRecord* liveRecord(Owner& o, Hwnd hwnd)
    {
        auto* record = static_cast<HookRecord*>(o.hooks.zMap_VFunction(hwnd, 0));
        return record && record->shutdownFlag() == HookRecord::Live ? record : nullptr;
    }
    void sendEvent(QWidget& window)
    {
        const QPointF at(m_input.byte(), m_input.byte());
        const int kind = m_input.byte() % 3; // a press, a move or a resize
        if (kind == 2)
            return window.resize(1 + m_input.byte(), 1 + m_input.byte());
        const Qt::MouseButton button = kind == 0 ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(kind == 0 ? QEvent::MouseButtonPress : QEvent::MouseMove, at, at, button,
                          button, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    void callEntry(Owner& o)
    {
        const int ordinal = 1 + m_input.byte() % 3;
        const int paramCount = m_input.byte() % 6;
        if (m_input.byte() % 3 == 0) {
            o.hooks.scb_Release(ordinal);
            o.entries.erase(ordinal);
            return;
        }
        const ProcAddress address = o.hooks.scb_SetCallbackAddr(paramCount, ordinal);
        FUZZ_CHECK((address != nullptr) ==
                   (ordinal == 2 && (o.entries.count(ordinal) || paramCount <= 4)));
        if (!address)
            return;
        const int count = o.entries.emplace(ordinal, paramCount).first->second;
        const std::intptr_t result = count == 0   ? procCast<EntryProc0>(address)()
                                     : count == 1 ? procCast<EntryProc1>(address)(1)
                                     : count == 2 ? procCast<EntryProc2>(address)(1, 2)
                                     : count == 3 ? procCast<EntryProc3>(address)(1, 2, 3)
                                                  : procCast<EntryProc4>(address)(1, 2, 3, 4);
        const std::intptr_t digits[] = {0, 1, 12, 123, 1234};
        FUZZ_CHECK(result == digits[count]);
    }

    Fuzz::Input& m_input;
    std::array<std::unique_ptr<AnsweringWidget>, kWindows> m_windows;
    std::array<Hwnd, kWindows> m_handles{};
    std::array<std::unique_ptr<Owner>, kOwners> m_owners;
    bool m_ownersGoFirst; // at the end, owners or windows first
    int m_depth = 0;
    bool m_nested = false;
    // While an owner is destroyed its hooks' last calls nest nothing: the
    // owner they would pick may be the one going.
    bool m_quiet = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::ensureApplication();
    const FakePlatform answers; // error reports are recorded, never shown
    Fuzz::Input input(data, size);
    {
        Session session(input);
        session.run();
    }
    return 0;
}
