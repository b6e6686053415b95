#include "WindowMover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "X11Move.h"

WindowMover::WindowMover(QWidget *background, QWidget *window) : QObject(background), window(window)
{
    background->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *press = static_cast<QMouseEvent *>(event);
        QWindow *handle = window->windowHandle();
        // Only the primary button drags, and only while it is down: a press
        // that a pause held back may come after its release.
        if (press->button() != Qt::LeftButton || !handle || !X11Move::PrimaryButtonDown(handle).value_or(true))
            return true;
        following = !systemMove(handle, press->globalPosition());
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

bool WindowMover::systemMove(QWindow *handle, QPointF pressedAt)
{
    // On X11 the move is asked for here: Qt 6.4 gives the window manager the
    // press's place as mapped through its own record of where the window is,
    // which under openbox can still be the screen's corner; openbox then
    // moves the window by its whole distance from there on top of the drag.
    if (const std::optional<bool> started = X11Move::StartMove(handle, pressedAt))
        return *started;
    return handle->startSystemMove();
}
