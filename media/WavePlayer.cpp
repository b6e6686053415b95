#include "WavePlayer.h"

#include "PulseOutput.h"

#include <pthread.h>
#include <pulse/mainloop.h>

WavePlayer::WavePlayer() : loop(pa_mainloop_new()), worker(&WavePlayer::run, this) {}

WavePlayer::~WavePlayer()
{
    {
        std::lock_guard lock(mailboxLock);
        quitting = true;
    }
    pa_mainloop_wakeup(loop);
    worker.join();
    pa_mainloop_free(loop);
}

void WavePlayer::play(const WaveSound &sound)
{
    std::optional<PlayRequest> replaced;
    {
        std::lock_guard lock(mailboxLock);
        replaced = std::exchange(mailbox, PlayRequest{sound, std::chrono::steady_clock::now()});
    }
    // One wake-up per letter: the thread empties the mailbox before it
    // sleeps again.
    if (!replaced)
        pa_mainloop_wakeup(loop);
}

void WavePlayer::run()
{
    pthread_setname_np(pthread_self(), "lumidex-sound");
    // Woken by a request, the thread waits for a free core rather than take
    // the caller's: a request costs the UI thread only the hand-over.
    const sched_param none{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &none);
    PulseOutput output(pa_mainloop_get_api(loop));
    for (;;) {
        std::optional<PlayRequest> letter;
        {
            std::lock_guard lock(mailboxLock);
            if (quitting)
                return;
            letter.swap(mailbox);
        }
        if (letter)
            output.request(std::move(*letter));
        if (pa_mainloop_iterate(loop, 1, nullptr) < 0)
            return;
    }
}
