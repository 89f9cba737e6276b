#include "HookRegistry.h"

#include "Dialogs.h"
#include "WindowHandles.h"

#include <algorithm>
#include <new>

Q_LOGGING_CATEGORY(lcHook, "vemarill.hook")

namespace {
const QString kObjectName = QStringLiteral("cSubclassListView");
// The last error numbers the original platform gives for these failures.
constexpr int kErrorNotEnoughMemory = 8;
constexpr int kErrorAccessDenied = 5;
} // namespace

template <class Entry>
typename std::vector<Entry>::iterator HookRegistry::findKey(std::vector<Entry>& entries,
                                                            std::intptr_t key)
{
    const QString name = keyOf(key);
    return std::find_if(entries.begin(), entries.end(),
                        [&name](const Entry& entry) { return entry.key == name; });
}

HookRegistry::HookRegistry(HookOwner& self) : m_self(self) {}

HookRegistry::~HookRegistry()
{
    ssc_Terminate();
    scb_Terminate();
}

bool HookRegistry::ssc_Subclass(Platform::Hwnd hwnd, std::intptr_t userValue, int ordinal,
                                HookOwner* owner, bool unicode)
{
    const QString routine = QStringLiteral("ssc_Subclass");
    if (!Platform::IsWindow(hwnd)) {
        zReportError(routine, QStringLiteral("Invalid window handle"));
        return false;
    }
    if (!Platform::isWindowOfCurrentThread(hwnd)) {
        zReportError(routine, QStringLiteral("Window handle belongs to another process"));
        return false;
    }
    if (!owner)
        owner = &m_self;
    if (zFindCallback(owner, ordinal) != HookOwner::Routine::Message) {
        zReportError(routine, QStringLiteral("Callback method not found"));
        return false;
    }
    std::unique_ptr<HookRecord> record;
    try {
        record = std::make_unique<HookRecord>(Platform::objectOf(hwnd), hwnd, owner, ordinal,
                                              userValue, unicode);
    } catch (const std::bad_alloc&) {
        zReportError(routine, QStringLiteral("VirtualAlloc failed, error: ") +
                                  QString::number(kErrorNotEnoughMemory));
        return false;
    }
    if (!m_windows)
        m_windows.emplace();
    if (findKey(*m_windows, hwnd) != m_windows->end()) {
        zReportError(routine, QStringLiteral("Window handle is already subclassed"));
        return false;
    }
    m_windows->push_back(WindowEntry{keyOf(hwnd), record.get()});
    if (!record->install()) {
        withdrawWindow(hwnd);
        zReportError(routine, QStringLiteral("SetWindowLong failed, error #") +
                                  QString::number(kErrorAccessDenied));
        return false;
    }
    static_cast<void>(record.release()); // installed: the record releases itself
    return true;
}

void HookRegistry::ssc_AddMsg(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when)
{
    editTables(hwnd, uMsg, when, &HookRegistry::zAddMsg);
}

void HookRegistry::ssc_DelMsg(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when)
{
    editTables(hwnd, uMsg, when, &HookRegistry::zDelMsg);
}

Platform::LResult HookRegistry::ssc_CallOriginal(Platform::Hwnd hwnd, Platform::Msg uMsg,
                                                 Platform::WParam wParam, Platform::LParam lParam)
{
    HookRecord* record = liveRecord(hwnd);
    return record ? record->callOriginal(uMsg, wParam, lParam) : 0;
}

std::intptr_t HookRegistry::ssc_UserValue(Platform::Hwnd hwnd)
{
    const HookRecord* record = liveRecord(hwnd);
    return record ? record->userValue() : 0;
}

void HookRegistry::ssc_UserValue(Platform::Hwnd hwnd, std::intptr_t value)
{
    if (HookRecord* record = liveRecord(hwnd))
        record->setUserValue(value);
}

void HookRegistry::ssc_UnSubclass(Platform::Hwnd hwnd)
{
    if (!m_windows) {
        zMap_VFunction(hwnd, kHookKind); // reports the missing registry
        return;
    }
    const auto it = findKey(*m_windows, hwnd);
    if (it == m_windows->end())
        return;
    if (HookRecord* record = it->record)
        record->requestRemoval(); // sends WM_NULL: any code may run meanwhile
    withdrawWindow(hwnd);
}

void HookRegistry::ssc_Terminate()
{
    if (!m_windows)
        return;
    for (std::size_t i = m_windows->size(); i-- > 0;) {
        if (i >= m_windows->size())
            continue;
        if (const HookRecord* record = (*m_windows)[i].record)
            ssc_UnSubclass(record->hwnd());
    }
}

ProcAddress HookRegistry::scb_SetCallbackAddr(int paramCount, int ordinal, HookOwner* owner)
{
    const QString routine = QStringLiteral("scb_SetCallbackAddr");
    if (!m_callbacks)
        m_callbacks.emplace();
    if (const auto it = findKey(*m_callbacks, ordinal); it != m_callbacks->end())
        return it->entry->address();
    if (paramCount < 0 || paramCount > CallbackEntry::kMaxParamCount) {
        zReportError(routine, QStringLiteral("Invalid Parameter count"));
        return nullptr;
    }
    if (!owner)
        owner = &m_self;
    if (zFindCallback(owner, ordinal) != HookOwner::Routine::Procedure) {
        zReportError(routine, QStringLiteral("Callback address not found."));
        return nullptr;
    }
    std::unique_ptr<CallbackEntry> entry = CallbackEntry::create(owner, ordinal, paramCount);
    if (!entry) {
        zReportError(routine, QStringLiteral("VirtualAlloc failed, error: ") +
                                  QString::number(kErrorNotEnoughMemory));
        return nullptr;
    }
    const ProcAddress address = entry->address();
    m_callbacks->push_back(CallbackSlot{keyOf(ordinal), std::move(entry)});
    return address;
}

void HookRegistry::scb_Release(int ordinal)
{
    if (!zMap_VFunction(ordinal, kCallbackKind))
        return;
    const auto it = findKey(*m_callbacks, ordinal);
    if (it != m_callbacks->end())
        m_callbacks->erase(it);
}

void HookRegistry::scb_Terminate()
{
    if (m_callbacks)
        m_callbacks->clear();
}

void HookRegistry::zAddMsg(Platform::Msg uMsg, MessageTable& table)
{
    if (uMsg == ALL_MESSAGES) {
        table.count = -1;
        return;
    }
    if (table.count >= MSG_ENTRIES) {
        zReportError(QStringLiteral("zAddMsg"),
                     QStringLiteral("Message table overflow. Either increase the value of Const "
                                    "MSG_ENTRIES or use ALL_MESSAGES instead of specific message "
                                    "values"));
        return;
    }
    // A message already held further on than a freed slot stays the only
    // copy: a second one would outlive the message's removal.
    const auto first = table.messages.begin();
    const auto end = first + std::max(table.count, 0);
    if (std::find(first, end, uMsg) != end)
        return;
    if (const auto freed = std::find(first, end, Platform::Msg(0)); freed != end) {
        *freed = uMsg;
        return;
    }
    const std::int32_t count = table.count < 1 ? 0 : table.count;
    table.messages[static_cast<std::size_t>(count)] = uMsg;
    table.count = count + 1;
}

void HookRegistry::zDelMsg(Platform::Msg uMsg, MessageTable& table)
{
    if (uMsg == ALL_MESSAGES) {
        table.count = 0;
        return;
    }
    for (std::int32_t i = 0; i < table.count; ++i) {
        Platform::Msg& slot = table.messages[static_cast<std::size_t>(i)];
        if (slot == uMsg) {
            slot = 0;
            return;
        }
    }
    zReportError(QStringLiteral("zDelMsg"), QStringLiteral("Message &H") +
                                                QString::number(uMsg, 16).toUpper() +
                                                QStringLiteral(" not found in table"));
}

ThunkRecord* HookRegistry::zMap_VFunction(std::intptr_t key, int kind)
{
    if (kind != kHookKind && kind != kCallbackKind) {
        zReportError(QStringLiteral("zMap_Vfunction"), QStringLiteral("Invalid thunk type passed"));
        return nullptr;
    }
    if ((kind == kHookKind && !m_windows) || (kind == kCallbackKind && !m_callbacks)) {
        zReportError(QStringLiteral("zMap_VFunction"),
                     QStringLiteral("Thunk hasn't been initialized"));
        return nullptr;
    }
    if (kind == kHookKind) {
        const auto it = findKey(*m_windows, key);
        return it == m_windows->end() ? nullptr : it->record.data();
    }
    const auto it = findKey(*m_callbacks, key);
    return it == m_callbacks->end() ? nullptr : it->entry.get();
}

HookOwner::Routine HookRegistry::zFindCallback(const HookOwner* owner, int ordinal)
{
    return owner ? owner->callbackRoutine(ordinal) : HookOwner::Routine::None;
}

void HookRegistry::zReportError(const QString& routine, const QString& text)
{
    qCCritical(lcHook).noquote() << kObjectName + QLatin1Char('.') + routine +
                                        QStringLiteral(": ") + text;
    Platform::MessageBoxRequest request;
    request.text = text + QLatin1Char('.');
    request.title = QStringLiteral("Error in ") + kObjectName + QLatin1Char('.') + routine;
    request.icon = Platform::MessageIcon::Warning;
    Platform::showMessage(request);
}

HookRecord* HookRegistry::liveRecord(Platform::Hwnd hwnd)
{
    return static_cast<HookRecord*>(zMap_VFunction(hwnd, kHookKind));
}

void HookRegistry::editTables(Platform::Hwnd hwnd, Platform::Msg uMsg, MsgWhen when,
                              void (HookRegistry::*edit)(Platform::Msg, MessageTable&))
{
    HookRecord* record = liveRecord(hwnd);
    if (!record)
        return;
    if (when & MsgBefore)
        (this->*edit)(uMsg, record->beforeTable());
    if (when & MsgAfter)
        (this->*edit)(uMsg, record->afterTable());
}

void HookRegistry::withdrawWindow(Platform::Hwnd hwnd)
{
    if (!m_windows)
        return;
    const auto it = findKey(*m_windows, hwnd);
    if (it != m_windows->end())
        m_windows->erase(it);
}
