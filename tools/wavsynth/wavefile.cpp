#include "wavefile.h"

#include "score.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>

namespace {

constexpr std::uint16_t Channels = 1;
constexpr std::uint16_t BitsPerSample = 16;
constexpr std::uint16_t BlockAlign = Channels * BitsPerSample / 8;

// RIFF numbers are little-endian whatever the machine.
void put(std::string &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

std::string encode(const std::vector<double> &samples)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BlockAlign);
    std::string bytes;
    bytes.reserve(44 + dataSize);
    bytes += "RIFF";
    put(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    put(bytes, 16, 4);
    put(bytes, 1, 2);  // PCM
    put(bytes, Channels, 2);
    put(bytes, SampleRate, 4);
    put(bytes, SampleRate * BlockAlign, 4);
    put(bytes, BlockAlign, 2);
    put(bytes, BitsPerSample, 2);
    bytes += "data";
    put(bytes, dataSize, 4);
    for (double sample : samples) {
        const double scaled = std::clamp(sample, -1.0, 1.0) * 32767.0;
        const auto value = static_cast<std::int16_t>(std::lround(scaled));
        put(bytes, static_cast<std::uint16_t>(value), 2);
    }
    return bytes;
}

} // namespace

void writeWave(const std::filesystem::path &path, const std::vector<double> &samples)
{
    if (samples.size() * BlockAlign > std::numeric_limits<std::uint32_t>::max() - 36)
        throw std::runtime_error("too long for a wave file: " + path.string());
    const std::string bytes = encode(samples);
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush())
            throw std::runtime_error("cannot write " + partial.string());
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        throw std::runtime_error("cannot write " + path.string());
    }
}
