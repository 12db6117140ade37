// SPDX-License-Identifier: MIT
// The voices of wavsynth: renderNote() plays one note on the instrument it
// carries and returns its samples from the onset on, at SampleRate, scaled
// by the instrument's gain. Every note rises from silence over its attack and
// falls back to silence over its release, so it never clicks. Bells and
// plucks are struck: they ring past their written length by the
// instrument's "ring"; tones and noise are held for exactly that length.
// The seed makes the noise of a pluck or a breath differ from note to note
// while the same seed always gives the same samples.
#pragma once

#include "score.h"

#include <cstdint>
#include <vector>

std::vector<double> renderNote(const Note &note, std::uint64_t seed);
