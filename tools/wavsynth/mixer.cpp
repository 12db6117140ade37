// SPDX-License-Identifier: MIT
#include "mixer.h"

#include "reverb.h"
#include "voices.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

// Room for the reverb to die away when a sound is left to ring out.
constexpr double ReverbTail = 1.5;

std::size_t toSamples(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}

std::vector<double> playNotes(const Score &score)
{
    std::vector<double> mix(toSamples(score.length));
    std::uint64_t seed = 0x5eed;
    for (const Note &note : score.notes) {
        const std::vector<double> samples = renderNote(note, seed++);
        const std::size_t start = toSamples(note.start);
        if (mix.size() < start + samples.size())
            mix.resize(start + samples.size(), 0.0);
        for (std::size_t i = 0; i < samples.size(); ++i)
            mix[start + i] += samples[i];
    }
    return mix;
}

// The game starts the music over as soon as it ends, so whatever still
// rings after the last bar must sound at the start of the first one.
void foldTail(std::vector<double> &mix, std::size_t length)
{
    for (std::size_t i = length; i < mix.size(); ++i)
        mix[i % length] += mix[i];
    mix.resize(length);
}

void addReverb(const Score &score, std::vector<double> &mix)
{
    Reverb reverb(score.reverbRoom);
    // A loop runs once through the reverb unheard, so that its beginning
    // already carries the echoes of its end, as it will when it repeats.
    if (score.loop) {
        for (double sample : mix)
            reverb.process(sample);
    } else if (score.length == 0.0) {
        mix.resize(mix.size() + toSamples(ReverbTail), 0.0);
    }
    for (double &sample : mix)
        sample += score.reverbMix * reverb.process(sample);
}

void fade(const Score &score, std::vector<double> &mix)
{
    const double fadeIn = score.fadeIn * SampleRate;
    const double fadeOut = score.fadeOut * SampleRate;
    const double last = static_cast<double>(mix.size()) - 1.0;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double fromStart = static_cast<double>(i);
        const double toEnd = last - fromStart;
        if (fromStart < fadeIn)
            mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromStart / fadeIn);
        if (toEnd < fadeOut)
            mix[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * toEnd / fadeOut);
    }
}

void normalise(const Score &score, std::vector<double> &mix)
{
    double peak = 0.0;
    for (double sample : mix)
        peak = std::max(peak, std::abs(sample));
    if (peak < 1e-9)
        throw std::runtime_error("the score renders to silence");
    const double scale = std::pow(10.0, score.peakDbfs / 20.0) / peak;
    for (double &sample : mix)
        sample *= scale;
}

} // namespace

std::vector<double> mixScore(const Score &score)
{
    std::vector<double> mix = playNotes(score);
    if (score.loop)
        foldTail(mix, toSamples(score.length));
    else if (score.length > 0.0)
        mix.resize(toSamples(score.length));
    if (score.reverbMix > 0.0)
        addReverb(score, mix);
    fade(score, mix);
    normalise(score, mix);
    return mix;
}
