#pragma once
// The rules of one game: the deal, the Master Card draw, the Fixed Card pick
// with its memory misses, the row check and the end of the game. Each handler
// runs to completion; the window calls it for the matching click. A handler
// called for a control the state locks does nothing.
#include <string>

#include "GameOutside.h"
#include "RandomSource.h"
#include "mdlPicfunc.h"

class GameRules {
public:
    GameRules(mdlPicfunc::GameState &state, GameOutside &outside, RandomSource &random)
        : s(state), outside(outside), random(random) {}

    void SetUp();               // the window's load: every card locked on its back
    void cmdPlay_Click();       // deal a new game
    void picShow_Click();       // draw a picture on the Master Card
    void picMat_Click(int k);   // pick Fixed Card k
    void Timer1_Timer();        // hide the result panel
    void ShowHelp();            // the help panel over the board; the Master Card locked
    void HideHelp();            // the help panel gone; the Master Card unlocked

private:
    void CheckWin(int x, int y);
    void BlinkLine(int first, int step);
    void EndOfGame(int16_t panel, const std::string &caption);

    mdlPicfunc::GameState &s;
    GameOutside &outside;
    RandomSource &random;
};
