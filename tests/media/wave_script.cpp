// Plays a script of sound requests at given times through the game's player,
// so that a recording of the sound server shows what a player hears.
//
//   lumidex_wave_script MS:REQUEST ...
//
// REQUEST is "load" (fill the slots), "slot:NAME" (PlayWave on a slot, e.g.
// slot:sndFlip; before "load" the slot is empty), "file:PATH" (a WAVE file,
// read before the script starts, played through the same player) or "end".
// Each request's time since the start and how long it took to return are
// printed, one line each.
#include "WavePlayer.h"
#include "mdlSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace {

const std::map<QString, Sound> slotNames{
    {"sndFlip", Sound::sndFlip},   {"sndWin", Sound::sndWin},
    {"sndClick", Sound::sndClick}, {"sndMatch", Sound::sndMatch},
    {"sndRefuse", Sound::sndRefuse}, {"sndSpare", Sound::sndSpare},
};

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "wave_script: %s\n", qPrintable(why));
    std::exit(2);
}

std::function<void()> action(const QString &request)
{
    if (request == "load")
        return mdlSound::LoadWaves;
    if (request == "end")
        return QCoreApplication::quit;
    if (request.startsWith("slot:")) {
        const auto slot = slotNames.find(request.mid(5));
        if (slot == slotNames.end())
            fail("no slot " + request);
        return [sound = slot->second] { mdlSound::PlayWave(sound); };
    }
    if (request.startsWith("file:")) {
        QFile file(request.mid(5));
        if (!file.open(QIODevice::ReadOnly))
            fail("cannot read " + file.fileName());
        return [sound = parseWave(file.readAll())] { mdlSound::player().play(sound); };
    }
    fail("unknown request " + request);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Read every request (and its file) first, so that the times hold.
    std::vector<std::tuple<int, QString, std::function<void()>>> script;
    for (const QString &argument : app.arguments().mid(1)) {
        const qsizetype colon = argument.indexOf(':');
        bool ok = false;
        const int at = argument.left(colon).toInt(&ok);
        if (colon < 0 || !ok)
            fail("not MS:REQUEST: " + argument);
        const QString request = argument.mid(colon + 1);
        script.emplace_back(at, request, action(request));
    }
    QElapsedTimer clock;
    clock.start();
    for (const auto &[at, request, run] : script) {
        QTimer::singleShot(at, Qt::PreciseTimer, &app, [&clock, request, run] {
            const qint64 start = clock.nsecsElapsed();
            run();
            const qint64 end = clock.nsecsElapsed();
            std::printf("%.1f ms: %s (returned after %.2f ms)\n", start / 1e6,
                        qPrintable(request), (end - start) / 1e6);
            std::fflush(stdout);
        });
    }
    return app.exec();
}
