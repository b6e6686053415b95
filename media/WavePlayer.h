#pragma once
#include "WaveImage.h"

#include <memory>

class QAudioSink;
class QBuffer;

// Plays one sound at a time from memory, in the background. The output is
// opened for each sound and kept open after the sound has been handed over, so
// that the sound server plays what it still buffers to the end; only the next
// request closes it. Without a sound server every request is ignored silently.
// Lives on the thread that runs the event loop, which feeds the output.
class WavePlayer {
public:
    WavePlayer();
    ~WavePlayer();
    WavePlayer(const WavePlayer &) = delete;
    WavePlayer &operator=(const WavePlayer &) = delete;

    // Cuts off the sound playing, then starts `sound`; an empty sound only
    // stops. Returns at once.
    void play(const WaveSound &sound);
    void stop();

private:
    std::unique_ptr<QBuffer> source;
    std::unique_ptr<QAudioSink> sink;
};
