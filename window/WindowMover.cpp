#include "WindowMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowMover::WindowMover(QWidget *background, QWidget *window) : QObject(background), window(window)
{
    background->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::LeftButton)
            return true; // only the primary button drags
        QWindow *handle = window->windowHandle();
        following = !(handle && handle->startSystemMove());
        grabOffset = press->globalPosition().toPoint() - window->pos();
        return true;
    }
    case QEvent::MouseMove:
        if (following)
            window->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - grabOffset);
        return following;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            following = false;
        return true;
    default:
        return false;
    }
}
