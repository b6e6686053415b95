// Times the game's start-up from the X server's own events: the moment its
// window is mapped, and the moment the damage it has drawn covers the whole
// window (its first full frame). Then, with the game left alone, reads its
// memory 2 s after mapping and, in the last run, the CPU time it takes over
// the next 10 s. Prints rows of the benchmark table.
//
//   lumidex_startup_bench [--runs N] [--label TEXT] GAME
//
// Polling for the window (xdotool search --sync) would add its interval to
// every figure, so this listens for MapNotify and DamageNotify instead.
#include <xcb/damage.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Timing.h"
#include "mdlPicfunc.h"
#include "table.h"

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr auto kGiveUp = 15s;
constexpr auto kMemoryAfterMap = 2s;
constexpr auto kIdleSpan = 10s;

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Which pixels of the window have been drawn since it was mapped, counted
// only inside the window's shape (damage outside it is never reported).
class Coverage {
public:
    Coverage(xcb_connection_t *c, xcb_window_t window, int width, int height)
        : width(width), height(height), inside(std::size_t(width * height), false)
    {
        Reply<xcb_shape_get_rectangles_reply_t> shape(
            xcb_shape_get_rectangles_reply(c, xcb_shape_get_rectangles(c, window, XCB_SHAPE_SK_BOUNDING), nullptr),
            &std::free);
        const xcb_rectangle_t *rects = xcb_shape_get_rectangles_rectangles(shape.get());
        for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(shape.get()); ++i)
            mark(rects[i], inside, outstanding);
        drawn.assign(inside.size(), false);
    }

    // Adds a damaged rectangle; true once every pixel inside the shape is drawn.
    bool add(const xcb_rectangle_t &r)
    {
        int newlyDrawn = 0;
        mark(r, drawn, newlyDrawn, &inside);
        outstanding -= newlyDrawn;
        return outstanding == 0;
    }

private:
    void mark(const xcb_rectangle_t &r, std::vector<bool> &bits, int &count, const std::vector<bool> *within = nullptr)
    {
        const int x0 = std::max(0, int(r.x)), x1 = std::min(width, r.x + r.width);
        const int y0 = std::max(0, int(r.y)), y1 = std::min(height, r.y + r.height);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const std::size_t i = std::size_t(y * width + x);
                if (!bits[i] && (!within || (*within)[i])) {
                    bits[i] = true;
                    ++count;
                }
            }
    }

    int width, height;
    std::vector<bool> inside, drawn;
    int outstanding = 0;
};

struct RunResult {
    double mappedMs = 0, frameMs = 0;
    double rssMiB = 0, pssMiB = 0;
    std::optional<double> idleCpuMs;
    std::optional<long> idleWakeups;
};

// One field ("Rss:", "Pss:") of /proc/PID/smaps_rollup, in MiB.
double rollupMiB(pid_t pid, const std::string &field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string name;
    long kib = 0;
    while (in >> name) {
        if (name == field && in >> kib)
            return double(kib) / 1024.0;
        in.ignore(1 << 20, '\n');
    }
    return 0;
}

// CPU time (ns) and context switches (each a wake-up or a preemption) summed
// over the process's threads.
struct CpuUse {
    long long ns = 0;
    long switches = 0;
};

CpuUse cpuUse(pid_t pid)
{
    CpuUse use;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream sched(task.path() / "schedstat");
        long long runNs = 0;
        sched >> runNs;
        use.ns += runNs;
        std::ifstream status(task.path() / "status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                use.switches += std::atol(line.substr(line.find(':') + 1).c_str());
    }
    return use;
}

class StartupWatch {
public:
    StartupWatch()
    {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c))
            fail("cannot open the X display");
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
        root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
    }
    ~StartupWatch() { xcb_disconnect(c); }

    RunResult run(const char *game, bool measureIdle)
    {
        drain();
        windows.clear();
        gameWindow = XCB_NONE;
        coverage.reset();

        RunResult result;
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(game, game, static_cast<char *>(nullptr));
            std::perror(game);
            _exit(127);
        }

        std::optional<Clock::time_point> mapped, framed;
        while (!framed) {
            if (Clock::now() - start > kGiveUp || waitpid(pid, nullptr, WNOHANG) == pid)
                fail("the game showed no complete window");
            pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
            poll(&fd, 1, 20);
            while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
                const Clock::time_point now = Clock::now();
                handle(event, now, mapped, framed);
                std::free(event);
            }
            if (xcb_connection_has_error(c))
                fail("lost the X connection");
        }
        result.mappedMs = msBetween(start, *mapped);
        result.frameMs = msBetween(start, *framed);

        std::this_thread::sleep_until(*mapped + kMemoryAfterMap);
        result.rssMiB = rollupMiB(pid, "Rss:");
        result.pssMiB = rollupMiB(pid, "Pss:");
        if (measureIdle) {
            const CpuUse before = cpuUse(pid);
            std::this_thread::sleep_for(kIdleSpan);
            const CpuUse after = cpuUse(pid);
            result.idleCpuMs = double(after.ns - before.ns) / 1e6;
            result.idleWakeups = after.switches - before.switches;
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return result;
    }

private:
    struct Window {
        int width = 0, height = 0;
    };

    void handle(xcb_generic_event_t *event, Clock::time_point now, std::optional<Clock::time_point> &mapped,
                std::optional<Clock::time_point> &framed)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from birth, so no drawing can slip in before the watch.
            auto *e = reinterpret_cast<xcb_create_notify_event_t *>(event);
            windows[e->window] = {e->width, e->height};
            xcb_damage_create(c, xcb_generate_id(c), e->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(c);
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            auto *e = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            if (windows.count(e->window))
                windows[e->window] = {e->width, e->height};
        } else if (type == XCB_MAP_NOTIFY) {
            auto *e = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!mapped && windows.count(e->window) && titleOf(e->window) == "Lumidex") {
                mapped = now;
                gameWindow = e->window;
                const Window &w = windows[e->window];
                coverage.emplace(c, e->window, w.width, w.height);
            }
        } else if (type == damageEvent) {
            auto *e = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (coverage && e->drawable == gameWindow && !framed && coverage->add(e->area))
                framed = now;
        }
    }

    std::string titleOf(xcb_window_t window)
    {
        Reply<xcb_get_property_reply_t> name(
            xcb_get_property_reply(c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
                                   nullptr),
            &std::free);
        if (!name)
            return {};
        return std::string(static_cast<const char *>(xcb_get_property_value(name.get())),
                           std::size_t(xcb_get_property_value_length(name.get())));
    }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c))
            std::free(event);
    }

    [[noreturn]] static void fail(const char *why)
    {
        std::fprintf(stderr, "lumidex_startup_bench: %s\n", why);
        std::exit(EXIT_FAILURE);
    }

    xcb_connection_t *c = nullptr;
    xcb_window_t root = XCB_NONE, gameWindow = XCB_NONE;
    uint8_t damageEvent = 0;
    std::map<xcb_window_t, Window> windows;
    std::optional<Coverage> coverage;
};

} // namespace

int main(int argc, char **argv)
{
    int runs = 5;
    std::string label = "Xvfb";
    const char *game = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--label" && i + 1 < argc)
            label = argv[++i];
        else
            game = argv[i];
    }
    if (!game) {
        std::fprintf(stderr, "usage: lumidex_startup_bench [--runs N] [--label TEXT] GAME\n");
        return 2;
    }

    StartupWatch watch;
    std::vector<double> mapped, framed, rss, pss;
    RunResult last;
    for (int run = 1; run <= runs; ++run) {
        last = watch.run(game, run == runs);
        std::fprintf(stderr, "  %s, run %d: mapped %.0f ms, full frame %.0f ms, RSS %.1f MiB, PSS %.1f MiB\n",
                     label.c_str(), run, last.mappedMs, last.frameMs, last.rssMiB, last.pssMiB);
        mapped.push_back(last.mappedMs);
        framed.push_back(last.frameMs);
        rss.push_back(last.rssMiB);
        pss.push_back(last.pssMiB);
    }

    const std::string runsText = label + ", " + Table::Count(runs, "run");
    Table::Row("Start-up to window mapped", runsText, Table::Ms(Table::Median(mapped)), Table::MsRange(mapped), "", "");
    // The unseen first deal's pauses, and 50 ms to show the window.
    const int frameTarget = mdlPicfunc::kCards * Timing::kDealStep + 50;
    Table::Row("Start-up to first full frame", runsText, Table::Ms(Table::Median(framed)), Table::MsRange(framed),
               "<= " + Table::Ms(frameTarget), Table::Met(Table::Median(framed) <= frameTarget));
    Table::Row("RSS 2 s after mapping", runsText, Table::Mib(Table::Median(rss)), Table::MibRange(rss), "<= 32 MiB",
               Table::Met(Table::Median(rss) <= 32));
    Table::Row("PSS 2 s after mapping", runsText, Table::Mib(Table::Median(pss)), Table::MibRange(pss), "", "");
    Table::Row("CPU time while idle for 10 s", label, Table::Ms(*last.idleCpuMs, 1),
               std::to_string(*last.idleWakeups) + " context switches", "0",
               Table::Met(*last.idleWakeups == 0 && *last.idleCpuMs == 0));
    return 0;
}
