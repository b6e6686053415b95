#pragma once
// Holds the game for ms milliseconds while the window keeps repainting and
// sounds keep playing. Only input is held back here: clicks, keys and wheel
// turns wait and arrive afterwards, in order. Everything else the window
// system sends is handled during the pause, so frmGame itself holds what must
// not run inside a rule: the result timer's tick, and a close of the window
// (the window system's, or the one a quit request makes), which it carries
// out once the rule is done.
// The pauses of one rule are counted from the rule's start, each from where
// the one before was due to end, so the drawing and sound requests between
// them do not add up: a deal takes 1.6 s, not 16 times a little over 100 ms.
void WindowPause(int ms);

// A rule begins: its first pause is counted from now.
void WindowPauseBeginRule();

// Start-up: the first rule's pauses are counted from the program's start, so
// that building the window hides inside the unseen first deal's 1.6 s.
void WindowPauseCountFromStart();
