// SPDX-License-Identifier: MIT
#include "waveheader.h"

#include <algorithm>

namespace {

constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t MinFormatSize = 16;
constexpr std::size_t ExtensibleFormatSize = 40;

enum Encoding : std::uint16_t {
    Pcm = 1,
    MsAdpcm = 2,
    Float = 3,
    ALaw = 6,
    MuLaw = 7,
    ImaAdpcm = 0x11,
    Extensible = 0xFFFE,
};

std::uint16_t u16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(u16(bytes, at)) | static_cast<std::uint32_t>(u16(bytes, at + 2)) << 16;
}

void setU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool isId(std::span<const std::uint8_t> bytes, std::size_t at, const char (&id)[5])
{
    return std::equal(id, id + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// A chunk's name as it can be printed on one line.
std::string idText(std::span<const std::uint8_t> bytes, std::size_t at)
{
    std::string id;
    for (std::size_t i = at; i < at + 4; ++i)
        id += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '?';
    return id;
}

WaveCheck refused(std::string problem)
{
    return {std::nullopt, std::move(problem)};
}

// The format chunk's fields; an empty text when they describe samples the
// game can play, otherwise why not.
std::string readFormat(std::span<const std::uint8_t> body, WaveHeader &header)
{
    if (body.size() < MinFormatSize)
        return "its format chunk is too short";
    header.encoding = u16(body, 0);
    header.channels = u16(body, 2);
    header.rate = u32(body, 4);
    header.blockAlign = u16(body, 12);
    header.bitsPerSample = u16(body, 14);
    if (header.encoding == Extensible) {
        if (body.size() < ExtensibleFormatSize)
            return "its extensible format chunk is too short";
        header.encoding = u16(body, 24);
    }

    if (header.channels < 1 || header.channels > WaveHeader::MaxChannels)
        return "its header claims " + std::to_string(header.channels) + " channels (1 to "
            + std::to_string(WaveHeader::MaxChannels) + " play)";
    if (header.rate < WaveHeader::MinRate || header.rate > WaveHeader::MaxRate)
        return "its header claims a rate of " + std::to_string(header.rate) + " Hz ("
            + std::to_string(WaveHeader::MinRate) + " to " + std::to_string(WaveHeader::MaxRate) + " Hz play)";

    const unsigned bits = header.bitsPerSample;
    bool bitsFit = false;
    // The smallest block: a whole frame, or an ADPCM block's per-channel preamble.
    unsigned minBlock = 0;
    switch (header.encoding) {
    case Pcm:
        bitsFit = bits == 8 || bits == 16 || bits == 24 || bits == 32;
        break;
    case Float:
        bitsFit = bits == 32;
        break;
    case ALaw:
    case MuLaw:
        bitsFit = bits == 8;
        break;
    case MsAdpcm:
        bitsFit = bits == 4;
        minBlock = 7u * header.channels;
        break;
    case ImaAdpcm:
        bitsFit = bits == 4;
        minBlock = 4u * header.channels;
        break;
    default:
        return "its samples are in an encoding the game does not play (format "
            + std::to_string(header.encoding) + ")";
    }
    if (!bitsFit)
        return "its header claims " + std::to_string(bits) + " bits a sample, which its encoding does not have";
    const bool frameBlocks = minBlock == 0;
    if (frameBlocks ? header.blockAlign != header.channels * bits / 8 : header.blockAlign < minBlock)
        return "its header claims blocks of " + std::to_string(header.blockAlign) + " bytes for "
            + std::to_string(header.channels) + " channels of " + std::to_string(bits) + " bits";
    return {};
}

} // namespace

std::int32_t WaveHeader::milliseconds() const
{
    // An ADPCM block starts with one or two samples a channel in full, then
    // packs two a byte.
    std::uint64_t framesPerBlock = 1;
    if (encoding == MsAdpcm)
        framesPerBlock = 2 + (blockAlign - 7u * channels) * 2u / channels;
    else if (encoding == ImaAdpcm)
        framesPerBlock = 1 + (blockAlign - 4u * channels) * 2u / channels;
    return static_cast<std::int32_t>(heldBytes / blockAlign * framesPerBlock * 1000 / rate);
}

WaveCheck checkWave(std::span<const std::uint8_t> file)
{
    if (file.size() < 12 || !isId(file, 0, "RIFF") || !isId(file, 8, "WAVE"))
        return refused("not a wave file");

    // The RIFF size is not trusted: the chunks are walked to the file's real
    // end, and fitToFile() sets the size to what they add up to.
    WaveHeader header;
    bool haveFormat = false;
    std::size_t at = 12;
    while (file.size() - at >= ChunkHeaderSize) {
        const std::size_t body = at + ChunkHeaderSize;
        const std::uint32_t size = u32(file, at + 4);
        const std::size_t left = file.size() - body;
        if (isId(file, at, "data")) {
            if (!haveFormat)
                return refused("its samples come before any format chunk");
            header.dataOffset = body;
            header.claimedBytes = size;
            header.heldBytes = std::min<std::size_t>(size, left);
            if (header.heldBytes < header.blockAlign)
                return refused("it holds no whole block of samples");
            // Compressed encodings hold fewer bits a sample than a block
            // suggests, never more: this bounds their length from above.
            const std::uint64_t frames = std::uint64_t{header.heldBytes} * 8
                / (std::uint64_t{header.bitsPerSample} * header.channels);
            const std::uint64_t seconds = frames / header.rate;
            if (seconds > WaveHeader::MaxSeconds)
                return refused("it would last " + std::to_string(seconds) + " s (at most "
                               + std::to_string(WaveHeader::MaxSeconds) + " s play)");
            return {header, {}};
        }
        if (size > left)
            return refused("its \"" + idText(file, at) + "\" chunk claims " + std::to_string(size)
                           + " bytes, but the file ends " + std::to_string(left) + " bytes after it starts");
        if (isId(file, at, "fmt ") && !haveFormat) {
            if (std::string problem = readFormat(file.subspan(body, size), header); !problem.empty())
                return refused(std::move(problem));
            haveFormat = true;
        }
        // Chunks start on even offsets; a pad byte follows an odd size.
        at = body + size + (size & 1u);
        if (at > file.size())
            break;
    }
    return refused(haveFormat ? "it has no data chunk" : "it has no format chunk");
}

std::size_t fitToFile(std::span<std::uint8_t> file, const WaveHeader &header)
{
    const std::size_t fitted = header.fittedSize();
    setU32(file, 4, static_cast<std::uint32_t>(fitted - 8));
    setU32(file, header.dataOffset - 4, static_cast<std::uint32_t>(header.heldBytes));
    return fitted;
}
