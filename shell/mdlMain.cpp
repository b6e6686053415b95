#include "mdlMain.h"

#include <QApplication>
#include <QScreen>
#include <cmath>
#include <cstdlib>

#include "Layout.h"
#include "frmGame.h"
#include "frmIcon.h"
#include "mdlFontSize.h"
#include "mdlRegion.h"
#include "mdlScale.h"
#include "mdlSound.h"

namespace mdlMain {

int Main()
{
    if (!mdlScale::CanShow(Layout::kFace))
        return EXIT_FAILURE;
    if (!mdlFontSize::IsSmallFonts()) {
        frmIcon notice;
        notice.exec();
        return UnloadAllForms();
    }
    frmGame form;
    ShowGameWindow(form);
    return QApplication::exec();
}

void ShowGameWindow(frmGame &form)
{
    ShapeWindow(form);
    mdlSound::LoadWaves();
    // Centred from the sizes alone, not kept within the screen: on a screen
    // smaller than the window the board, its middle, stays in the middle.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const double left = screen.width() / 2.0 - form.width() / 2.0;
    const double top = screen.height() / 2.0 - form.height() / 2.0;
    form.move(screen.x() + int(std::lround(left)), screen.y() + int(std::lround(top)));
    form.show();
}

int UnloadAllForms()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    return 0;
}

} // namespace mdlMain
