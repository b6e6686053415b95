#pragma once
class frmGame;

namespace mdlMain {

// The program's start-up: the screen's scale and the display-font checks,
// then the game window.
// Returns the program's exit status.
int Main();

// Gives the window its outline (which loads it and deals the first, hidden
// and silent, game), loads the sounds, centres the window and shows it.
void ShowGameWindow(frmGame &form);

// Closes every window; the program then ends with this status.
int UnloadAllForms();

} // namespace mdlMain
