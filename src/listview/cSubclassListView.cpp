#include "cSubclassListView.h"

#include "Cursor.h"
#include "EditorGeometry.h"
#include "EntrySplit.h"
#include "HeaderLayout.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "Messages.h"
#include "Painting.h"
#include "Rounding.h"
#include "Timers.h"
#include "Twips.h"
#include "WindowHandles.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <limits>

namespace {
const char* const kTagProperty = "Tag";

constexpr char16_t kKeyEscape = 27;
constexpr char16_t kKeyEnter = 13;
constexpr char16_t kKeyBackspace = 8;
} // namespace

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

// Properties ---------------------------------------------------------------

void cSubclassListView::setSkinPicture(const QPixmap& Value)
{
    const HeaderLayout::SkinGeometry skin = HeaderLayout::skinGeometry(Value);
    mSkinWidth = skin.width;
    mSkin = HeaderPainter(Value, skin.sliceWidth, skin.height);
    if (mHeaderWindow == 0)
        return;
    setHeaderFont();
    RefreshColData();
}

void cSubclassListView::setIconAlingmentRight(bool New_Value)
{
    mIconAlingmentRight = New_Value;
    RefreshColData();
}

void cSubclassListView::setTextNormalColor(const QColor& New_Color)
{
    mTextNormalColor = New_Color;
    RefreshColData();
}

void cSubclassListView::setTextResalteColor(const QColor& New_Color)
{
    mTextResalteColor = New_Color;
    RefreshColData();
}

void cSubclassListView::setHedersFontBlod(bool New_Value)
{
    mHedersFontBlod = New_Value;
    RefreshColData();
}

void cSubclassListView::RefreshColData()
{
    if (!mListView)
        return;
    // The header is part of the list control's window.
    mListView->viewport()->update();
    mListView->header()->viewport()->update();
}

QString cSubclassListView::GetListviewColumn(Platform::Hwnd Hwnd, int pColumn)
{
    if (!mListView || Hwnd == 0 || Hwnd != mHeaderWindow)
        return {};
    if (!HeaderItems::readItem(*mListView->header(), pColumn, mHeaderItem))
        return {};
    return mHeaderItem.text;
}

void cSubclassListView::SetPropertyTextBoxEdit(const QColor& pBackColor, const QColor& pForeColor)
{
    if (!mtextBox)
        return;
    QPalette palette = mtextBox->palette();
    palette.setColor(QPalette::Base, pBackColor);
    palette.setColor(QPalette::Text, pForeColor);
    mtextBox->setPalette(palette);
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

void cSubclassListView::createEditor()
{
    QWidget* form = mListView->window();
    mFormWindow = Platform::hwndOf(form);
    QWidget* container = mListView->parentWidget() ? mListView->parentWidget() : form;
    // The first free name of the series txtEdit0, txtEdit1, ... on the form.
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("txtEdit%1").arg(n);
        if (!form->findChild<QObject*>(name) && form->objectName() != name) {
            mEditorName = name;
            break;
        }
    }
    mtextBox = new QLineEdit(container);
    mtextBox->setObjectName(mEditorName);
    mtextBox->setFrame(false);
    mtextBox->setAccessibleName(tr("Cell text"));
    mtextBox->setAccessibleDescription(
        tr("Enter keeps the text, Esc drops it, Tab moves to the next text cell"));
    // A cell's text is edited whole, however long it is.
    mtextBox->setMaxLength(std::numeric_limits<int>::max());
    SetPropertyTextBoxEdit(QColor(Qt::white), mtextBox->palette().color(QPalette::Text));
    mtextBox->setFont(mListView->font());
    mtextBox->hide();
    mtextBox->raise();
    mtextBox->installEventFilter(this);
    mEditorObject = mtextBox.data();
    connect(mtextBox, &QLineEdit::textChanged, this, &cSubclassListView::mtextBox_Change);
}

void cSubclassListView::setHeaderFont()
{
    if (!mListView || mSkin.skinHeight() <= 0)
        return;
    // Before a skin is set its height is 0: a font of that height less 4
    // would leave the header unreadable, so the header keeps its own font.
    mListView->header()->setFont(HeaderLayout::headerFont(mSkin.skinHeight()));
}

void cSubclassListView::repaintHeader()
{
    if (mListView)
        mListView->header()->viewport()->update();
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

    if (lHwnd == mHeaderWindow) {
        if (uMsg == WM_LBUTTONDOWN) {
            mPressed = true;
            // The header control repaints its pressed item itself.
            repaintHeader();
        }
        if (uMsg == WM_LBUTTONUP) {
            mPressed = false;
            mDrag = false;
            RefreshColData();
        }
        if (uMsg == WM_NCHITTEST && mPressed && !mDrag) {
            mDrag = true;
            repaintHeader();
        }
        if (uMsg == WM_MOUSEMOVE && !mHoverTimer) {
            const ProcAddress address = mHooks.scb_SetCallbackAddr(4, 2, nullptr);
            if (address &&
                SetTimer(mHeaderWindow, hoverTimerId(), 10, procCast<TimerProc>(address)) != 0)
                mHoverTimer = true;
        }
        if (uMsg == WM_MOUSEMOVE && mListView) {
            const int item =
                mListView->headerHitTest(QPoint(xFromLParam(lParam), yFromLParam(lParam)));
            if (item != mHotColumn) {
                mHotColumn = item;
                repaintHeader();
            }
        }
        if (uMsg == WM_PAINT)
            PaintHeader(lHwnd, static_cast<qint16>(mHotColumn));
    }
}

// Hot tracking ends as soon as the mouse is found off the header.
void cSubclassListView::HoverTimerProc(Platform::Hwnd lHwnd, Platform::Msg uMsg,
                                       std::uintptr_t idEvent, std::uint32_t dwTime)
{
    Q_UNUSED(uMsg);
    Q_UNUSED(idEvent);
    Q_UNUSED(dwTime);
    if (Platform::WindowFromPoint(Platform::GetCursorPos()) == lHwnd)
        return;
    mHotColumn = -1;
    mDrag = false;
    repaintHeader();
    Platform::KillTimer(mHeaderWindow, hoverTimerId());
    mHoverTimer = false;
    Destroy();
}

void cSubclassListView::PaintHeader(Platform::Hwnd lHwnd, qint16 lHotColumn)
{
    // Without a skin there is nothing to paint with: the header paints itself.
    if (!mListView || mSkin.skin().isNull() || mSkin.sliceWidth() <= 0 || mSkin.skinHeight() <= 0)
        return;
    const QHeaderView* header = mListView->header();
    if (Platform::widgetOf(lHwnd) != header->viewport())
        return;
    Platform::PaintStruct paint;
    QPainter* hdc = Platform::BeginPaint(lHwnd, paint);
    if (!hdc)
        return;
    HeaderPaintState state;
    state.imageList = HeaderItems::imageList(*header);
    state.columns = HeaderItems::columns(*header, state.imageList);
    state.hotColumn = lHotColumn;
    state.pressed = mPressed;
    state.drag = mDrag;
    state.HedersFontBlod = mHedersFontBlod;
    state.IconAlingmentRight = mIconAlingmentRight;
    state.TextNormalColor = mTextNormalColor;
    state.TextResalteColor = mTextResalteColor;
    state.measureFont = header->font();
    mSkin.PaintHeader(*hdc, header->viewport()->size(), state);
    Platform::EndPaint(lHwnd, paint);
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

// Cell editor --------------------------------------------------------------

cSubclassListView::LastHitTest cSubclassListView::HitTestCell(const ImageListView* ListView,
                                                              double x, double y) const
{
    const QPoint inControl(Platform::twipsToPixelsX(x), Platform::twipsToPixelsY(y));
    const ImageListView::SubItemHit hit =
        ListView->subItemHitTest(inControl - ListView->clientOrigin());
    return LastHitTest{hit.point.x(), hit.point.y(), hit.flags, hit.item, hit.subItem};
}

bool cSubclassListView::EditCell(int row, int column)
{
    if (!mListView || row < 0 || row >= mListView->itemCount() || !mListView->isRowShown(row) ||
        column < 0 || column > 2)
        return false;
    CommitEdit();
    mListView->scrollToItem(row, column);
    mListView->selectItem(row);
    mLastHit = LastHitTest{0, 0, ImageListView::HitOnItemLabel, row, column};
    mListView_DblClick();
    return editorVisible();
}

int cSubclassListView::shownRowAfter(int row, int step) const
{
    for (int next = row + step; next >= 0 && next < mListView->itemCount(); next += step) {
        if (mListView->isRowShown(next))
            return next;
    }
    return -1;
}

void cSubclassListView::commitAndMove(int rowStep, int columnStep)
{
    int row = mLastHit.row;
    int column = mLastHit.column;
    CommitEdit();
    if (!mListView)
        return;
    if (columnStep != 0) {
        // Through the text cells only: Source, Target, the next row's Source.
        column = std::max(column, 1) + columnStep;
        if (column > 2 || column < 1) {
            rowStep = columnStep;
            column = column > 2 ? 1 : 2;
        }
    }
    if (rowStep != 0)
        row = shownRowAfter(row, rowStep);
    if (row >= 0)
        EditCell(row, column);
}

void cSubclassListView::PlaceEditor()
{
    if (!mtextBox || !mListView)
        return;
    const QRect label =
        mListView->subItemRect(mLastHit.row, mLastHit.column, ImageListView::PortionLabel);
    // No row, or a point right of the last column: there is no cell to edit.
    if (mLastHit.row == -1 || label.isNull()) {
        hideEditor();
        return;
    }
    const int tppX = std::max(1, Platform::roundHalfEven(Platform::twipsPerPixelX()));
    const int tppY = std::max(1, Platform::roundHalfEven(Platform::twipsPerPixelY()));
    const QRect list = mListView->geometry();
    const EditorGeometry::ListPlacement placement{
        static_cast<double>(list.x()) * tppX, static_cast<double>(list.y()) * tppY,
        static_cast<double>(list.width()) * tppX, mListView->borderWidth(),
        mListView->borderWidth()};
    const EditorGeometry::Placement editor = EditorGeometry::place(
        placement, label, mLastHit.column, GetScrollListViewWidth(mListViewWindow), tppX, tppY);
    mtextBox->setGeometry(Platform::roundHalfEven(editor.left / tppX),
                          Platform::roundHalfEven(editor.top / tppY),
                          Platform::roundHalfEven(editor.width / tppX),
                          Platform::roundHalfEven(editor.height / tppY));
    mtextBox->raise();
    BeginEdit();
}

void cSubclassListView::BeginEdit()
{
    if (mLastHit.row == -1 || !mtextBox)
        return;
    const QString text = cellText(mLastHit.row, mLastHit.column);
    mtextBox->setText(text);
    // Every press in the window comes here first while the editor is open.
    QCoreApplication::instance()->installEventFilter(&mPressWatcher);
    mtextBox->show();
    mtextBox->setFocus(Qt::OtherFocusReason);
    mtextBox->selectAll();
    // The starting text, empty included, is what a commit compares against.
    mtextBox->setProperty(kTagProperty, text);
}

void cSubclassListView::CommitEdit()
{
    if (!mtextBox || mCommitting)
        return;
    mCommitting = true;
    const bool open = mLastHit.row > -1 && editorVisible();
    const QString text = mtextBox->text();
    bool written = false;
    // The text and the split it may make are one step to undo.
    ImageListModel* model = mListView ? mListView->imageListModel() : nullptr;
    if (model)
        model->beginEditGroup(QCoreApplication::translate("cSubclassListView", "Edit"));
    if (open) {
        bool Cancel = false;
        if (text != mtextBox->property(kTagProperty).toString()) {
            QString Value = text;
            Q_EMIT AfterEdit(columna(), Cancel, Value);
        }
        if (!Cancel) {
            setCellText(mLastHit.row, mLastHit.column, text);
            written = true;
        }
    }
    hideEditor();
    // Only a written text is split, and only in the text columns.
    if (written && mLastHit.column != 0)
        splitRow(mLastHit.row, mLastHit.column, text);
    if (model)
        model->endEditGroup();
    mCommitting = false;
}

void cSubclassListView::splitRow(int row, int column, const QString& text)
{
    if (mListView && EntrySplit::splitInto(*mListView->imageListModel(), row, column, text))
        mtextBox->setText(QString());
}

QString cSubclassListView::cellText(int row, int column) const
{
    if (!mListView || row < 0 || row >= mListView->itemCount())
        return {};
    if (column == 0)
        return mListView->itemText(row);
    if (column == 1 || column == 2)
        return mListView->subItem(row, column);
    return {};
}

void cSubclassListView::setCellText(int row, int column, const QString& text)
{
    // The rows may have changed under an open editor (a new search, a load).
    if (!mListView || row < 0 || row >= mListView->itemCount())
        return;
    if (column == 0)
        mListView->setItemText(row, text);
    else if (column == 1 || column == 2)
        mListView->setSubItem(row, column, text);
}

bool cSubclassListView::editorVisible() const
{
    return mtextBox && !mtextBox->isHidden();
}

void cSubclassListView::hideEditor()
{
    QCoreApplication::instance()->removeEventFilter(&mPressWatcher);
    if (!mtextBox || mtextBox->isHidden())
        return;
    const bool hadFocus = mtextBox->hasFocus();
    // Hiding moves the focus on, and so runs the focus-lost handling, which
    // then finds the editor hidden.
    mtextBox->hide();
    if (hadFocus && mListView && mListView->isVisible())
        mListView->setFocus(Qt::OtherFocusReason);
}

// Notifications ------------------------------------------------------------

void cSubclassListView::mListView_MouseDown(int Button, int Shift, double x, double y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Destroy();
    CommitEdit();
    if (mListView)
        mLastHit = HitTestCell(mListView, x, y);
}

void cSubclassListView::mListView_DblClick()
{
    bool Cancel = false;
    Q_EMIT BeforeEdit(columna(), Cancel);
    if (!Cancel)
        PlaceEditor();
}

void cSubclassListView::mtextBox_Change()
{
    if (mLastHit.column == -1)
        return;
    QString Value = mtextBox->text();
    Q_EMIT Change(columna(), Value);
}

void cSubclassListView::mtextBox_KeyPress(char16_t& KeyAscii)
{
    switch (KeyAscii) {
    case kKeyEscape:
        hideEditor();
        break;
    case kKeyEnter:
        CommitEdit();
        break;
    case kKeyBackspace:
        break;
    default:
        if (mLastHit.column != -1) {
            bool Cancel = false;
            Q_EMIT KeyPress(columna(), Cancel, KeyAscii);
            if (Cancel)
                KeyAscii = 0;
        }
        break;
    }
}

void cSubclassListView::mtextBox_LostFocus()
{
    CommitEdit();
    if (editorVisible())
        hideEditor();
}

bool cSubclassListView::typedIntoEditor(const QString& typed)
{
    // Each character goes through KeyPress; the editor gets what comes back.
    QString result;
    for (const QChar character : typed) {
        char16_t KeyAscii = character.unicode();
        mtextBox_KeyPress(KeyAscii);
        if (KeyAscii != 0)
            result.append(QChar(KeyAscii));
    }
    if (result == typed)
        return false;
    // A key cancelled whole changes nothing: inserting nothing would still
    // delete the selection, which is the whole text when an edit opens.
    if (!result.isEmpty())
        mtextBox->insert(result);
    return true;
}

bool cSubclassListView::eventFilter(QObject* watched, QEvent* event)
{
    // Plain object pointers: the editor and the list reach here while they are
    // being destroyed, when they are no longer of their own class.
    if (watched == mEditorObject) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                const bool back =
                    key->key() == Qt::Key_Backtab || key->modifiers() & Qt::ShiftModifier;
                commitAndMove(0, back ? -1 : 1);
                return true;
            }
            if (enter && key->modifiers() & Qt::ControlModifier) {
                commitAndMove(1, 0);
                return true;
            }
            char16_t KeyAscii = 0;
            if (key->key() == Qt::Key_Escape)
                KeyAscii = kKeyEscape;
            else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                KeyAscii = kKeyEnter;
            else if (key->key() == Qt::Key_Backspace)
                KeyAscii = kKeyBackspace;
            if (KeyAscii != 0) {
                mtextBox_KeyPress(KeyAscii);
                // Backspace is the editor's own; Esc and Enter end here.
                return KeyAscii != kKeyBackspace;
            }
            const QString typed = key->text();
            const bool printable =
                !typed.isEmpty() && std::none_of(typed.begin(), typed.end(), [](QChar c) {
                    return c.category() == QChar::Other_Control;
                });
            if (printable && !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
                return typedIntoEditor(typed);
        } else if (event->type() == QEvent::FocusOut) {
            // Another window or the editor's own menu taking the focus is no
            // move to another control. An editor that is being destroyed (no
            // longer a QLineEdit) loses its focus too: its edit goes with it.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                qobject_cast<QLineEdit*>(watched))
                mtextBox_LostFocus();
        }
    } else if (watched == mListObject && event->type() == QEvent::KeyPress) {
        // F2 or Enter on a selected row edits its Source Text.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool opens =
            key->key() == Qt::Key_F2 || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (opens && key->modifiers() == Qt::NoModifier && mListView &&
            EditCell(mListView->selectedIndex(), 1))
            return true;
    } else if (watched == mListObject && event->type() == QEvent::FontChange && mtextBox) {
        // The editor shares the list's font.
        mtextBox->setFont(mListView->font());
    }
    return QObject::eventFilter(watched, event);
}

// A click on a control that takes no focus (a scroll bar, a frame) moves no
// focus, yet it is a move to another control all the same.
bool cSubclassListView::PressWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_owner.pressedOutsideEditor(watched);
    return false;
}

void cSubclassListView::pressedOutsideEditor(QObject* target)
{
    if (!editorVisible() || target == mEditorObject || !target->isWidgetType())
        return;
    const auto* widget = static_cast<QWidget*>(target);
    if (widget->window() == mtextBox->window() && !mtextBox->isAncestorOf(widget))
        CommitEdit();
}
