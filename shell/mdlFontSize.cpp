#include "mdlFontSize.h"

#include <QFontInfo>
#include <QGuiApplication>

namespace mdlFontSize {

namespace {
// A character height above this many pixels means large fonts.
constexpr int kThreshold = 16;
} // namespace

bool IsSmallFonts()
{
    // The height measured is the pixel size of the font Qt takes from the
    // desktop for its widgets, in logical pixels: 96 to the inch, because a
    // scaled screen scales the whole window, so only a font the user made
    // larger counts. Stock fonts pass (Qt's 9 pt is 12 px, KDE's 10 pt 13 px,
    // GNOME's 11 pt 15 px, and so on up to 12 pt = 16 px); from 12.5 pt
    // (17 px) up the window's texts would no longer fit, and the notice shows.
    // A size that cannot be learned comes out as 0 or less: small.
    const int height = QFontInfo(QGuiApplication::font()).pixelSize();
    return height <= kThreshold;
}

} // namespace mdlFontSize
