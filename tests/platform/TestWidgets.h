#pragma once

#include "Messages.h"

#include <QList>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

// Answers every sent message with wParam + lParam and records it.
class AnsweringWidget : public QWidget {
public:
    QList<Platform::Msg> received;

protected:
    bool event(QEvent* event) override
    {
        if (Platform::WindowMessageEvent* message = Platform::WindowMessageEvent::from(event)) {
            received.append(message->message());
            message->setResult(message->wParam() + message->lParam());
            return true;
        }
        return QWidget::event(event);
    }
};

// Counts its own mouse and paint handling; paints itself blue.
class CountingWidget : public AnsweringWidget {
public:
    int presses = 0;
    int releases = 0;
    int paints = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::blue);
    }
};
