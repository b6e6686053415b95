#include "mdlScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <cmath>
#include <cstdio>

namespace mdlScale {
namespace {

// The context the scale's texts are translated in.
struct Scale {
    Q_DECLARE_TR_FUNCTIONS(Scale)
};

// Below this the 13 px text comes out under 10 screen pixels, too small to read.
constexpr double kSmallest = 0.75;
// A window more than this many times the screen's size in either direction
// shows less than half of itself, and its controls may lie out of reach.
constexpr int kLargest = 2;

// The settings that gave the scale, as the user wrote them.
QString Settings()
{
    QStringList set;
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"})
        if (qEnvironmentVariableIsSet(name))
            set << QStringLiteral("%1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
    return set.isEmpty() ? Scale::tr("the desktop's setting") : set.join(QStringLiteral(", "));
}

} // namespace

QString Problem(double scale, const QSize &window, const QSize &screen)
{
    if (!std::isfinite(scale) || scale <= 0)
        return Scale::tr("a scale must be a number above 0");
    if (scale < kSmallest)
        return Scale::tr("its text would be too small to read (the smallest scale is %1)").arg(kSmallest);
    if (window.width() > kLargest * screen.width() || window.height() > kLargest * screen.height())
        return Scale::tr("it would be more than twice the size of the screen");
    return {};
}

bool CanShow(const QSize &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return true; // nothing to measure: the window system has the say
    const QString problem = Problem(screen->devicePixelRatio(), window, screen->geometry().size());
    if (problem.isEmpty())
        return true;
    const QString message = Scale::tr("the window cannot be shown at a scale of %1 (%2): %3.")
                                .arg(screen->devicePixelRatio())
                                .arg(Settings(), problem);
    std::fprintf(stderr, "lumidex: %s\n", qPrintable(message));
    return false;
}

} // namespace mdlScale
