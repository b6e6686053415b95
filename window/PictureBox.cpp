#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "catalogue.h"

PictureBox::PictureBox(QWidget *parent, Border border, QColor back)
    : QWidget(parent), border(border), back(back)
{
    // A press on a control is the control's own: it never moves the window.
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureBox::setPictureId(int id)
{
    if (id == currentId)
        return;
    currentId = id;
    setPicture(id ? Catalogue::LoadResPicture(id) : QImage());
}

void PictureBox::setPicture(const QImage &image)
{
    picture = image;
    if (autoSize && !picture.isNull())
        resize(picture.size() + QSize(2 * borderWidth(), 2 * borderWidth()));
    update();
}

int PictureBox::borderWidth() const
{
    switch (border) {
    case Border::None: return 0;
    case Border::Single: return 1;
    case Border::Sunken: return 2;
    }
    return 0;
}

void PictureBox::place(QWidget *child, int left, int top) const
{
    child->move(left + borderWidth(), top + borderWidth());
}

void PictureBox::click()
{
    emit mouseDown();
    emit mouseUp();
    emit clicked();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int b = borderWidth();
    if (back.alpha())
        p.fillRect(rect(), back);
    if (!picture.isNull())
        p.drawImage(b, b, picture);
    const int w = width(), h = height();
    if (border == Border::Single) {
        p.setPen(Qt::black);
        p.drawRect(0, 0, w - 1, h - 1);
    } else if (border == Border::Sunken) {
        // Two lines each side: shadow above and left, light below and right.
        const QColor dark(128, 128, 128), darker(64, 64, 64), light(255, 255, 255), lighter(212, 208, 200);
        p.setPen(dark);
        p.drawLine(0, 0, w - 2, 0);
        p.drawLine(0, 0, 0, h - 2);
        p.setPen(light);
        p.drawLine(0, h - 1, w - 1, h - 1);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        p.setPen(darker);
        p.drawLine(1, 1, w - 3, 1);
        p.drawLine(1, 1, 1, h - 3);
        p.setPen(lighter);
        p.drawLine(1, h - 2, w - 2, h - 2);
        p.drawLine(w - 2, 1, w - 2, h - 2);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressedInside = true;
    event->accept();
    emit mouseDown();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseUp();
    // A click is a press and a release of the primary button on the same control.
    if (event->button() != Qt::LeftButton)
        return;
    if (pressedInside && rect().contains(event->position().toPoint()))
        emit clicked();
    pressedInside = false;
}
