#pragma once

namespace mdlFontSize {

// True when the desktop's user-interface font is small enough for the game's
// fixed-size window, or when its size cannot be learned; false when the
// desktop is set to large fonts. Needs the application object.
bool IsSmallFonts();

} // namespace mdlFontSize
