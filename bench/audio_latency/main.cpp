// SPDX-License-Identifier: MIT
// Latency of a sound player: from the moment "prev" + "play" is sent to the
// moment its first non-silent sample is handed to the output, measured on
// SDL's disk driver, which takes one buffer of the game's size at the pace of
// a sound card and writes it to a file. For each mixed buffer a post-mix hook
// notes when it was mixed and where it starts in the output; the onsets found
// in the written file then give, through those notes, the time each restart
// was first heard. The floor is one buffer: a sound sent just after a buffer
// was mixed waits for the next one. The disk driver writes a buffer as soon
// as it is mixed; a sound card first plays out the buffer ahead of it, which
// adds one buffer more, printed as an estimate for a real device.
#include "audiodevice.h"
#include "soundplayers.h"
#include "wavefile.h"

#include <QTemporaryDir>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Trials = 60;
constexpr std::int16_t Level = 8000;

struct MixedBuffer
{
    Clock::time_point mixedAt;
    std::int64_t firstFrame;
};

// Written by the audio thread only, read once the device is closed.
std::array<MixedBuffer, 1 << 16> mixedBuffers;
std::atomic<std::size_t> mixedCount{0};
std::int64_t framesMixed = 0;

// The device was mixing before the hook came in: the first buffer it sees
// gets a marker of value 1 in its first sample, which places the notes in
// the written file.
constexpr std::int16_t Marker = 1;

void noteBuffer(void *bytesPerFrame, Uint8 *stream, int bytes)
{
    const std::size_t index = mixedCount.load(std::memory_order_relaxed);
    if (index == 0)
        std::copy_n(reinterpret_cast<const Uint8 *>(&Marker), sizeof Marker, stream);
    if (index < mixedBuffers.size())
        mixedBuffers[index] = {Clock::now(), framesMixed};
    framesMixed += bytes / *static_cast<int *>(bytesPerFrame);
    mixedCount.store(index + 1, std::memory_order_release);
}

// Frames of the written output where a sound begins after silence, counted
// from the marked buffer.
std::vector<std::int64_t> onsets(const std::filesystem::path &raw)
{
    std::ifstream in(raw, std::ios::binary);
    std::vector<std::int64_t> found;
    std::int64_t marked = -1;
    std::int16_t frame[AudioDevice::Channels];
    bool sounding = false;
    for (std::int64_t at = 0; in.read(reinterpret_cast<char *>(frame), sizeof frame); ++at) {
        if (frame[0] == Marker && marked < 0)
            marked = at;
        const bool loud = frame[0] >= Level / 2;
        if (loud && !sounding)
            found.push_back(at - marked);
        sounding = loud;
    }
    return found;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

} // namespace

int main()
{
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "audio_latency: no temporary directory: %s\n", qPrintable(scratch.errorString()));
        return 1;
    }
    const std::filesystem::path dir = scratch.path().toStdString();
    const auto raw = dir / "mixed.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    // In the mixer's own format, so nothing is converted on the way.
    const WaveFormat mixerFormat{AudioDevice::Frequency, AudioDevice::Channels, 16};
    writeFile(dir / "1.wav", waveBytes(mixerFormat, AudioDevice::Frequency / 10, [](int, int) { return Level; }));

    std::vector<Clock::time_point> sentAt;
    double bufferMs = 0;
    int bufferFrames = 0;
    int rate = 0;
    {
        AudioDevice device;
        if (device.driverName() != "disk") {
            std::fprintf(stderr, "audio_latency: the disk driver did not open\n");
            return 1;
        }
        rate = device.frequency();
        int bytesPerFrame = device.bytesPerFrame();
        bufferFrames = AudioDevice::BufferFrames;
        bufferMs = 1000.0 * bufferFrames / rate;

        SoundPlayers players(device);
        players.load(1);
        players[1].setFileName((dir / "1.wav").string());
        players[1].setCommand(Command::Open);
        Mix_SetPostMix(noteBuffer, &bytesPerFrame);

        // Each restart at a random point of the buffer cycle, then silence
        // long enough for the next onset to stand apart.
        std::mt19937 random(2024);
        std::uniform_int_distribution<int> phaseUs(0, static_cast<int>(bufferMs * 1000));
        for (int trial = 0; trial < Trials; ++trial) {
            std::this_thread::sleep_for(std::chrono::microseconds(phaseUs(random)));
            sentAt.push_back(Clock::now());
            players.RestartSound(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            players[1].setCommand(Command::Stop);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        Mix_SetPostMix(nullptr, nullptr);
    }

    const auto starts = onsets(raw);
    const std::size_t noted = std::min(mixedCount.load(std::memory_order_acquire), mixedBuffers.size());
    if (starts.size() != sentAt.size()) {
        std::fprintf(stderr, "audio_latency: %zu restarts but %zu onsets in the output\n", sentAt.size(), starts.size());
        return 1;
    }

    std::vector<double> latencies;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const auto buffer = std::upper_bound(mixedBuffers.begin(), mixedBuffers.begin() + static_cast<std::ptrdiff_t>(noted),
                                             starts[i], [](std::int64_t frame, const MixedBuffer &b) { return frame < b.firstFrame; })
            - 1;
        const double offsetMs = 1000.0 * static_cast<double>(starts[i] - buffer->firstFrame) / rate;
        latencies.push_back(std::chrono::duration<double, std::milli>(buffer->mixedAt - sentAt[i]).count() + offsetMs);
    }

    const double median = percentile(latencies, 0.5);
    const double worst = percentile(latencies, 1.0);
    std::printf("audio latency, \"play\" to first non-silent sample (SDL disk driver, %d trials)\n", Trials);
    std::printf("  buffer      %d frames at %d Hz = %.2f ms (the floor)\n", bufferFrames, rate, bufferMs);
    std::printf("  best        %.2f ms = %.2f buffers\n", percentile(latencies, 0.0), percentile(latencies, 0.0) / bufferMs);
    std::printf("  median      %.2f ms = %.2f buffers\n", median, median / bufferMs);
    std::printf("  95th pct    %.2f ms = %.2f buffers\n", percentile(latencies, 0.95), percentile(latencies, 0.95) / bufferMs);
    std::printf("  worst       %.2f ms = %.2f buffers\n", worst, worst / bufferMs);
    std::printf("  aim         at most 2 buffers, buffer at most 12 ms: %s\n",
                worst <= 2 * bufferMs && bufferMs <= 12.0 ? "met" : "NOT met");
    const double onCard = median + bufferMs;
    std::printf("  on a card   about %.2f ms = %.2f buffers in the median (plus the one buffer queued ahead)\n",
                onCard, onCard / bufferMs);
    return 0;
}
