#pragma once
#include "Sound.h"

// What the rules need from the world around them. The window plays real
// sounds and really waits; tests record the calls and never wait.
class GameOutside {
public:
    virtual ~GameOutside() = default;
    // Brings the screen up to date with the game state, then starts a sound
    // and returns at once.
    virtual void PlayWave(Sound sound) = 0;
    // Brings the screen up to date with the game state, then holds the game
    // for ms milliseconds; clicks made meanwhile wait until the rule is done.
    virtual void Pause(int ms) = 0;
};
