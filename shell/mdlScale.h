#pragma once
// The scale a window is shown at: the desktop's, or what QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS or QT_FONT_DPI make of it. The windows are laid out
// in window pixels; a scale gives each of them that many of the screen's.
#include <QSize>
#include <QString>

namespace mdlScale {

// Why a window of `window` window pixels cannot be shown at `scale` on a
// screen of `screen` window pixels; empty when it can. Any usual scale (up
// to 3) can, on any screen from 640 x 600 up, even where it starts partly
// off the screen, as it always has.
QString Problem(double scale, const QSize &window, const QSize &screen);

// True when a window of `window` window pixels can be shown on the primary
// screen, where it goes; otherwise says why, in one line on stderr.
bool CanShow(const QSize &window);

} // namespace mdlScale
