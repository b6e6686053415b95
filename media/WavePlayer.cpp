#include "WavePlayer.h"

#include "PulseOutput.h"
#include "silentNotice.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <pthread.h>
#include <pulse/mainloop.h>
#include <sys/resource.h>
#include <system_error>

namespace {

// The connection to the sound server takes up to six file descriptors, and
// is made before the window shows; the window needs a few more after it to
// be drawn at all (a process out of descriptors shows it black), and the
// help its file. Sound gets only what is left beyond this many.
constexpr rlim_t kWindowsShare = 16;

bool DescriptorsToSpare()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return true; // no limit to go by
    DIR *open = opendir("/proc/self/fd");
    if (!open)
        return errno != EMFILE; // without /proc, the loop's own failure tells
    rlim_t count = 0;
    while (const dirent *entry = readdir(open))
        count += entry->d_name[0] != '.';
    closedir(open);
    return count + kWindowsShare <= limit.rlim_cur;
}

} // namespace

WavePlayer::WavePlayer()
{
    // The player fails only when the system is short of file descriptors,
    // memory or threads: the game goes on without sound rather than end.
    if (!DescriptorsToSpare()) {
        ReportSilence(std::strerror(EMFILE));
        return;
    }
    loop = pa_mainloop_new();
    if (!loop) {
        ReportSilence(std::strerror(errno));
        return;
    }
    try {
        worker = std::thread(&WavePlayer::run, this);
    } catch (const std::system_error &error) {
        pa_mainloop_free(std::exchange(loop, nullptr));
        ReportSilence(error.code().message());
    }
}

WavePlayer::~WavePlayer()
{
    if (!loop)
        return;
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
    if (!loop)
        return;
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
