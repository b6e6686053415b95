#include "WindowPause.h"

#include <QEventLoop>
#include <QTimer>

void WindowPause(int ms)
{
    QEventLoop loop;
    QTimer done;
    done.setSingleShot(true);
    done.setTimerType(Qt::PreciseTimer); // the coarse default drifts by tens of ms
    QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
    done.start(ms);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
