// Plays a script of sound requests at given times through the game's player,
// so that a recording of the sound server shows what a player hears.
//
//   lumidex_wave_script MS:REQUEST ...
//
// REQUEST is "load" (fill the slots), "slot:N" (PlayWave on slot N, 0 for
// sndFlip; before "load" the slot is empty), "file:PATH" (a WAVE file, read
// before the script starts, through the same player) or "end". Prints each
// request's time since the start and how long it took to return.
#include "WavePlayer.h"
#include "mdlSound.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <functional>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    for (const QString &argument : app.arguments().mid(1)) {
        const QString request = argument.section(':', 1);
        std::function<void()> run = QCoreApplication::quit;
        if (request == "load")
            run = mdlSound::LoadWaves;
        else if (request.startsWith("slot:"))
            run = [slot = Sound(request.mid(5).toInt())] { mdlSound::PlayWave(slot); };
        else if (QFile file(request.mid(5)); request.startsWith("file:") && file.open(QIODevice::ReadOnly))
            run = [sound = ParseWave(file.readAll())] { mdlSound::Player().play(sound); };
        QTimer::singleShot(argument.section(':', 0, 0).toInt(), Qt::PreciseTimer, &app, [&clock, request, run] {
            const qint64 start = clock.nsecsElapsed();
            run();
            std::printf("%.1f ms: %s (returned after %.2f ms)\n", start / 1e6, qPrintable(request),
                        (clock.nsecsElapsed() - start) / 1e6);
            std::fflush(stdout);
        });
    }
    return app.exec();
}
