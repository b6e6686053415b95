#pragma once
#include "WavePlayer.h"

#include <pulse/context.h>
#include <pulse/stream.h>

// The sound server as the player's thread sees it, through PulseAudio's
// client library (PipeWire desktops serve the same protocol): one connection
// and one stream per sound. Lives on that thread and is driven by its main
// loop; no call waits for the server.
class PulseOutput {
public:
    // Starts connecting, so that the first sound finds the server ready.
    explicit PulseOutput(pa_mainloop_api *loop);
    // Drops the connection and with it any sound, at once.
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    void request(PlayRequest request);

private:
    void advance();
    void connect();
    void disconnect();
    void startStream(const PlayRequest &request);
    void dropStream();
    void contextChanged();
    void streamChanged();
    void sendSamples();
    void drained();

    pa_mainloop_api *loop;
    pa_context *context = nullptr;
    std::chrono::steady_clock::time_point lastConnect;
    std::optional<PlayRequest> waiting;

    // The sound being played, and what it still needs: its samples until the
    // server can take them, then the drain and the wait after it.
    pa_stream *stream = nullptr;
    std::optional<PlayRequest> playing;
    pa_operation *drain = nullptr;
    pa_time_event *linger = nullptr;
};
