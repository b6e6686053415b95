#pragma once
// Every duration of the game, in milliseconds: the one place to change one.
namespace Timing {

constexpr int kDealStep = 100;       // after each card the deal lays, with its tick
constexpr int kPickShown = 1000;     // a picked card shows its face, match or not
constexpr int kBlinkStep = 500;      // one step of a winning line's blinking
constexpr int kBlinkSteps = 8;       // the line goes off and on four times
constexpr int kResultShown = 5000;   // the result panel stays up, then the result timer hides it
constexpr int kModeButtonHeld = 100; // a released mode button stays pressed while its click sounds

} // namespace Timing
