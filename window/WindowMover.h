#pragma once
// Moves the frameless window when its background is dragged with the primary
// mouse button, while that button is down: the window system does the move
// where it can; elsewhere the window follows the pointer.
#include <QObject>
#include <QPoint>

class QWidget;
class QWindow;

class WindowMover : public QObject {
public:
    WindowMover(QWidget *background, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Hands the move to the window system; false where the window must follow the pointer itself.
    bool systemMove(QWindow *handle, QPointF pressedAt);

    QWidget *window;
    QPoint grabOffset;
    bool following = false;
};
