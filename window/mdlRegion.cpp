#include "mdlRegion.h"

#include "frmGame.h"

void ShapeWindow(frmGame &form)
{
    const QSize face(302, 390);
    form.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    form.setFixedSize(face);
    form.hWnd();
    form.update();
}
