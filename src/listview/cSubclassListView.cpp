#include "cSubclassListView.h"

#include "Cursor.h"
#include "ImageListView.h"
#include "Messages.h"
#include "Timers.h"
#include "WindowHandles.h"

#include <QCoreApplication>
#include <QHeaderView>

cSubclassListView::cSubclassListView(QObject* parent) : QObject(parent) {}

cSubclassListView::~cSubclassListView()
{
    Destroy();
    QCoreApplication::instance()->removeEventFilter(&mPressWatcher);
    if (mtextBox) {
        // An ending object raises no events: the open edit goes with its editor.
        mtextBox->removeEventFilter(this);
        mtextBox->disconnect(this);
        delete mtextBox;
    }
    if (mListView) {
        mListView->removeEventFilter(this);
        mListView->disconnect(this);
        mListView->header()->disconnect(this);
    }
    mHooks.ssc_Terminate();
    if (mHoverTimer)
        Platform::KillTimer(mHeaderWindow, hoverTimerId());
    mHooks.scb_Terminate();
    restoreMouseTracking();
}

// Tooltips -----------------------------------------------------------------

bool cSubclassListView::SowToolTipText(const QString& Title, const QString& TipText, int Icon,
                                       int Style, bool Centered, const QColor& ForeColor,
                                       const QColor& BackColor, int VisibleTime, int DelayTime)
{
    if (!mListView)
        return false;
    mToolTipSettings = ToolTipOptions{Title,     TipText,   Icon,        Style,    Centered,
                                      ForeColor, BackColor, VisibleTime, DelayTime};
    mToolTip.destroy();
    // The last hit point is in the list's client pixels.
    Platform::SetCursorPos(
        mListView->mapToGlobal(mListView->clientOrigin() + QPoint(mLastHit.x, mLastHit.y)));

    // The tip applies the title, icon and colour rules to the arguments itself.
    mToolTip.show(mListView, mToolTipSettings);
    return false;
}

void cSubclassListView::Destroy()
{
    mToolTip.destroy();
}

int cSubclassListView::GetScrollListViewWidth(Platform::Hwnd Hwnd) const
{
    const ImageListView* list = listFromWindow(Hwnd);
    if (!list)
        return 0;
    const int page = list->rowsPerPage();
    const int count = list->itemCount();
    return count > page ? list->verticalScrollBarWidth() : 0;
}

// Binding ------------------------------------------------------------------

bool cSubclassListView::SubClassListView(ImageListView* ListView)
{
    if (!ListView)
        return false;
    if (!mListView) {
        mListView = ListView;
        // The list control's own settings that fit an editable grid: whole
        // rows selected and grid lines drawn; no label editing of its own (the
        // cell editor does it). The view never selects by hovering, and keeps
        // its sunken frame as the border.
        mListView->setSelectionBehavior(QAbstractItemView::SelectRows);
        mListView->setAllColumnsShowFocus(true);
        mListView->setGridLines(true);
        mListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
        mListView->installEventFilter(this);
        mListObject = mListView.data();
        connect(mListView, &ImageListView::mouseDown, this,
                &cSubclassListView::mListView_MouseDown);
        connect(mListView, &ImageListView::itemDblClick, this,
                &cSubclassListView::mListView_DblClick);
        // A column that changes width, or rows that come or go (a new search, a
        // load), make the list erase its background, as the original control
        // does; an open editor would lie over the wrong cell.
        const auto erase = [this] {
            if (editorVisible())
                Platform::SendMessage(mListViewWindow, Platform::WM_ERASEBKGND, 0, 0);
        };
        connect(mListView->header(), &QHeaderView::sectionResized, this, erase);
        const QAbstractItemModel* model = mListView->model();
        connect(model, &QAbstractItemModel::modelReset, this, erase);
        connect(model, &QAbstractItemModel::rowsInserted, this, erase);
        connect(model, &QAbstractItemModel::rowsRemoved, this, erase);
    }
    if (!mtextBox)
        createEditor();
    hookWindows();
    return false;
}

// Hooks --------------------------------------------------------------------

void cSubclassListView::hookWindows()
{
    if (!mListView)
        return;
    mListViewWindow = Platform::hwndOf(mListView->viewport());
    mHeaderWindow = Platform::hwndOf(mListView->header()->viewport());
    setHeaderFont();
    mHotColumn = -1;
    using namespace Platform;
    hookWindow(mHeaderWindow, {WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_NCHITTEST});
    hookWindow(mFormWindow, {WM_MOUSEMOVE});
    QWidget* container = mListView->parentWidget();
    mContainerWindow = container ? hwndOf(container) : mFormWindow;
    if (mContainerWindow != mFormWindow)
        hookWindow(mContainerWindow, {WM_MOUSEMOVE});
    hookWindow(mListViewWindow, {WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_ERASEBKGND});
}

bool cSubclassListView::hookWindow(Platform::Hwnd lHwnd,
                                   std::initializer_list<Platform::Msg> messages)
{
    if (!mHooks.ssc_Subclass(lHwnd, 0, 1, nullptr, false))
        return false;
    for (const Platform::Msg message : messages)
        mHooks.ssc_AddMsg(lHwnd, message, MsgBefore);
    trackMouse(lHwnd);
    return true;
}

void cSubclassListView::trackMouse(Platform::Hwnd lHwnd)
{
    // A window sees the mouse move over it only with tracking on.
    QWidget* widget = Platform::widgetOf(lHwnd);
    if (!widget)
        return;
    mTracking.push_back(Tracking{widget, widget->hasMouseTracking()});
    widget->setMouseTracking(true);
}

void cSubclassListView::restoreMouseTracking()
{
    for (auto it = mTracking.rbegin(); it != mTracking.rend(); ++it) {
        if (it->widget)
            it->widget->setMouseTracking(it->before);
    }
    mTracking.clear();
}

HookOwner::Routine cSubclassListView::callbackRoutine(int ordinal) const
{
    switch (ordinal) {
    case 1:
        return Routine::Message;
    case 2:
        return Routine::Procedure;
    default:
        return Routine::None;
    }
}

void cSubclassListView::callMessageRoutine(int ordinal, bool before, bool& handled,
                                           Platform::LResult& retValue, Platform::Hwnd hwnd,
                                           Platform::Msg uMsg, Platform::WParam wParam,
                                           Platform::LParam lParam, std::intptr_t& userValue)
{
    if (ordinal == 1)
        HookProc(before, handled, retValue, hwnd, uMsg, wParam, lParam, userValue);
}

void cSubclassListView::callProcedureRoutine(int ordinal, std::span<const std::intptr_t> args,
                                             std::intptr_t& result)
{
    if (ordinal != 2 || args.size() != 4)
        return;
    HoverTimerProc(static_cast<Platform::Hwnd>(args[0]), static_cast<Platform::Msg>(args[1]),
                   static_cast<std::uintptr_t>(args[2]), static_cast<std::uint32_t>(args[3]));
    result = 0;
}

// Reads only the window, the message and lParam; never sets handled or the
// result, so the window's own handling always follows.
void cSubclassListView::HookProc(bool bBefore, bool& bHandled, Platform::LResult& lReturn,
                                 Platform::Hwnd lHwnd, Platform::Msg uMsg, Platform::WParam wParam,
                                 Platform::LParam lParam, std::intptr_t& lParamUser)
{
    Q_UNUSED(bBefore);
    Q_UNUSED(bHandled);
    Q_UNUSED(lReturn);
    Q_UNUSED(wParam);
    Q_UNUSED(lParamUser);
    using namespace Platform;

    if (lHwnd == mFormWindow || lHwnd == mContainerWindow)
        mMouseInList = false;

    if (lHwnd == mListViewWindow) {
        if (uMsg == WM_MOUSEACTIVATE)
            Destroy();
        if (uMsg == WM_MOUSEMOVE && !mMouseInList) {
            Destroy();
            mMouseInList = true;
        }
        if (uMsg == WM_ERASEBKGND && editorVisible()) {
            // The list scrolled or changed size under the editor: the edit is dropped.
            hideEditor();
            Destroy();
            RefreshColData();
        }
    }

    if (lHwnd == mHeaderWindow)
        headerMessage(lHwnd, uMsg, lParam);
}

const ImageListView* cSubclassListView::listFromWindow(Platform::Hwnd lHwnd)
{
    // The list control's window is its viewport.
    const QWidget* window = Platform::widgetOf(lHwnd);
    if (!window)
        return nullptr;
    if (const auto* list = qobject_cast<const ImageListView*>(window))
        return list;
    const auto* list = qobject_cast<const ImageListView*>(window->parentWidget());
    return list && list->viewport() == window ? list : nullptr;
}

std::uintptr_t cSubclassListView::hoverTimerId() const
{
    return reinterpret_cast<std::uintptr_t>(this) + 1;
}
