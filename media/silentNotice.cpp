#include "silentNotice.h"

#include <QCoreApplication>
#include <atomic>
#include <cstdio>

namespace {

// The context the player's texts are translated in.
struct SoundPlayer {
    Q_DECLARE_TR_FUNCTIONS(SoundPlayer)
};

std::atomic_flag said;

} // namespace

void ReportSilence(const std::string &why)
{
    if (said.test_and_set())
        return;
    const QString text = SoundPlayer::tr("playing without sound: %1").arg(QString::fromStdString(why));
    std::fprintf(stderr, "lumidex: %s\n", qPrintable(text));
}
