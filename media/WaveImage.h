#pragma once
#include <QByteArray>

// How the samples of a sound are laid out: 8-bit unsigned or 16-bit signed
// little-endian PCM, one or two channels interleaved.
struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;

    bool isValid() const { return channels > 0; }
    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

// The playable part of a RIFF WAVE image: its sample format and sample bytes.
struct WaveSound {
    WaveFormat format;
    QByteArray samples;

    bool isEmpty() const { return samples.isEmpty(); }
};

// Reads the "fmt " and "data" chunks of a RIFF WAVE image held in memory,
// skipping any other chunk ("fact", "LIST", ...), the pad byte after a chunk of
// odd length and whatever follows the RIFF chunk. Only 8-bit unsigned or 16-bit
// signed PCM, mono or stereo, is playable. An image that is not one, or whose
// "fmt " or "data" chunk runs past its end, gives an empty sound.
WaveSound ParseWave(const QByteArray &image);
