#include "mdlRegion.h"

#include "Layout.h"
#include "frmGame.h"

void ShapeWindow(frmGame &form)
{
    form.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    form.setFixedSize(Layout::kFace);
    form.hWnd();
    form.update();
}
