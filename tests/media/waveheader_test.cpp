// SPDX-License-Identifier: MIT
#include "waveheader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A wave file written out byte by byte: the fields of its format chunk, the
// size its data chunk claims, the bytes it really holds, and whatever chunks
// come before the format or between the format and the samples.
struct Wave
{
    const char *riff = "RIFF";
    std::uint16_t encoding = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t blockAlign = 2;
    std::uint16_t bitsPerSample = 16;
    std::uint32_t claimed = 64;
    std::uint32_t held = 64;
    std::uint32_t formatSize = 16;
    std::string before = {};  // chunks ahead of the format chunk, as raw bytes
    std::string between = {}; // chunks between the format and the data
    bool format = true;
    bool data = true;
    std::uint16_t subformat = 0; // an extensible format's tag, 0 for none
};

void put16(std::vector<std::uint8_t> &bytes, unsigned value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t> &bytes, std::uint32_t value)
{
    put16(bytes, value & 0xFFFF);
    put16(bytes, value >> 16);
}

void putText(std::vector<std::uint8_t> &bytes, const std::string &text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
}

std::vector<std::uint8_t> bytesOf(const Wave &w)
{
    std::vector<std::uint8_t> bytes;
    putText(bytes, w.riff);
    put32(bytes, 0); // never trusted, so never filled in
    putText(bytes, "WAVE");
    putText(bytes, w.before);
    if (w.format) {
        putText(bytes, "fmt ");
        put32(bytes, w.subformat ? 40 : w.formatSize);
        put16(bytes, w.subformat ? 0xFFFE : w.encoding);
        put16(bytes, w.channels);
        put32(bytes, w.rate);
        put32(bytes, w.rate * w.blockAlign);
        put16(bytes, w.blockAlign);
        put16(bytes, w.bitsPerSample);
        bytes.resize(bytes.size() + (w.subformat ? 24 : w.formatSize - 16));
        if (w.subformat) {
            bytes[bytes.size() - 16] = static_cast<std::uint8_t>(w.subformat);
            bytes[bytes.size() - 15] = static_cast<std::uint8_t>(w.subformat >> 8);
        }
    }
    putText(bytes, w.between);
    if (w.data) {
        putText(bytes, "data");
        put32(bytes, w.claimed);
        bytes.resize(bytes.size() + w.held, 0x80);
    }
    return bytes;
}

// A LIST chunk of odd size, with the pad byte that follows it.
const std::string OddChunk("LIST\x03\0\0\0abc\0", 12);

struct Row
{
    const char *name;
    Wave wave;
    const char *refusal; // nullptr: accepted; otherwise words of the reason
};

const Row Rows[] = {
    {"Pcm16Mono", {}, nullptr},
    {"Pcm8Stereo", {.channels = 2, .blockAlign = 2, .bitsPerSample = 8}, nullptr},
    {"Float32", {.encoding = 3, .blockAlign = 4, .bitsPerSample = 32}, nullptr},
    {"MuLaw", {.encoding = 7, .blockAlign = 1, .bitsPerSample = 8}, nullptr},
    {"ImaAdpcm", {.encoding = 0x11, .blockAlign = 36, .bitsPerSample = 4, .claimed = 72, .held = 72}, nullptr},
    {"ExtensiblePcm", {.subformat = 1}, nullptr},
    {"ChunksBeforeAndBetween", {.before = OddChunk, .between = OddChunk}, nullptr},
    {"CutShort", {.claimed = 0xFFFFFFF0, .held = 64}, nullptr},
    {"NotRiff", {.riff = "RIFX"}, "not a wave file"},
    {"NoFormat", {.between = OddChunk, .format = false}, "before any format chunk"},
    {"NoData", {.data = false}, "no data chunk"},
    {"ShortFormat", {.formatSize = 14}, "format chunk is too short"},
    {"NoChannels", {.channels = 0}, "0 channels"},
    {"NineChannels", {.channels = 9, .blockAlign = 18}, "9 channels"},
    {"RateOfOneHertz", {.rate = 1}, "rate of 1 Hz"},
    {"Mp3", {.encoding = 0x55}, "encoding"},
    {"TwelveBitPcm", {.bitsPerSample = 12}, "12 bits"},
    {"BlockOfAnotherSize", {.blockAlign = 3}, "blocks of 3 bytes"},
    {"ExtensibleMp3", {.subformat = 0x55}, "encoding"},
    {"ChunkPastTheEnd", {.between = std::string("LIST\xff\xff\0\0", 8), .data = false}, "\"LIST\" chunk claims 65535"},
    {"NoWholeBlock", {.channels = 2, .blockAlign = 4, .claimed = 3, .held = 3}, "no whole block"},
    {"LongerThanTenMinutes", {.rate = 8000, .blockAlign = 1, .bitsPerSample = 8, .claimed = 8000 * 601,
                              .held = 8000 * 601}, "601 s"},
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

class WaveHeaderCheck : public ::testing::TestWithParam<Row>
{
};

TEST_P(WaveHeaderCheck, AcceptsWhatAGameSoundCanBeAndNamesWhyNot)
{
    const Row &row = GetParam();
    std::vector<std::uint8_t> file = bytesOf(row.wave);
    const WaveCheck check = checkWave(file);
    if (row.refusal) {
        ASSERT_FALSE(check.header);
        EXPECT_NE(check.problem.find(row.refusal), std::string::npos) << check.problem;
        return;
    }
    ASSERT_TRUE(check.header) << check.problem;
    const WaveHeader &header = *check.header;
    EXPECT_EQ(header.channels, row.wave.channels);
    EXPECT_EQ(header.rate, row.wave.rate);
    EXPECT_EQ(header.encoding, row.wave.subformat ? row.wave.subformat : row.wave.encoding);
    EXPECT_EQ(header.heldBytes, row.wave.held);
    EXPECT_EQ(header.isCutShort(), row.wave.claimed > row.wave.held);
    ASSERT_EQ(file[header.dataOffset], 0x80) << "the samples start where the header says";

    // Afterwards the header claims exactly what the file holds, and a
    // second look finds nothing to correct.
    file.resize(fitToFile(file, header));
    const WaveCheck again = checkWave(file);
    ASSERT_TRUE(again.header) << again.problem;
    EXPECT_EQ(again.header->claimedBytes, row.wave.held);
    EXPECT_FALSE(again.header->isCutShort());
    const std::uint32_t riffSize = file[4] | file[5] << 8 | file[6] << 16 | std::uint32_t{file[7]} << 24;
    EXPECT_EQ(riffSize, file.size() - 8);
}

INSTANTIATE_TEST_SUITE_P(Table, WaveHeaderCheck, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

} // namespace
