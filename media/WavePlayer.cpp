#include "WavePlayer.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace {

// Qt's sound-server backend complains on every attempt to reach a server
// that is not there. A game without sound is still a game: drop those
// complaints and nothing else.
QtMessageHandler passOn = nullptr;

bool isMissingServerComplaint(const QString &message)
{
    return message.startsWith(QLatin1String("PulseAudioService:"));
}

void dropMissingServerComplaints(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (type == QtWarningMsg && isMissingServerComplaint(message))
        return;
    passOn(type, context, message);
}

void installComplaintFilter()
{
    static const bool installed = [] {
        passOn = qInstallMessageHandler(dropMissingServerComplaints);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

WavePlayer::WavePlayer()
{
    installComplaintFilter();
}

WavePlayer::~WavePlayer()
{
    stop();
}

void WavePlayer::play(const WaveSound &sound)
{
    stop();
    if (sound.isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    source = std::make_unique<QBuffer>();
    source->setData(sound.samples);
    source->open(QIODevice::ReadOnly);
    sink = std::make_unique<QAudioSink>(device, sound.format);
    sink->start(source.get());
}

void WavePlayer::stop()
{
    if (sink)
        sink->stop();
    sink.reset();
    source.reset();
}
