#include "wavefile.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {

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

std::vector<std::uint8_t> waveBytes(const WaveFormat &format, int frames, const SampleFunction &sample)
{
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(format.channels * format.bits / 8);
    const std::uint32_t dataBytes = blockAlign * static_cast<std::uint32_t>(frames);
    std::vector<std::uint8_t> bytes;
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
    for (int frame = 0; frame < frames; ++frame) {
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
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

TemporaryDirectory::TemporaryDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora-media-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TemporaryDirectory::~TemporaryDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TemporaryDirectory::file(const std::string &name) const
{
    return m_path / name;
}
