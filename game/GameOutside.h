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
    // for ms milliseconds. Meanwhile the screen keeps showing that state and
    // the sound plays on, and nothing else of the rules runs: clicks and keys
    // wait and come afterwards, in order, against the state the rule left;
    // the result timer's tick waits until the rule is done; so does a request
    // to close the window or to quit, which is then carried out.
    virtual void Pause(int ms) = 0;
};
