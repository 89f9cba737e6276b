#pragma once

#include "MessageTable.h"
#include "Messages.h"
#include "ThunkRecord.h"
#include "WindowHandles.h"

#include <QObject>
#include <cstdint>

class HookOwner;

// One hooked window: the record and its entry procedure in one object. It is
// installed on the window's object as an event filter, so every message of
// the window reaches this record directly (no lookup), and it owns itself:
// it is released only by its own removal, at the end of the outermost message
// of its window after a removal was asked for (ssc_UnSubclass) or the window
// was destroyed. Records do not keep their owner alive.
//
// Several hooks on one window (from different owners) form a chain in the
// order of installation: a hook's previous procedure is the hook installed
// before it, and only the first one's is the widget's own handling. Qt runs
// the filters latest first, so a hook that lets an event go on reaches the
// earlier hooks anyway; a hook that has to run after its previous procedure
// walks the chain itself.
class HookRecord final : public QObject,
                         public ThunkRecord,
                         private Platform::WindowDestroyListener {
    Q_OBJECT
public:
    enum Shutdown { Live = 0, UnsubclassRequested = 1, WindowDestroyed = 2 };

    HookRecord(QObject* target, Platform::Hwnd hwnd, HookOwner* owner, int ordinal,
               std::intptr_t userValue, bool unicode);
    ~HookRecord() override;

    // Puts the entry procedure in place; false when the window's object lives
    // in another thread, where Qt does not filter its events.
    bool install();
    // Shutdown flag 1, both tables emptied, WM_NULL sent so that the entry
    // procedure removes the hook. Nothing when a removal is already under way.
    void requestRemoval();
    // The window's previous procedure with a message: the earlier hooks, then
    // the widget.
    Platform::LResult callOriginal(Platform::Msg uMsg, Platform::WParam wParam,
                                   Platform::LParam lParam);

    Platform::Hwnd hwnd() const { return m_hwnd; }
    int activeCalls() const { return m_activeCalls; }
    int shutdownFlag() const { return m_shutdown; }
    bool unicode() const { return m_unicode; }
    MessageTable& beforeTable() { return m_before; }
    MessageTable& afterTable() { return m_after; }
    std::intptr_t userValue() const { return m_userValue; }
    void setUserValue(std::intptr_t value) { m_userValue = value; }

protected:
    // The entry procedure for the window's Qt events and sent messages.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The entry procedure for WM_DESTROY.
    void windowDestroyed(Platform::Hwnd hwnd) override;

    // False: the event goes on to passOnTo, the hook installed before this
    // one as it is at the return (this record may be gone by then).
    bool filter(QObject* watched, QEvent* event, HookRecord*& passOnTo);
    bool process(QObject* watched, QEvent* event, const Platform::MappedEvent& mapped,
                 HookRecord*& passOnTo);
    // As Qt would deliver the event from `first` on: each hook until one
    // keeps it, then the widget's own handling.
    static Platform::LResult deliver(HookRecord* first, QObject* watched, QEvent* event);
    bool wants(const Platform::MappedEvent& mapped) const;
    void callback(bool before, bool& handled, Platform::LResult& retValue,
                  const Platform::Message& message);
    bool leave(bool result);
    bool leaveDestroyed(QEvent* event);
    void remove();

    // Fields in the order of the design.
    int m_activeCalls = 0;
    int m_shutdown = Live;
    Platform::Hwnd m_hwnd;
    HookOwner* m_owner;
    int m_ordinal; // names the owner's message callback
    MessageTable m_before;
    MessageTable m_after;
    std::intptr_t m_userValue;
    bool m_unicode; // kept as asked; Qt has one text API, so it changes nothing
    QObject* m_target;
    bool m_targetGone = false;        // the window was destroyed inside one of our calls
    HookRecord* m_previous = nullptr; // installed before this one on the window
    HookRecord* m_next = nullptr;     // installed after it
};
