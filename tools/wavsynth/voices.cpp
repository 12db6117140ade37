// SPDX-License-Identifier: MIT
#include "voices.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
// ln(1000): a decay time is the time taken to fall by 60 dB.
constexpr double SixtyDb = 6.907755278982137;

// SplitMix64: tiny, fast and the same on every machine, unlike the
// distributions of <random>, whose output the standard leaves open.
class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed)
        : m_state(seed)
    {
    }
    double next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) / 4503599627370496.0 - 1.0;  // [-1, 1)
    }

private:
    std::uint64_t m_state;
};

double raisedCosine(double x)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

bool isStruck(Timbre timbre)
{
    return timbre == Timbre::Bell || timbre == Timbre::Pluck;
}

double releaseTime(const Note &note)
{
    return note.length + (isStruck(note.instrument.timbre) ? note.instrument.ring : 0.0);
}

double envelope(const Instrument &instrument, double t, double releaseAt)
{
    double level = raisedCosine(t / instrument.attack);
    if (t > releaseAt)
        level *= 1.0 - raisedCosine((t - releaseAt) / instrument.release);
    return level;
}

// The pitch, as a multiple of the written one, after the glide and the vibrato.
double bend(const Note &note, double t)
{
    const Instrument &in = note.instrument;
    const double semitones = in.glide * std::min(t / note.length, 1.0)
        + in.vibratoDepth * std::sin(TwoPi * in.vibratoRate * t);
    return std::exp2(semitones / 12.0);
}

void renderPartials(const Note &note, std::vector<double> &out)
{
    const Instrument &in = note.instrument;
    const double highestBend = std::exp2((std::max(in.glide, 0.0) + in.vibratoDepth) / 12.0);
    std::vector<Partial> audible;
    // Partials that would fold back from above the Nyquist limit sound as
    // stray, out-of-tune whistles; leave them out.
    for (const Partial &p : in.partials) {
        if (p.ratio * note.frequency * highestBend < 0.45 * SampleRate)
            audible.push_back(p);
    }
    std::vector<double> phases(audible.size(), 0.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double step = TwoPi * note.frequency * bend(note, t) / SampleRate;
        double sum = 0.0;
        for (std::size_t k = 0; k < audible.size(); ++k) {
            const Partial &p = audible[k];
            const double decay = p.decay > 0.0 ? std::exp(-SixtyDb * t / p.decay) : 1.0;
            sum += p.amplitude * decay * std::sin(phases[k]);
            phases[k] = std::fmod(phases[k] + p.ratio * step, TwoPi);
        }
        out[i] = sum;
    }
}

// Karplus-Strong: a burst of noise circulates in a delay line one period
// long, softened a little on each pass like a real string. An all-pass
// filter supplies the fraction of a sample that keeps the string in tune.
void renderPluck(const Note &note, std::uint64_t seed, std::vector<double> &out)
{
    const Instrument &in = note.instrument;
    // The loop delays by the line's length, less the half sample by which
    // averaging neighbours reads ahead, plus the all-pass's fraction. That
    // fraction is kept between a half and one and a half samples, where the
    // all-pass is well behaved.
    const double period = SampleRate / note.frequency;
    const auto length = static_cast<std::size_t>(period);
    const double fraction = period + 0.5 - static_cast<double>(length);
    const double allpass = (1.0 - fraction) / (1.0 + fraction);
    const double loss = std::exp(-SixtyDb / (in.decay * note.frequency));

    std::vector<double> line(length);
    NoiseSource noise(seed);
    for (double &sample : line)
        sample = noise.next();
    // Two gentle low-passes soften the burst. They run round the line twice
    // so that its end flows into its start: a step there would repeat every
    // period as a buzz.
    double smoothed = 0.0;
    double smoother = 0.0;
    for (int pass = 0; pass < 2; ++pass) {
        for (double &sample : line) {
            smoothed += in.brightness * (sample - smoothed);
            smoother += in.brightness * (smoothed - smoother);
            if (pass == 1)
                sample = smoother;
        }
    }
    // A burst with an offset would leave the string pushed to one side:
    // centre it, then scale it to full level.
    double mean = 0.0;
    for (double sample : line)
        mean += sample / static_cast<double>(length);
    double peak = 1e-12;
    for (double &sample : line) {
        sample -= mean;
        peak = std::max(peak, std::abs(sample));
    }
    for (double &sample : line)
        sample /= peak;

    double lastIn = 0.0;
    double lastOut = 0.0;
    std::size_t pos = 0;
    for (double &sample : out) {
        const std::size_t next = (pos + 1) % length;
        sample = line[pos];
        const double averaged = 0.5 * (line[pos] + line[next]) * loss;
        const double tuned = allpass * averaged + lastIn - allpass * lastOut;
        lastIn = averaged;
        lastOut = tuned;
        line[pos] = tuned;
        pos = next;
    }
}

// White noise through a state-variable band-pass filter whose centre
// follows the note's pitch, glide and vibrato included.
void renderNoise(const Note &note, std::uint64_t seed, std::vector<double> &out)
{
    const double damping = 1.0 / note.instrument.resonance;
    NoiseSource noise(seed);
    double low = 0.0;
    double band = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // Above a sixth of the sample rate this filter turns unstable.
        const double centre = std::clamp(note.frequency * bend(note, t), 20.0, SampleRate / 6.5);
        const double tuning = 2.0 * std::sin(std::numbers::pi * centre / SampleRate);
        low += tuning * band;
        const double high = noise.next() - low - damping * band;
        band += tuning * high;
        out[i] = band * damping;
    }
}

} // namespace

std::vector<double> renderNote(const Note &note, std::uint64_t seed)
{
    const Instrument &in = note.instrument;
    const double releaseAt = releaseTime(note);
    std::vector<double> out(static_cast<std::size_t>(std::ceil((releaseAt + in.release) * SampleRate)));
    switch (in.timbre) {
    case Timbre::Bell:
    case Timbre::Tone:
        renderPartials(note, out);
        break;
    case Timbre::Pluck:
        renderPluck(note, seed, out);
        break;
    case Timbre::Noise:
        renderNoise(note, seed, out);
        break;
    }
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= in.gain * envelope(in, static_cast<double>(i) / SampleRate, releaseAt);
    return out;
}
