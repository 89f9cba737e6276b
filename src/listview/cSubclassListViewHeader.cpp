#include "Cursor.h"
#include "HeaderLayout.h"
#include "ImageListView.h"
#include "Messages.h"
#include "Painting.h"
#include "Timers.h"
#include "WindowHandles.h"
#include "cSubclassListView.h"

#include <QHeaderView>

// The grid's header: its look, hot tracking and skinned painting.

// Header look --------------------------------------------------------------

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

// Header messages ------------------------------------------------------------

void cSubclassListView::headerMessage(Platform::Hwnd lHwnd, Platform::Msg uMsg,
                                      Platform::LParam lParam)
{
    using namespace Platform;
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
        const int item = mListView->headerHitTest(QPoint(xFromLParam(lParam), yFromLParam(lParam)));
        if (item != mHotColumn) {
            mHotColumn = item;
            repaintHeader();
        }
    }
    if (uMsg == WM_PAINT)
        PaintHeader(lHwnd, static_cast<qint16>(mHotColumn));
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
