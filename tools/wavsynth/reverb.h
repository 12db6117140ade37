// SPDX-License-Identifier: MIT
// A small Schroeder reverb in the manner of Freeverb: four damped comb
// filters in parallel, then two all-passes in series. Feed it one sample at
// a time through process(); it returns the wet signal only, so the caller
// chooses the mix. The room (0 to 0.95) sets how long the tail rings.
#pragma once

#include <cstddef>
#include <vector>

class Reverb {
public:
    explicit Reverb(double room);

    double process(double input);

private:
    struct Comb {
        std::vector<double> line;
        std::size_t pos = 0;
        double filtered = 0.0;
    };
    struct AllPass {
        std::vector<double> line;
        std::size_t pos = 0;
    };

    std::vector<Comb> m_combs;
    std::vector<AllPass> m_allPasses;
    double m_feedback;
};
