#pragma once
#include "WaveImage.h"

#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

struct pa_mainloop;

// A play request as the caller made it.
struct PlayRequest {
    WaveSound sound;
    std::chrono::steady_clock::time_point madeAt;
};

// Plays one sound at a time from memory, in the background. Everything that
// talks to the sound server runs on a thread of the player's own; the caller
// only leaves its request in a one-place mailbox and wakes that thread, so a
// request never waits for the server, whether it is busy, hung or missing.
// A request that comes while an older one still waits in the mailbox takes
// its place: the newest sound wins and nothing queues up.
// A system too short of file descriptors, memory or threads to give the
// player its main loop and thread leaves it silent, said once on stderr;
// requests are then dropped.
class WavePlayer {
public:
    // Starts the player's thread, which connects to the sound server at once.
    WavePlayer();
    // Cuts off the sound playing and ends the thread, without waiting for
    // the sound server.
    ~WavePlayer();
    WavePlayer(const WavePlayer &) = delete;
    WavePlayer &operator=(const WavePlayer &) = delete;

    // Cuts off the sound playing, then starts `sound`; an empty sound only
    // stops. Returns at once.
    void play(const WaveSound &sound);

private:
    void run();

    pa_mainloop *loop = nullptr; // none when silent
    std::mutex mailboxLock;
    std::optional<PlayRequest> mailbox;
    bool quitting = false;
    std::thread worker;
};
