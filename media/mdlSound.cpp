#include "mdlSound.h"

#include "WavePlayer.h"
#include "catalogue.h"

#include <QCoreApplication>

#include <array>

namespace mdlSound {
namespace {

struct Slot {
    QByteArray bytes;
    // Parsed once when filled, so that a play request touches no resource.
    WaveSound sound;
};

constexpr std::array waveIds{102, 103, 104, 105, 106, 108}; // in Sound order
static_assert(std::size_t(Sound::sndSpare) + 1 == waveIds.size());

std::array<Slot, waveIds.size()> soundSlots;

Slot &slotFor(Sound sound) { return soundSlots.at(std::size_t(sound)); }

void stopBeforeQtGoesAway() { player().stop(); }

} // namespace

void LoadWaves()
{
    for (std::size_t i = 0; i < waveIds.size(); ++i) {
        soundSlots[i].bytes = Catalogue::LoadResData(waveIds[i], QStringLiteral("WAVE"));
        soundSlots[i].sound = parseWave(soundSlots[i].bytes);
    }
}

void PlayWave(Sound slot)
{
    player().play(slotFor(slot).sound);
}

const QByteArray &slotBytes(Sound slot)
{
    return slotFor(slot).bytes;
}

WavePlayer &player()
{
    static WavePlayer instance;
    // The output must close while the multimedia backend is still there.
    static const bool closesWithApp = (qAddPostRoutine(stopBeforeQtGoesAway), true);
    Q_UNUSED(closesWithApp);
    return instance;
}

} // namespace mdlSound
