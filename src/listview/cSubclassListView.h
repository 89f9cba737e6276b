#pragma once

#include "HeaderItems.h"
#include "HeaderPainter.h"
#include "HookRegistry.h"
#include "ImageListView.h"
#include "ToolTipHolder.h"
#include "WindowTypes.h"

#include <QColor>
#include <QLineEdit>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

// Turns the list control into an editable grid: lays a borderless editor
// over a double-clicked cell, writes it back, splits "before | after" into two
// rows, and watches the list, its header, its form and its container through
// the message hook registry.
//
// The events are signals with by-reference parameters: a client connected
// directly (the default on the GUI thread) may set Cancel, replace KeyAscii,
// or read Value.
class cSubclassListView : public QObject, private HookOwner {
    Q_OBJECT
public:
    explicit cSubclassListView(QObject* parent = nullptr);
    // Ends in this order: Destroy, the editor goes, every hook is removed, the
    // hover timer stops, the callback entries are released.
    ~cSubclassListView() override;
    cSubclassListView(const cSubclassListView&) = delete;
    cSubclassListView& operator=(const cSubclassListView&) = delete;

    // Shows a tooltip over the list control, replacing the one before; the
    // cursor moves to the last hit point. Does nothing before binding. Always false.
    // Icon: 0 none, 1 information, 2 warning, 3 error. Style 1: balloon, else
    // a rectangle. BackColor black (0) keeps the default background.
    bool SowToolTipText(const QString& Title, const QString& TipText, int Icon = 0, int Style = 0,
                        bool Centered = false, const QColor& ForeColor = QColor(Qt::black),
                        const QColor& BackColor = QColor(Qt::black), int VisibleTime = 5000,
                        int DelayTime = 0);
    // Removes the tooltip window if there is one.
    virtual void Destroy();

    void setSkinPicture(const QPixmap& Value);
    QPixmap SkinPicture() const { return mSkin.skin(); }
    void setIconAlingmentRight(bool New_Value);
    bool IconAlingmentRight() const { return mIconAlingmentRight; }
    void setTextNormalColor(const QColor& New_Color);
    QColor TextNormalColor() const { return mTextNormalColor; }
    void setTextResalteColor(const QColor& New_Color);
    QColor TextResalteColor() const { return mTextResalteColor; }
    bool HedersFontBlod() const { return mHedersFontBlod; }
    void setHedersFontBlod(bool New_Value);
    // Makes the list control repaint at its next paint.
    void RefreshColData();
    // The title of a header column, at most 31 characters; fills the header
    // item record. Empty when Hwnd is not this list's header or there is no such column.
    QString GetListviewColumn(Platform::Hwnd Hwnd, int pColumn);
    // Editor colours; does nothing before an editor exists.
    void SetPropertyTextBoxEdit(const QColor& pBackColor = QColor(Qt::black),
                                const QColor& pForeColor = QColor(Qt::black));
    // Pixels of the list's vertical scroll bar while rows overflow, else 0.
    int GetScrollListViewWidth(Platform::Hwnd Hwnd) const;
    // Binds the list control, makes the editor and installs the hooks. Always false.
    bool SubClassListView(ImageListView* ListView);
    // Opens the editor on a cell from the keyboard, as a double click on it
    // would (BeforeEdit first). False when there is no such shown row.
    bool EditCell(int row, int column);

    // Read access for clients and for the header painting and tooltips.
    ImageListView* listView() const { return mListView; }
    QLineEdit* editor() const { return mtextBox; }
    QString editorName() const { return mEditorName; }
    int hitRow() const { return mLastHit.row; }
    int hitColumn() const { return mLastHit.column; }
    Platform::Hwnd listViewWindow() const { return mListViewWindow; }
    Platform::Hwnd headerWindow() const { return mHeaderWindow; }
    Platform::Hwnd formWindow() const { return mFormWindow; }
    Platform::Hwnd containerWindow() const { return mContainerWindow; }
    int hotColumn() const { return mHotColumn; }
    bool isHeaderPressed() const { return mPressed; }
    bool isHeaderDragged() const { return mDrag; }
    bool isHoverTimerRunning() const { return mHoverTimer; }
    int skinHeight() const { return mSkin.skinHeight(); }
    int skinWidth() const { return mSkinWidth; }
    int sliceWidth() const { return mSkin.sliceWidth(); }
    const HeaderItems::HeaderItemRecord& headerItemRecord() const { return mHeaderItem; }
    // The current tooltip window, null when there is none.
    ToolTipWindow* toolTipWindow() const { return mToolTip.window(); }
    // The arguments of the last SowToolTipText.
    const ToolTipOptions& toolTipSettings() const { return mToolTipSettings; }

Q_SIGNALS:
    void BeforeEdit(qint16 Columna, bool& Cancel);
    void AfterEdit(qint16 Columna, bool& Cancel, QString& Value);
    void KeyPress(qint16 Columna, bool& Cancel, char16_t& KeyAscii);
    void Change(qint16 Columna, QString& Value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The registry's way into HookProc (ordinal 1) and HoverTimerProc (ordinal 2).
    Routine callbackRoutine(int ordinal) const override;
    void callMessageRoutine(int ordinal, bool before, bool& handled, Platform::LResult& retValue,
                            Platform::Hwnd hwnd, Platform::Msg uMsg, Platform::WParam wParam,
                            Platform::LParam lParam, std::intptr_t& userValue) override;
    void callProcedureRoutine(int ordinal, std::span<const std::intptr_t> args,
                              std::intptr_t& result) override;

private:
    struct LastHitTest {
        int x = 0;
        int y = 0;
        int flags = 0;
        int row = -1;
        int column = -1;
    };

    // Sees every mouse press of the application while the editor is open.
    class PressWatcher : public QObject {
    public:
        explicit PressWatcher(cSubclassListView& owner) : m_owner(owner) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        cSubclassListView& m_owner;
    };

    struct Tracking {
        QPointer<QWidget> widget;
        bool before = false;
    };

    void HookProc(bool bBefore, bool& bHandled, Platform::LResult& lReturn, Platform::Hwnd lHwnd,
                  Platform::Msg uMsg, Platform::WParam wParam, Platform::LParam lParam,
                  std::intptr_t& lParamUser);
    void HoverTimerProc(Platform::Hwnd lHwnd, Platform::Msg uMsg, std::uintptr_t idEvent,
                        std::uint32_t dwTime);
    // The header's share of HookProc: pressed, dragged and hot column, and its painting.
    void headerMessage(Platform::Hwnd lHwnd, Platform::Msg uMsg, Platform::LParam lParam);
    void PaintHeader(Platform::Hwnd lHwnd, qint16 lHotColumn);
    LastHitTest HitTestCell(const ImageListView* ListView, double x, double y) const;
    void PlaceEditor();
    void BeginEdit();
    void CommitEdit();

    void mListView_MouseDown(int Button, int Shift, double x, double y);
    void mListView_DblClick();
    void mtextBox_Change();
    void mtextBox_KeyPress(char16_t& KeyAscii);
    void mtextBox_LostFocus();

    void createEditor();
    void hookWindows();
    bool hookWindow(Platform::Hwnd lHwnd, std::initializer_list<Platform::Msg> messages);
    void trackMouse(Platform::Hwnd lHwnd);
    void restoreMouseTracking();
    static const ImageListView* listFromWindow(Platform::Hwnd lHwnd);
    void setHeaderFont();
    void repaintHeader();
    void hideEditor();
    bool editorVisible() const;
    qint16 columna() const { return static_cast<qint16>(mLastHit.column); }
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);
    void splitRow(int row, int column, const QString& text);
    bool typedIntoEditor(const QString& typed);
    // Tab, Shift+Tab and Ctrl+Enter in the editor: commit, then edit the next
    // (or previous) text cell, or the same column of the next row.
    void commitAndMove(int rowStep, int columnStep);
    int shownRowAfter(int row, int step) const;
    void pressedOutsideEditor(QObject* target);
    std::uintptr_t hoverTimerId() const;

    HeaderItems::HeaderItemRecord mHeaderItem;
    Platform::Hwnd mListViewWindow = 0;
    Platform::Hwnd mHeaderWindow = 0;
    bool mDrag = false;
    bool mPressed = false;
    int mHotColumn = -1;
    bool mHoverTimer = false;
    bool mIconAlingmentRight = false;
    QColor mTextNormalColor = Qt::black;
    QColor mTextResalteColor = Qt::black;
    bool mHedersFontBlod = false;
    int mSkinWidth = 0;
    // Holds the skin picture and its slice size for painting, as the skin
    // device context does.
    HeaderPainter mSkin;
    ToolTipOptions mToolTipSettings;
    ToolTipHolder mToolTip;
    Platform::Hwnd mFormWindow = 0;
    Platform::Hwnd mContainerWindow = 0;
    QString mEditorName;
    LastHitTest mLastHit;
    QPointer<QLineEdit> mtextBox;
    QPointer<ImageListView> mListView;
    QPointer<QObject> mEditorObject;
    QPointer<QObject> mListObject;
    bool mMouseInList = false;
    HookRegistry mHooks{*this};
    std::vector<Tracking> mTracking;
    bool mCommitting = false;
    PressWatcher mPressWatcher{*this};
};
