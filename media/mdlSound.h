#pragma once
// The game's six sound slots and the one player they go through.
#include "Sound.h"

#include <QByteArray>

class WavePlayer;

namespace mdlSound {

// Fills the six slots from WAVE 102, 103, 104, 105, 106 and 108, in that
// order; each slot holds every byte of its resource. Called once at start-up;
// starts the player too, so that it is connected by the first sound.
void LoadWaves();

// Starts the slot's sound in the background and returns at once. The newest
// request cuts off the sound before it; an empty slot only stops it. Without a
// sound device nothing sounds and nothing is reported; on a system too short
// of resources to play, nothing sounds and stderr says so once.
void PlayWave(Sound slot);

// The slot's bytes: the complete WAVE image, or nothing before LoadWaves.
const QByteArray &SlotBytes(Sound slot);

// The player every slot goes through, so that other sounds (a test's tones)
// cut off the slots' sounds and are cut off by them.
WavePlayer &Player();

} // namespace mdlSound
