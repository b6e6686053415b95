#include "WindowPause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
QElapsedTimer pauseClock;
qint64 due = 0;           // when the latest pause was due to end
bool fromStart = false;   // the next rule keeps counting from the program's start

qint64 now()
{
    if (!pauseClock.isValid())
        pauseClock.start();
    return pauseClock.elapsed();
}
} // namespace

void WindowPauseCountFromStart()
{
    due = now();
    fromStart = true;
}

void WindowPauseBeginRule()
{
    if (fromStart)
        fromStart = false;
    else
        due = now();
}

void WindowPause(int ms)
{
    const qint64 start = now();
    due += ms;
    if (due <= start)
        return;

    QEventLoop loop;
    QTimer done;
    done.setSingleShot(true);
    done.setTimerType(Qt::PreciseTimer); // the coarse default drifts by tens of ms
    QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
    done.start(int(due - start));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
