#include "EditorGeometry.h"
#include "EntrySplit.h"
#include "ImageListView.h"
#include "Rounding.h"
#include "Twips.h"
#include "WindowHandles.h"
#include "cSubclassListView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

// The grid's cell editor: opening it on a cell, its keys, and writing it back.

namespace {
const char* const kTagProperty = "Tag";

constexpr char16_t kKeyEscape = 27;
constexpr char16_t kKeyEnter = 13;
constexpr char16_t kKeyBackspace = 8;
} // namespace

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

void cSubclassListView::SetPropertyTextBoxEdit(const QColor& pBackColor, const QColor& pForeColor)
{
    if (!mtextBox)
        return;
    QPalette palette = mtextBox->palette();
    palette.setColor(QPalette::Base, pBackColor);
    palette.setColor(QPalette::Text, pForeColor);
    mtextBox->setPalette(palette);
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
