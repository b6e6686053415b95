#pragma once
// Moves the frameless window when its background is dragged with the primary
// mouse button: the window system does the move where it can; elsewhere the
// window follows the pointer.
#include <QObject>
#include <QPoint>

class QWidget;

class WindowMover : public QObject {
public:
    WindowMover(QWidget *background, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window;
    QPoint grabOffset;
    bool following = false;
};
