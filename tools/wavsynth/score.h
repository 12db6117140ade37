// SPDX-License-Identifier: MIT
// A score is everything wavsynth needs to render one wave file: the notes,
// each carrying the instrument it is played on, and the finishing touches
// applied to the whole mix. ScoreParser builds it from text and checks every
// value on the way in, so the Mixer that renders it may trust it as it is.
#pragma once

#include <vector>

inline constexpr int SampleRate = 44100;

enum class Timbre { Bell, Pluck, Tone, Noise };

// One component of a bell or a tone: its frequency as a multiple of the
// note's, its share of the note's level, and the seconds it takes to fall
// by 60 dB (0 keeps it sounding until the note is released).
struct Partial {
    double ratio = 1.0;
    double amplitude = 1.0;
    double decay = 0.0;
};

struct Instrument {
    Timbre timbre = Timbre::Tone;
    double gain = 1.0;
    double attack = 0.003;      // seconds from silence to full level
    double release = 0.05;      // seconds from full level back to silence
    double ring = 0.0;          // seconds a struck note sounds past its written end
    double glide = 0.0;         // semitones the pitch moves over the written length
    double vibratoRate = 0.0;   // Hz
    double vibratoDepth = 0.0;  // semitones
    double decay = 1.0;         // pluck: seconds for the string to fall by 60 dB
    double brightness = 0.5;    // pluck: share of high noise in the excitation
    double resonance = 1.0;     // noise: quality factor of the band-pass filter
    std::vector<Partial> partials{Partial{}};
};

// A note carries its own copy of the instrument, so that a part or a single
// event can change a setting without touching the instrument's other uses.
struct Note {
    double start = 0.0;      // seconds from the beginning of the file
    double length = 0.0;     // written length in seconds
    double frequency = 0.0;  // Hz; for noise, the centre of the band
    Instrument instrument;
};

struct Score {
    std::vector<Note> notes;
    double length = 0.0;     // seconds; 0 lets the last note ring out
    bool loop = false;       // the end must flow back into the beginning
    double reverbMix = 0.0;
    double reverbRoom = 0.5;
    double peakDbfs = -1.0;
    double fadeIn = 0.0;
    double fadeOut = 0.0;
};
