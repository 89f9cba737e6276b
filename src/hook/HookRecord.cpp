#include "HookRecord.h"

#include "HookOwner.h"
#include "Painting.h"

#include <QHash>
#include <QPaintEvent>
#include <QWidget>

namespace {
// The latest hook of each hooked window, where a new hook joins the chain.
QHash<Platform::Hwnd, HookRecord*>& latestHooks()
{
    static QHash<Platform::Hwnd, HookRecord*> hooks;
    return hooks;
}
} // namespace

HookRecord::HookRecord(QObject* target, Platform::Hwnd hwnd, HookOwner* owner, int ordinal,
                       std::intptr_t userValue, bool unicode)
    : m_hwnd(hwnd), m_owner(owner), m_ordinal(ordinal), m_userValue(userValue), m_unicode(unicode),
      m_target(target)
{}

// Nothing when the record was never installed or was told of the destruction.
HookRecord::~HookRecord()
{
    Platform::removeDestroyListener(m_hwnd, this);
    if (m_previous)
        m_previous->m_next = m_next;
    if (m_next) {
        m_next->m_previous = m_previous;
        return;
    }
    const auto latest = latestHooks().find(m_hwnd);
    if (latest == latestHooks().end() || *latest != this)
        return;
    if (m_previous)
        *latest = m_previous;
    else
        latestHooks().erase(latest);
}

bool HookRecord::install()
{
    if (!m_target || m_target->thread() != thread())
        return false;
    m_target->installEventFilter(this);
    HookRecord*& latest = latestHooks()[m_hwnd];
    m_previous = latest;
    if (m_previous)
        m_previous->m_next = this;
    latest = this;
    Platform::addDestroyListener(m_hwnd, this);
    return true;
}

void HookRecord::requestRemoval()
{
    if (m_shutdown != Live)
        return;
    m_shutdown = UnsubclassRequested;
    m_before.count = 0;
    m_after.count = 0;
    // May release this record before it returns.
    Platform::SendMessage(m_hwnd, Platform::WM_NULL, 0, 0);
}

Platform::LResult HookRecord::callOriginal(Platform::Msg uMsg, Platform::WParam wParam,
                                           Platform::LParam lParam)
{
    if (m_targetGone)
        return 0;
    Platform::WindowMessageEvent message(uMsg, wParam, lParam);
    return deliver(m_previous, m_target, &message);
}

bool HookRecord::eventFilter(QObject* watched, QEvent* event)
{
    HookRecord* passOnTo = nullptr; // Qt passes the event on by itself
    return filter(watched, event, passOnTo);
}

bool HookRecord::filter(QObject* watched, QEvent* event, HookRecord*& passOnTo)
{
    passOnTo = m_previous;
    if (m_shutdown == Live && m_before.count == 0 && m_after.count == 0)
        return false;
    if (watched != m_target)
        return false;
    Platform::MappedEvent mapped;
    Platform::mapEvent(watched, event, mapped);
    if (m_shutdown == Live && !wants(mapped))
        return false;
    return process(watched, event, mapped, passOnTo);
}

// A callback may unhook any record of the chain, this one included, so each
// step reads its successor only once the step is done.
Platform::LResult HookRecord::deliver(HookRecord* first, QObject* watched, QEvent* event)
{
    for (HookRecord* record = first; record;) {
        HookRecord* next = nullptr;
        if (record->filter(watched, event, next)) {
            const Platform::WindowMessageEvent* sent = Platform::WindowMessageEvent::from(event);
            return sent ? sent->result() : 1;
        }
        record = next;
    }
    return Platform::CallWindowProc(watched, event);
}

// Returning false lets the event go on to the previous procedure: that is
// enough whenever nothing has to run after it. It runs here only for an
// after-call; a Paint that a before-call has painted is not passed on.
bool HookRecord::process(QObject* watched, QEvent* event, const Platform::MappedEvent& mapped,
                         HookRecord*& passOnTo)
{
    ++m_activeCalls;
    Platform::WindowMessageEvent* sent = Platform::WindowMessageEvent::from(event);
    for (int k = 0; k < mapped.count; ++k) {
        const Platform::Message& message = mapped.messages[static_cast<std::size_t>(k)];
        const bool primary = k + 1 == mapped.count;
        bool handled = false;
        Platform::LResult retValue = 0;
        bool painted = false;
        if (m_before.matches(message.message)) {
            if (primary && event->type() == QEvent::Paint) {
                const Platform::PaintScope scope(qobject_cast<QWidget*>(watched),
                                                 static_cast<QPaintEvent*>(event));
                callback(true, handled, retValue, message);
                painted = scope.validated();
            } else {
                callback(true, handled, retValue, message);
            }
        }
        if (m_shutdown == WindowDestroyed)
            return leaveDestroyed(event);
        if (handled) {
            if (!primary)
                continue;
            if (sent)
                sent->setResult(retValue);
            event->accept();
            return leave(true);
        }

        if (!primary) {
            retValue = Platform::defaultResult(message.message);
        } else if (painted) {
            retValue = 0;
            event->accept();
        } else if (m_after.matches(message.message)) {
            retValue = deliver(m_previous, watched, event);
            if (m_shutdown == WindowDestroyed)
                return leaveDestroyed(event);
        } else {
            passOnTo = m_previous;
            return leave(false);
        }

        if (m_shutdown != Live && m_activeCalls == 1) {
            if (primary && sent)
                sent->setResult(retValue);
            passOnTo = m_previous;
            remove();
            return primary; // a leading message's event still goes on
        }
        if (m_after.matches(message.message)) {
            callback(false, handled, retValue, message);
            if (m_shutdown == WindowDestroyed)
                return leaveDestroyed(event);
        }
        if (primary && sent)
            sent->setResult(retValue);
    }
    return leave(true);
}

// Also completes a removal asked for in a handled before-call or an
// after-call, so that the hook does not linger until the next message.
bool HookRecord::leave(bool result)
{
    if (m_shutdown != Live && m_activeCalls == 1)
        remove();
    else
        --m_activeCalls;
    return result;
}

bool HookRecord::wants(const Platform::MappedEvent& mapped) const
{
    for (int k = 0; k < mapped.count; ++k) {
        const Platform::Msg message = mapped.messages[static_cast<std::size_t>(k)].message;
        if (m_before.matches(message) || m_after.matches(message))
            return true;
    }
    return false;
}

void HookRecord::callback(bool before, bool& handled, Platform::LResult& retValue,
                          const Platform::Message& message)
{
    m_owner->callMessageRoutine(m_ordinal, before, handled, retValue, m_hwnd, message.message,
                                message.wParam, message.lParam, m_userValue);
}

// The window was destroyed inside this call: it must not be touched again,
// and Qt must not deliver the event any further.
bool HookRecord::leaveDestroyed(QEvent* event)
{
    event->accept();
    return leave(true);
}

void HookRecord::windowDestroyed(Platform::Hwnd)
{
    ++m_activeCalls;
    const Platform::Message message{Platform::WM_DESTROY, 0, 0};
    bool handled = false;
    Platform::LResult retValue = 0;
    if (m_before.matches(message.message))
        callback(true, handled, retValue, message);
    // Whatever handled says: the widget goes, and the hook with it. Qt destroys
    // the widget itself, so its previous procedure has nothing to add.
    m_shutdown = WindowDestroyed;
    retValue = 0;
    if (m_activeCalls == 1) {
        remove();
        return;
    }
    // An outer call of this record is under way; it removes the hook when it
    // unwinds, after the widget is gone.
    m_targetGone = true;
    if (m_after.matches(message.message))
        callback(false, handled, retValue, message);
    --m_activeCalls;
}

void HookRecord::remove()
{
    if (!m_targetGone)
        m_target->removeEventFilter(this);
    delete this;
}
