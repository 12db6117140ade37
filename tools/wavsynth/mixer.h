// SPDX-License-Identifier: MIT
// mixScore() renders a parsed Score to mono samples at SampleRate: it plays
// every note, folds a loop's ringing tail back onto its beginning, adds the
// reverb, applies the fades and scales the result so that its loudest sample
// sits at the score's peak level. A score that comes out silent throws
// std::runtime_error, since it can only be a mistake.
#pragma once

#include "score.h"

#include <vector>

std::vector<double> mixScore(const Score &score);
