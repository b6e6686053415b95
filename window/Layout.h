#pragma once
// Where everything lies on the game window, in layout units (one pixel at a
// scale of 1): the controls the window places, and so the parts of the face
// picture painted to match them (the board's and the Master Card's shadows,
// the corner marks, the logo, the mode buttons' and miss markers' ground).
// The one list of places: the picture generator (resources/tools/layout.py)
// and the end-to-end tests read this file, so a control moved here takes its
// painted parts and the tests' clicks with it; then run resources/regenerate.
// Keep each entry on one line, written as below: those readers parse it.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace Layout {

// The window. Only the face is ever seen: the window's outline cuts it to
// that, hiding whatever of the window's inside and the face panel lies below
// or right of it.
constexpr QSize kFace{302, 390};
constexpr QSize kWindowInside{309, 395};
constexpr QRect kFacePanel{0, 0, 323, 407};

// On the face panel: the controls, at their x, y, width, height. The mode
// buttons and the miss markers are as large as their pictures; the corner
// marks and the logo are painted on the face, under click areas this size.
constexpr QRect kBoard{28, 76, 233, 231};
constexpr QRect kMasterCard{28, 312, 55, 55};
constexpr QRect kPlayButton{172, 312, 45, 47};
constexpr QRect kHelpButton{218, 312, 43, 47};
constexpr QRect kMinimise{2, 2, 23, 23};
constexpr QRect kExit{274, 2, 25, 23};
constexpr QRect kLink{242, 362, 59, 23};
constexpr QRect kLowestMarker{265, 282, 37, 32};
constexpr int kMarkerStep = 30; // each next miss marker this much higher
constexpr QRect kDealButton{192, 396, 41, 19};   // below the face: never seen
constexpr QRect kStoredPanel{48, 402, 225, 223}; // the result panel until set-up moves it
constexpr QPoint kShownPanel{32, 80};            // where set-up moves it, over the board

// Inside the board's border: the Fixed Cards by column and row, and the help
// panel over them all.
constexpr int kCardColumns[] = {3, 60, 117, 174};
constexpr int kCardRows[] = {3, 59, 115, 171};
constexpr QSize kCard{55, 55};
constexpr QRect kHelpPanel{-2, -2, 235, 233};

// Inside the result panel's border: the miss count written on the win panel.
constexpr QRect kMissCount{186, 104, 14, 24};

} // namespace Layout
