// Times the game's pauses as a player sees them: the game window with its
// real waits, driven by clicks, each rule measured from the start of its first
// pause to the end of its last, against the lengths the rules ask for. Prints
// rows of the benchmark table.
//
//   lumidex_pause_bench [--rounds N]      (on the platform QT_QPA_PLATFORM names)
#include <QApplication>
#include <QElapsedTimer>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Timing.h"
#include "WindowPause.h"
#include "WindowRig.h"
#include "table.h"

using namespace mdlPicfunc;
using namespace Timing;

namespace {

struct TimedPause {
    int ms;
    qint64 beginNs, endNs;
};

// A stretch of a rule's pauses: how long it lasted and how long it was meant to.
struct Stretch {
    double measuredMs, nominalMs;
};

class PauseClock {
public:
    PauseClock() { clock.start(); }

    void pause(int ms)
    {
        const qint64 begin = clock.nsecsElapsed();
        WindowPause(ms);
        taken.push_back({ms, begin, clock.nsecsElapsed()});
    }

    // Forgets the pauses so far: the next click's pauses are numbered from 0.
    void clear() { taken.clear(); }
    int count() const { return int(taken.size()); }

    Stretch stretch(int first, int last) const
    {
        double nominal = 0;
        for (int i = first; i <= last; ++i)
            nominal += taken[i].ms;
        return {double(taken[last].endNs - taken[first].beginNs) / 1e6, nominal};
    }

private:
    QElapsedTimer clock;
    std::vector<TimedPause> taken;
};

void report(const std::string &measure, const std::string &condition, const std::vector<Stretch> &samples)
{
    std::vector<double> measured;
    double worst = 0;
    for (const Stretch &s : samples) {
        measured.push_back(s.measuredMs);
        worst = std::max(worst, std::abs(s.measuredMs - s.nominalMs) / s.nominalMs * 100);
    }
    const double nominal = samples.front().nominalMs;
    const double median = Table::Median(measured);
    const double off = (median - nominal) / nominal * 100;
    Table::Row(measure, condition + ", " + Table::Count(int(samples.size()), "sample"),
               Table::Ms(median, 1) + " (" + (off >= 0 ? "+" : "") + Table::Number(off, 2) + " %)",
               Table::MsRange(measured, 1) + ", worst " + Table::Number(worst, 2) + " % off",
               "within 2 % of " + Table::Ms(nominal), Table::Met(worst <= 2));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int rounds = 3;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--rounds")
            rounds = std::max(1, std::atoi(argv[i + 1]));

    PauseClock clock;
    WindowRig rig;
    rig.onPause = [&clock](int ms) { clock.pause(ms); };
    std::map<std::string, std::vector<Stretch>> samples;

    rig.load(); // deals the first game hidden, as start-up does
    samples["hidden"].push_back(clock.stretch(0, clock.count() - 1));

    for (int round = 0; round < rounds; ++round) {
        // The play button holds pressed, then the deal lays the cards.
        clock.clear();
        rig.click(rig.control("imgAction", 0));
        samples["deal"].push_back(clock.stretch(1, clock.count() - 1));

        // A wrong pick shows the card's face, then the four cards of the top
        // row are matched, the last one completing the row.
        clock.clear();
        rig.draw(2);
        rig.click(rig.card(1));
        samples["pick"].push_back(clock.stretch(0, 0));
        for (int k = 1; k <= kBoardSide; ++k) {
            clock.clear();
            rig.draw(k);
            rig.click(rig.card(k));
            samples["pick"].push_back(clock.stretch(0, 0));
        }
        samples["blink"].push_back(clock.stretch(1, clock.count() - 1));
    }

    const std::string platform = QGuiApplication::platformName().toStdString();
    const std::string deal = std::to_string(kCards) + " x " + Table::Ms(kDealStep);
    report("Pause: hidden start-up deal, " + deal, platform, samples["hidden"]);
    report("Pause: deal, " + deal, platform, samples["deal"]);
    report("Pause: picked card shown, " + Table::Ms(kPickShown), platform, samples["pick"]);
    report("Pause: win blinking, " + std::to_string(kBlinkSteps) + " x " + Table::Ms(kBlinkStep), platform,
           samples["blink"]);
    return 0;
}
