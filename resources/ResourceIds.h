#pragma once
// Every embedded resource the game uses, by type and numeric id, with what it
// is: the one list of them. The rules, the window, the catalogue and the
// generators under tools/ (which read this file) take their ids from here.
#include <cstdint>

namespace ResourceIds {

// CURSOR
constexpr int16_t kHandCursor = 101;   // the hand over every control that takes clicks

// WAVE: the sound of each slot, in the order of the slots
constexpr int16_t kFlipWave = 102;     // sndFlip: the draw, a wrong pick
constexpr int16_t kWinWave = 103;      // sndWin: the jingle of a win
constexpr int16_t kClickWave = 104;    // sndClick: a card laid by the deal, a mode button released
constexpr int16_t kMatchWave = 105;    // sndMatch: a match
constexpr int16_t kRefuseWave = 106;   // sndRefuse: a click that is not the legal one next
constexpr int16_t kSpareWave = 108;    // sndSpare: loaded, never played

// TEXT
constexpr int16_t kInstructions = 107; // the help panel's text

// BITMAP
constexpr int16_t kFixedBack = 255;    // a Fixed Card's blue back
constexpr int16_t kModeReleased = 300; // + button index: 300 play, 301 help, at rest
constexpr int16_t kModePressed = 310;  // + button index: 310 play, 311 help, held down
constexpr int16_t kMasterBack = 350;   // the Master Card's red back
constexpr int16_t kLosePanel = 400;    // the result panel of a lost game
constexpr int16_t kWinPanel = 401;     // the result panel of a win, with a gap for the miss count
constexpr int16_t kLoseGround = 402;   // the lose panel without its words, for the game to write them
constexpr int16_t kWinGround = 403;    // the win panel without its words, for the game to write them
constexpr int16_t kFirstFace = 501;    // card faces: picture n (1 to 54) is bitmap 500 + n
constexpr int16_t kLastFace = 554;

// ICON
constexpr int16_t kIcon = 30001;       // the window's icon

// LAYOUT: pictures stored with the window, named after their controls
constexpr char kWindowFace[] = "Picture1"; // the window face, with its minimise and exit marks and logo
constexpr char kSadFace[] = "imgBad";      // a miss marker

} // namespace ResourceIds
