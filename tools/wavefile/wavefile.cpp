// SPDX-License-Identifier: MIT
#include "wavefile.h"

#include <climits>
#include <fstream>
#include <stdexcept>

namespace {

// RIFF numbers are little-endian whatever the machine.
void put(std::vector<std::uint8_t> &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void put(std::vector<std::uint8_t> &bytes, const char *tag)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> waveBytes(const WaveFormat &format, std::size_t frames, const SampleFunction &sample)
{
    const auto blockAlign = static_cast<std::uint32_t>(format.channels * format.bits / 8);
    // The RIFF size counts the data and 36 bytes of header in 32 bits.
    if (frames > INT_MAX || frames * blockAlign > UINT32_MAX - 36)
        throw std::runtime_error("too long for a wave file");
    const auto dataBytes = static_cast<std::uint32_t>(frames * blockAlign);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    put(bytes, "RIFF");
    put(bytes, 36 + dataBytes, 4);
    put(bytes, "WAVE");
    put(bytes, "fmt ");
    put(bytes, 16, 4);
    put(bytes, 1, 2); // PCM
    put(bytes, static_cast<std::uint32_t>(format.channels), 2);
    put(bytes, static_cast<std::uint32_t>(format.rate), 4);
    put(bytes, static_cast<std::uint32_t>(format.rate) * blockAlign, 4);
    put(bytes, blockAlign, 2);
    put(bytes, static_cast<std::uint32_t>(format.bits), 2);
    put(bytes, "data");
    put(bytes, dataBytes, 4);
    for (int frame = 0; frame < static_cast<int>(frames); ++frame) {
        for (int channel = 0; channel < format.channels; ++channel) {
            const auto value = static_cast<std::uint16_t>(sample(frame, channel));
            if (format.bits == 8)
                put(bytes, (value >> 8) ^ 0x80u, 1); // 8-bit PCM is unsigned
            else
                put(bytes, value, 2);
        }
    }
    return bytes;
}

void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::filesystem::path partial = path;
    partial += ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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
