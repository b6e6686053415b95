#pragma once
// The one game state, its numbering rules and the shuffle.
#include <cstdint>
#include <span>
#include <string>

#include "Indexed.h"
#include "RandomSource.h"
#include "ResourceIds.h"

namespace mdlPicfunc {

// Bitmap ids of the pictures the rules put on the controls.
constexpr int16_t kNoPicture = 0;   // the empty picture: a blank white card
using ResourceIds::kFirstFace;
using ResourceIds::kFixedBack;
using ResourceIds::kLastFace;
using ResourceIds::kLosePanel;
using ResourceIds::kMasterBack;
using ResourceIds::kWinPanel;

constexpr int kBoardSide = 4;                   // the board is 4 x 4 Fixed Cards
constexpr int kCards = kBoardSide * kBoardSide;
constexpr int kPictures = kLastFace - kFirstFace + 1;
constexpr int kMissesToLose = 8;                // one sad face each; the eighth loses

// Card k (1..16) lies in column (k - 1) mod 4 and row (k - 1) div 4.
constexpr int CardColumn(int k) { return (k - 1) % kBoardSide; }
constexpr int CardRow(int k) { return (k - 1) / kBoardSide; }
constexpr int CardAt(int column, int row) { return kBoardSide * row + column + 1; }

// The values of intBoard.
constexpr int16_t kFaceDown = 0;
constexpr int16_t kFaceUp = -1;     // matched: face up for the rest of the game

// The values of intSeen: what the player has been shown of a picture.
constexpr int16_t kNeverShown = 0;  // not on its Fixed Card
constexpr int16_t kShownOnce = 1;   // on its Fixed Card, turned up by a wrong pick
constexpr int16_t kCostAMiss = 2;   // a memory miss has been recorded for it

// Card k carries the letter "a" + (k - 1).
constexpr char CardLetter(int k) { return char('a' + (k - 1)); }
constexpr int LetterCard(char letter) { return letter - 'a' + 1; }

// Picture n (1..54) is bitmap n + 500.
constexpr int16_t PictureBitmap(int n) { return int16_t(kFirstFace - 1 + n); }

// What the window shows of one card-like control.
struct Control {
    int16_t picture = kNoPicture;
    bool visible = true;
    bool enabled = true;
    bool operator==(const Control &) const = default;
};

struct GameState {
    // The rules' fields.
    Indexed<Indexed<int16_t, 0, kBoardSide - 1>, 0, kBoardSide - 1> intBoard; // [column][row]: kFaceDown, kFaceUp
    Indexed<int16_t, 1, kCards> intCardPic;         // bitmap id dealt to each card
    Indexed<int16_t, 1, kPictures> intDeck;         // shuffle buffer of the deal
    int16_t intMasterPic = 0;                       // bitmap id last drawn
    std::string strFaceDown;                        // letters of the face-down cards
    Indexed<int16_t, kFirstFace, kLastFace> intSeen; // by picture: kNeverShown, kShownOnce, kCostAMiss
    uint8_t bytMisses = 0;                          // memory misses in this game
    bool blnAwaitMaster = false;                    // true: the next legal click is on the Master Card

    // What the window's controls show; the rules decide it, the window draws it.
    Indexed<Control, 1, kCards> picMat;             // the Fixed Cards
    Control picShow;                                // the Master Card
    Indexed<bool, 0, kMissesToLose - 1> imgBad;     // the sad faces, one per memory miss
    Control picMsg{kWinPanel, false, true};         // the result panel
    std::string lblMsg;                             // the miss count written on the win panel
    bool Timer1Enabled = false;                     // hides the result panel when it ticks
    bool txtHelpVisible = false;                    // the help panel covers the board
    bool operator==(const GameState &) const = default;
};

// Permutes deck[1..n] in place, drawing the partner over the whole array at
// every step; the rounding makes the two ends half as likely as the rest.
void ShuffleDeck(std::span<int16_t> deck, RandomSource &random);

} // namespace mdlPicfunc
