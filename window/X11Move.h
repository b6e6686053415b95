#pragma once
// What the X11 window system says and does about moving the window by its
// background: whether the primary button is down at this moment (a press
// that a pause held back may arrive after its release), and the window
// manager's own move, asked for with the press's place on the screen.
#include <optional>

class QPointF;
class QWindow;

namespace X11Move {

// Whether the primary mouse button is down now; no answer off X11.
std::optional<bool> PrimaryButtonDown(const QWindow *window);

// Asks the window manager to move window from the press at pressedAt (its
// global position) until the button goes up. False with no window manager
// that moves windows on request; no answer off X11.
std::optional<bool> StartMove(QWindow *window, QPointF pressedAt);

} // namespace X11Move
