// SPDX-License-Identifier: MIT
#include "reverb.h"

namespace {

// Freeverb's delay lengths, in samples at 44.1 kHz: mutually prime-ish, so
// the echoes do not pile up into a metallic ring.
constexpr std::size_t CombLengths[] = {1116, 1277, 1356, 1557};
constexpr std::size_t AllPassLengths[] = {556, 441};
// High frequencies die sooner than low ones in a stone hall.
constexpr double Damping = 0.35;
constexpr double AllPassFeedback = 0.5;
// The four combs add up; this keeps the wet level near the dry one.
constexpr double InputScale = 0.25;

} // namespace

Reverb::Reverb(double room)
    : m_feedback(0.7 + 0.28 * room)
{
    for (std::size_t length : CombLengths)
        m_combs.push_back(Comb{std::vector<double>(length, 0.0)});
    for (std::size_t length : AllPassLengths)
        m_allPasses.push_back(AllPass{std::vector<double>(length, 0.0)});
}

double Reverb::process(double input)
{
    double wet = 0.0;
    for (Comb &comb : m_combs) {
        const double delayed = comb.line[comb.pos];
        comb.filtered = delayed * (1.0 - Damping) + comb.filtered * Damping;
        comb.line[comb.pos] = input * InputScale + comb.filtered * m_feedback;
        comb.pos = (comb.pos + 1) % comb.line.size();
        wet += delayed;
    }
    for (AllPass &pass : m_allPasses) {
        const double delayed = pass.line[pass.pos];
        pass.line[pass.pos] = wet + delayed * AllPassFeedback;
        pass.pos = (pass.pos + 1) % pass.line.size();
        wet = delayed - wet;
    }
    return wet;
}
