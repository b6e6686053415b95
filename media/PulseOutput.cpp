#include "PulseOutput.h"

#include "silentNotice.h"

#include <QtEndian>
#include <cerrno>
#include <cstring>

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Requests the server cannot take yet (the connection is being made, the
// server does not answer, the stream before is not yet set up) wait, the
// newest in place of the older. A sound that cannot start within this time
// of its request would no longer go with what the player did, and is
// dropped: a server that answers again after a hang plays nothing old.
constexpr auto kTooLate = 200ms;
// Without a server, requests try to connect again at most this often.
constexpr auto kRetryAfter = 1s;
// Closing a stream drops what the device still holds of it, so a stream
// stays this long after the server has taken its last sample.
constexpr pa_usec_t kLinger = PA_USEC_PER_SEC;
// How far ahead of the speaker the sounds are fed: short, and heard promptly.
constexpr pa_usec_t kLatency = 50 * PA_USEC_PER_MSEC;

// What the desktop's mixer shows of the game, and what the server remembers
// its volume by: its name, the icon of its desktop entry, a game's sounds.
constexpr const char *kAppName = "Lumidex";
constexpr const char *kAppId = LUMIDEX_APP_ID;
constexpr const char *kRole = "game";

bool tooLate(const PlayRequest &request) { return Clock::now() - request.madeAt > kTooLate; }

// Every sound goes to the server as 16-bit samples: PipeWire fills a stream
// that has run dry with zero bytes, which in 8-bit unsigned samples are not
// silence but the lowest level, a loud offset until the stream is closed.
QByteArray sixteenBit(const WaveSound &sound)
{
    if (sound.format.bitsPerSample == 16)
        return sound.samples;
    QByteArray wide(sound.samples.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < sound.samples.size(); ++i)
        qToLittleEndian<qint16>(qint16((quint8(sound.samples[i]) - 128) * 256), wide.data() + 2 * i);
    return wide;
}

} // namespace

PulseOutput::PulseOutput(pa_mainloop_api *loop) : loop(loop) { connect(); }

PulseOutput::~PulseOutput() { disconnect(); }

void PulseOutput::request(PlayRequest request)
{
    waiting = std::move(request);
    advance();
}

// Starts the waiting request when the server can take it.
void PulseOutput::advance()
{
    if (!waiting)
        return;
    if (!context) {
        if (!waiting->sound.isEmpty() && Clock::now() - lastConnect >= kRetryAfter)
            connect();
        return;
    }
    // A stream can be closed only once the server has set it up.
    if (pa_context_get_state(context) != PA_CONTEXT_READY
        || (stream && pa_stream_get_state(stream) == PA_STREAM_CREATING))
        return;
    const PlayRequest next = *std::exchange(waiting, std::nullopt);
    dropStream();
    if (!next.sound.isEmpty() && !tooLate(next))
        startStream(next);
}

void PulseOutput::connect()
{
    lastConnect = Clock::now();
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, kAppId);
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, kAppId);
    context = pa_context_new_with_proplist(loop, kAppName, properties);
    pa_proplist_free(properties);
    // Fails only when memory runs short: silent, and tried again later.
    if (!context) {
        ReportSilence(std::strerror(ENOMEM));
        return;
    }
    pa_context_set_state_callback(
        context, [](pa_context *, void *self) { static_cast<PulseOutput *>(self)->contextChanged(); }, this);
    // Never starts a server of its own: without one the game is silent.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        disconnect();
}

void PulseOutput::disconnect()
{
    if (!context)
        return;
    dropStream();
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(std::exchange(context, nullptr));
}

void PulseOutput::contextChanged()
{
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        advance();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        disconnect(); // a later request connects again
        break;
    default:
        break;
    }
}

void PulseOutput::startStream(const PlayRequest &request)
{
    const WaveSound &sound = request.sound;
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(sound.format.sampleRate), uint8_t(sound.format.channels)};
    pa_proplist *properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, kRole);
    stream = pa_stream_new_with_proplist(context, "Sound effect", &spec, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream)
        return;
    playing = request;
    pa_stream_set_state_callback(
        stream, [](pa_stream *, void *self) { static_cast<PulseOutput *>(self)->streamChanged(); }, this);
    constexpr uint32_t serverChooses = uint32_t(-1);
    const pa_buffer_attr buffer{serverChooses, uint32_t(pa_usec_to_bytes(kLatency, &spec)), serverChooses,
                                serverChooses, serverChooses};
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        dropStream();
}

// Cuts off the sound: the server forgets the stream and what it still had to play.
void PulseOutput::dropStream()
{
    if (!stream)
        return;
    if (drain) {
        pa_operation_cancel(drain);
        pa_operation_unref(std::exchange(drain, nullptr));
    }
    if (linger)
        loop->time_free(std::exchange(linger, nullptr));
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
    pa_stream_unref(std::exchange(stream, nullptr));
    playing.reset();
}

void PulseOutput::streamChanged()
{
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        // Superseded while the server set the stream up, or set up too late.
        if (waiting || tooLate(*playing)) {
            dropStream();
            advance();
        } else {
            sendSamples();
        }
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        dropStream();
        advance();
        break;
    default:
        break;
    }
}

// The whole sound at once: the server keeps it until it has played it.
void PulseOutput::sendSamples()
{
    const QByteArray samples = sixteenBit(std::exchange(playing, std::nullopt)->sound);
    pa_stream_write(stream, samples.constData(), size_t(samples.size()), nullptr, 0, PA_SEEK_RELATIVE);
    drain = pa_stream_drain(
        stream, [](pa_stream *, int, void *self) { static_cast<PulseOutput *>(self)->drained(); }, this);
}

void PulseOutput::drained()
{
    pa_operation_unref(std::exchange(drain, nullptr));
    linger = pa_context_rttime_new(
        context, pa_rtclock_now() + kLinger,
        [](pa_mainloop_api *, pa_time_event *, const timeval *, void *self) {
            static_cast<PulseOutput *>(self)->dropStream();
        },
        this);
}
