#include "WindowPause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// Pauses that follow each other within a rule (the deal's 16 cards, the
// blinking) are timed from where the previous one was due to end, so the
// drawing and the sound request between them do not add up: a deal takes
// 1.6 s, not 16 times a little more than 100 ms.
constexpr qint64 kSameRuleMs = 30;
QElapsedTimer pauseClock;
qint64 lastDue = -1;
} // namespace

void WindowPause(int ms)
{
    if (!pauseClock.isValid())
        pauseClock.start();
    const qint64 now = pauseClock.elapsed();
    const bool follows = lastDue >= 0 && now - lastDue <= kSameRuleMs;
    const qint64 due = (follows ? lastDue : now) + ms;
    lastDue = due;
    if (due <= now)
        return;

    QEventLoop loop;
    QTimer done;
    done.setSingleShot(true);
    done.setTimerType(Qt::PreciseTimer); // the coarse default drifts by tens of ms
    QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
    done.start(int(due - now));
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
