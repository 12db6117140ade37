#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Test waves, built in memory: PCM of any rate, 1 or 2 channels, 8 or 16 bits.
struct WaveFormat
{
    int rate = 44100;
    int channels = 2;
    int bits = 16;
};

// sample(frame, channel) gives a 16-bit value; 8-bit files keep its top byte.
using SampleFunction = std::function<std::int16_t(int frame, int channel)>;

std::vector<std::uint8_t> waveBytes(const WaveFormat &format, int frames, const SampleFunction &sample);
void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);

// A directory of its own under the system's temporary one, removed with everything in it.
class TemporaryDirectory
{
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory &) = delete;
    TemporaryDirectory &operator=(const TemporaryDirectory &) = delete;

    std::filesystem::path file(const std::string &name) const;

private:
    std::filesystem::path m_path;
};
