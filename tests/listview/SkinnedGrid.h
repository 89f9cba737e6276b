#pragma once

#include "FakePlatform.h"
#include "ImageCount.h"
#include "ImageListView.h"
#include "cSubclassListView.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <memory>

// The grid as the main window has it: the list inside a frame on a form, the
// editable grid object bound to it and given the header skin.
struct SkinnedGrid {
    explicit SkinnedGrid(bool skinned = true)
    {
        // Far off every window, so that no test starts with the mouse on the header.
        QCursor::setPos(2000, 2000);
        form.resize(640, 360);
        frame = new QGroupBox(QStringLiteral("Image List"), &form);
        frame->setGeometry(8, 8, 600, 300);
        list = new ImageListView(frame);
        list->setGeometry(8, 24, 560, 240);
        for (int i = 0; i < 5; ++i) {
            list->addItem(QStringLiteral("ui/img%1.png").arg(i + 1));
            list->setSubItem(i, 1, QStringLiteral("src%1").arg(i + 1));
        }
        ImageCount::set(5);
        for (int column = 0; column < 3; ++column)
            list->setColumnWidth(column, 160);
        object = std::make_unique<cSubclassListView>();
        object->SubClassListView(list);
        if (skinned)
            object->setSkinPicture(QPixmap(QStringLiteral(":/vemarill/header_skin.bmp")));
        form.show();
        QApplication::setActiveWindow(&form);
        ok = QTest::qWaitForWindowActive(&form);
    }
    ~SkinnedGrid() { ImageCount::set(0); }

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
    std::unique_ptr<cSubclassListView> object;
    bool ok = false;
};

inline QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The skin row that header row y shows: every slice is stretched to the full height.
inline int skinRow(const QImage& header, int y)
{
    return y * 20 / header.height();
}

// Where two paintings differ clearly: where a title or an icon was drawn.
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

inline int inkAmount(const QImage& with, const QImage& without)
{
    int amount = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            amount += qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y)));
    return amount;
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
