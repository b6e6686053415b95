#include "mdlSound.h"

#include "ResourceIds.h"
#include "WavePlayer.h"
#include "catalogue.h"

#include <array>

namespace mdlSound {
namespace {

struct Slot {
    QByteArray bytes;
    // Parsed once when filled, so that a play request touches no resource.
    WaveSound sound;
};

using namespace ResourceIds;
constexpr std::array kWaveIds{kFlipWave, kWinWave, kClickWave, kMatchWave, kRefuseWave, kSpareWave}; // in Sound order
static_assert(std::size_t(Sound::sndSpare) + 1 == kWaveIds.size());

std::array<Slot, kWaveIds.size()> soundSlots;

Slot &slotFor(Sound sound) { return soundSlots.at(std::size_t(sound)); }

} // namespace

void LoadWaves()
{
    for (std::size_t i = 0; i < kWaveIds.size(); ++i) {
        soundSlots[i].bytes = Catalogue::LoadResData(kWaveIds[i], QStringLiteral("WAVE"));
        soundSlots[i].sound = ParseWave(soundSlots[i].bytes);
    }
    // Connects to the sound server while the window comes up.
    Player();
}

void PlayWave(Sound slot)
{
    Player().play(slotFor(slot).sound);
}

const QByteArray &SlotBytes(Sound slot)
{
    return slotFor(slot).bytes;
}

WavePlayer &Player()
{
    // Needs nothing of Qt's, so it may go after Qt when exit() ends the
    // program (as Qt does when the display goes away).
    static WavePlayer instance;
    return instance;
}

} // namespace mdlSound
