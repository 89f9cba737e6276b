#pragma once

#include "FakePlatform.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "Messages.h"
#include "RowTexts.h"
#include "cSubclassListView.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <set>

// Counts the tooltip removals (Destroy) and the header's paints, and notes
// which windows' messages reach the object.
class CountingListView : public cSubclassListView {
public:
    void Destroy() override
    {
        ++destroyCalls;
        cSubclassListView::Destroy();
    }
    int destroyCalls = 0;
    int headerPaints = 0;
    std::set<Platform::Hwnd> windowsSeen;

protected:
    void callMessageRoutine(int ordinal, bool before, bool& handled, Platform::LResult& retValue,
                            Platform::Hwnd hwnd, Platform::Msg uMsg, Platform::WParam wParam,
                            Platform::LParam lParam, std::intptr_t& userValue) override
    {
        windowsSeen.insert(hwnd);
        headerPaints += hwnd == headerWindow() && uMsg == Platform::WM_PAINT;
        cSubclassListView::callMessageRoutine(ordinal, before, handled, retValue, hwnd, uMsg,
                                              wParam, lParam, userValue);
    }
};

// A form like the main window's: the list in a frame (or directly on the
// form), a button to take the focus, the object bound to the list and given
// the header skin.
struct Grid {
    explicit Grid(int rows = 5, bool inFrame = true, bool skinned = true)
    {
        // Far off every window, so that no test starts with the mouse on the header.
        QCursor::setPos(2000, 2000);
        form.resize(640, 400);
        QWidget* container = &form;
        if (inFrame) {
            frame = new QGroupBox(u"Image List"_qs, &form);
            frame->setGeometry(8, 8, 600, 300);
            container = frame;
        }
        list = new ImageListView(container);
        list->setGeometry(8, 24, 560, 240);
        other = new QPushButton(u"Other"_qs, &form);
        other->setGeometry(8, 340, 100, 30);
        for (int i = 0; i < rows; ++i) {
            list->addItem(u"ui/img%1.png"_qs.arg(i + 1));
            list->setSubItem(i, 1, u"src%1"_qs.arg(i + 1));
            list->setSubItem(i, 2, u"tgt%1"_qs.arg(i + 1));
        }
        ImageCount::set(rows);
        for (int column = 0; column < 3; ++column)
            list->setColumnWidth(column, 160);
        object = std::make_unique<CountingListView>();
        object->SubClassListView(list);
        if (skinned)
            object->setSkinPicture(QPixmap(u":/vemarill/header_skin.bmp"_qs));
        form.show();
        QApplication::setActiveWindow(&form);
        ok = QTest::qWaitForWindowActive(&form);
    }
    ~Grid() { ImageCount::set(0); }

    // In the list's viewport.
    QPoint cellPoint(int row, int column) const
    {
        const QRect cell = list->cellRect(row, column);
        return cell.intersected(list->viewport()->rect()).center();
    }
    // The cell's rectangle in the editor's parent.
    QRect cellInContainer(int row, int column) const
    {
        const QRect cell = list->cellRect(row, column);
        return QRect(list->viewport()->mapTo(list->parentWidget(), cell.topLeft()), cell.size());
    }
    QStringList rows() const { return rowTexts(list->imageListModel()->rows()); }
    std::pair<int, int> hit() const { return {object->hitRow(), object->hitColumn()}; }
    QString text(int row, int column) const
    {
        return column == 0 ? list->itemText(row) : list->subItem(row, column);
    }
    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(list->viewport(), button, {}, cellPoint(row, column));
    }
    void doubleClick(const QPoint& at) const
    {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QLineEdit* editor() const { return object->editor(); }
    bool open(int row, int column) const
    {
        doubleClick(cellPoint(row, column));
        return editor()->isVisible() && editor()->hasFocus();
    }
    void key(Qt::Key key) const { QTest::keyClick(editor(), key); }
    // Opens the cell and types into it; false when no editor opened.
    bool typeInto(int row, int column, const QString& typed) const
    {
        if (!open(row, column))
            return false;
        QTest::keyClicks(editor(), typed);
        return true;
    }
    bool write(int row, int column, const QString& typed, Qt::Key end = Qt::Key_Return) const
    {
        if (!typeInto(row, column, typed))
            return false;
        key(end);
        return true;
    }
    QHeaderView* header() const { return list->header(); }
    QWidget* headerWindow() const { return list->header()->viewport(); }
    int left(int column) const { return header()->sectionViewportPosition(column); }
    int right(int column) const { return left(column) + header()->sectionSize(column); }
    QPoint inColumn(int column) const { return {left(column) + 20, headerWindow()->height() / 2}; }
    // The header as it paints itself now, through its hook.
    QImage look() const
    {
        return headerWindow()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void setTitle(int column, const QString& title) const
    {
        list->imageListModel()->setHeaderData(column, Qt::Horizontal, title);
    }
    FakePlatform platform;
    QWidget form;
    QGroupBox* frame = nullptr;
    ImageListView* list = nullptr;
    QPushButton* other = nullptr;
    std::unique_ptr<CountingListView> object;
    bool ok = false;
};

// A mouse move without buttons, as the window system delivers it.
inline void moveOver(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// Where two paintings differ clearly: where a title or an icon was drawn. The
// faintest antialiased edge pixels vary with the background, so they do not count.
inline QRect inkBetween(const QImage& with, const QImage& without)
{
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const QRgb a = with.pixel(x, y);
            const QRgb b = without.pixel(x, y);
            const int difference = std::max(
                {qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
            if (difference > 48)
                ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// Whether a pixel of the colour lies in the rectangle.
inline bool hasColour(const QImage& image, const QRect& area, bool (*is)(QRgb))
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (is(image.pixel(x, y)))
                return true;
    return false;
}
