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
    setDrawnPicture(id, {}, [id](qreal ratio) { return id ? Catalogue::LoadResPicture(id, ratio) : QImage(); });
}

void PictureBox::setDrawnPicture(int id, const QString &key, Fetch how)
{
    if (id == currentId && key == drawnKey)
        return;
    currentId = id;
    drawnKey = key;
    setPicture(std::move(how));
}

void PictureBox::setLayoutPicture(const QString &name)
{
    setPicture([name](qreal ratio) { return Catalogue::LoadLayoutPicture(name, ratio); });
}

void PictureBox::setPicture(Fetch how)
{
    fetch = std::move(how);
    picture = fetch(1);
    sharp = QImage();
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
    if (!picture.isNull()) {
        const qreal ratio = devicePixelRatioF();
        if (ratio > 1) {
            // The twin fills the picture's place: pixel for pixel at a ratio of
            // 2, smoothly scaled down between 1 and 2.
            if (sharp.isNull())
                sharp = fetch(ratio);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(QPoint(b, b), picture.size()), sharp);
        } else {
            p.drawImage(b, b, picture);
        }
    }
    // Borders are filled as whole window pixels, so that a scaled screen
    // draws each at its own place and never over the picture.
    const int w = width(), h = height();
    if (border == Border::Single) {
        p.fillRect(0, 0, w, 1, Qt::black);
        p.fillRect(0, h - 1, w, 1, Qt::black);
        p.fillRect(0, 0, 1, h, Qt::black);
        p.fillRect(w - 1, 0, 1, h, Qt::black);
    } else if (border == Border::Sunken) {
        // Two lines each side: shadow above and left, light below and right.
        const QColor dark(128, 128, 128), darker(64, 64, 64), light(255, 255, 255), lighter(212, 208, 200);
        p.fillRect(0, 0, w - 1, 1, dark);
        p.fillRect(0, 0, 1, h - 1, dark);
        p.fillRect(0, h - 1, w, 1, light);
        p.fillRect(w - 1, 0, 1, h, light);
        p.fillRect(1, 1, w - 3, 1, darker);
        p.fillRect(1, 1, 1, h - 3, darker);
        p.fillRect(1, h - 2, w - 2, 1, lighter);
        p.fillRect(w - 2, 1, 1, h - 2, lighter);
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
