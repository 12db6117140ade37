// SPDX-License-Identifier: MIT
// wavsynth SCORE OUTPUT.wav: renders a score or sound recipe (see README.md
// beside this file) to a 16-bit mono wave file at 44.1 kHz. The same score
// always gives the same bytes. Mistakes in the score are reported as
// "SCORE:LINE: message" and leave no output behind.
#include "mixer.h"
#include "score.h"
#include "scoreparser.h"
#include "wavefile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

// Scores are a few kilobytes; anything far larger is not a score.
constexpr std::uintmax_t MaxScoreBytes = 1 << 20;

std::string readScore(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw std::runtime_error("no such score file");
    if (std::filesystem::file_size(path, error) > MaxScoreBytes || error)
        throw std::runtime_error("too large to be a score");
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot be read");
    return text.str();
}

// Full scale is ±1.0; 16-bit PCM holds ±32767 of it.
std::int16_t pcm(double sample)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::cerr << "usage: wavsynth SCORE OUTPUT.wav\n";
        return 2;
    }
    const std::filesystem::path scorePath = argv[1];
    try {
        const Score score = ScoreParser::parse(readScore(scorePath));
        const std::vector<double> samples = mixScore(score);
        const WaveFormat mono16{SampleRate, 1, 16};
        writeFile(argv[2], waveBytes(mono16, samples.size(), [&](int frame, int) { return pcm(samples[frame]); }));
    } catch (const ScoreError &error) {
        std::cerr << scorePath.string() << ':' << error.line() << ": " << error.what() << '\n';
        return 1;
    } catch (const std::exception &error) {
        std::cerr << scorePath.string() << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
