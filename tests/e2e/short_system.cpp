// Preloaded into the game (LD_PRELOAD) as a system short of resources: with
// LUMIDEX_REFUSE=thread no std::thread can be made, as when the process limit
// is reached; with LUMIDEX_REFUSE=pipe no pipe, as when descriptors run out.
// Qt's and GLib's threads and wake-ups (eventfds) are left alone.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <pthread.h>
#include <unistd.h>

static bool refused(const char *what) { return std::getenv("LUMIDEX_REFUSE") && !std::strcmp(std::getenv("LUMIDEX_REFUSE"), what); }

extern "C" int pthread_create(pthread_t *thread, const pthread_attr_t *attributes, void *(*start)(void *), void *argument)
{
    Dl_info where;
    if (refused("thread") && dladdr(reinterpret_cast<void *>(start), &where) && std::strstr(where.dli_fname, "libstdc++"))
        return EAGAIN;
    return reinterpret_cast<decltype(&pthread_create)>(dlsym(RTLD_NEXT, "pthread_create"))(thread, attributes, start, argument);
}

extern "C" int pipe2(int fds[2], int flags)
{
    if (refused("pipe"))
        return errno = EMFILE, -1;
    return reinterpret_cast<decltype(&pipe2)>(dlsym(RTLD_NEXT, "pipe2"))(fds, flags);
}
