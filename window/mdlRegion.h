#pragma once
class frmGame;

// Gives the game window its outline: only the 302 x 390 face, without the
// system's caption or frame. Creating the native window loads the game.
void ShapeWindow(frmGame &form);
