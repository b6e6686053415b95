#pragma once
// Holds the game for ms milliseconds while the window keeps repainting and
// sounds keep playing; clicks made meanwhile wait and arrive afterwards.
// The pauses of one rule are counted from the rule's start, each from where
// the one before was due to end, so the drawing and sound requests between
// them do not add up: a deal takes 1.6 s, not 16 times a little over 100 ms.
void WindowPause(int ms);

// A rule begins: its first pause is counted from now.
void WindowPauseBeginRule();

// Start-up: the first rule's pauses are counted from the program's start, so
// that building the window hides inside the unseen first deal's 1.6 s.
void WindowPauseCountFromStart();
