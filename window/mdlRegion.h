#pragma once
class frmGame;

// Gives the game window its outline: only the face (Layout::kFace), without the
// system's caption or frame. Creating the native window loads the game.
void ShapeWindow(frmGame &form);
