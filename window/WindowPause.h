#pragma once
// Holds the game for ms milliseconds while the window keeps repainting and
// sounds keep playing; clicks made meanwhile wait and arrive afterwards.
void WindowPause(int ms);
