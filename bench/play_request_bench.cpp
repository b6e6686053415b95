// Times what a play request costs the UI thread: mdlSound::PlayWave for each
// slot in turn, with the event loop running between requests as in the game.
// The label names the sound server the requests went to. Prints rows of the
// benchmark table.
//
//   lumidex_play_request_bench [--requests N] [--label TEXT]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "mdlSound.h"
#include "table.h"

namespace {

constexpr int kSlots = int(Sound::sndSpare) + 1;
constexpr int kGapMs = 30; // about the quickest a player clicks
constexpr double kTargetMs = 0.05;

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double timedPlay(Sound slot)
{
    QElapsedTimer clock;
    clock.start();
    mdlSound::PlayWave(slot);
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int requests = 120;
    std::string condition = "no sound server";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--requests")
            requests = std::max(2, std::atoi(argv[i + 1]));
        if (std::string(argv[i]) == "--label")
            condition = argv[i + 1];
    }

    mdlSound::LoadWaves();
    // As in the game, the first request comes while the player still connects.
    const double first = timedPlay(Sound(0));
    std::vector<double> later;
    for (int i = 1; i < requests; ++i) {
        runEventLoopFor(kGapMs);
        later.push_back(timedPlay(Sound(i % kSlots)));
    }
    runEventLoopFor(kGapMs);

    std::sort(later.begin(), later.end());
    const double p99 = later[std::size_t(std::ceil(double(later.size()) * 0.99)) - 1];
    const std::string target = "< " + Table::Ms(kTargetMs, 2);
    Table::Row("Play request on the UI thread, first", condition, Table::Ms(first, 3), "", target,
               Table::Met(first < kTargetMs));
    Table::Row("Play request on the UI thread, later", condition + ", " + Table::Count(int(later.size()), "request"),
               Table::Ms(Table::Median(later), 3) + " median",
               "99th percentile " + Table::Ms(p99, 3) + ", max " + Table::Ms(later.back(), 3), target,
               Table::Met(p99 < kTargetMs));
    return 0;
}
