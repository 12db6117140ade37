// SPDX-License-Identifier: MIT
#include "soundplayer.h"

#include "audiodevice.h"
#include "mixerlibrary.h"
#include "residentbytes.h"
#include "waveheader.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <system_error>

namespace {

struct CloseFile
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};

// The whole file, read once: the header is checked and, for a file cut
// short, corrected before SDL sees a byte of it. Read through C's stdio
// rather than an ifstream, whose first use sets up every locale facet of the
// C++ library: a third of a megabyte of code kept in memory for a byte copy.
std::optional<std::size_t> readWhole(const std::string &path, std::span<std::uint8_t> into)
{
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    const std::size_t read = std::fread(into.data(), 1, into.size(), file.get());
    if (std::ferror(file.get()))
        return std::nullopt;
    return read;
}

// Samples the mixer can play as they lie in the file: 16-bit PCM at the
// device's rate and channels, in the byte order SDL mixes in.
bool inMixerFormat(const WaveHeader &header, const AudioDevice &device)
{
    return SDL_BYTEORDER == SDL_LIL_ENDIAN && header.encoding == 1 && header.bitsPerSample == 16
            && header.blockAlign == device.bytesPerFrame() && header.channels * 2 == device.bytesPerFrame()
            && header.rate == static_cast<std::uint32_t>(device.frequency()) && header.dataOffset % 2 == 0;
}

} // namespace

void SoundPlayer::ChunkDeleter::operator()(Mix_Chunk *chunk) const
{
    // A chunk is only ever made with the library loaded.
    mixerLibrary().Mix_FreeChunk(chunk);
}

SoundPlayer::SoundPlayer(AudioDevice &device, int channel)
    : m_device(device)
    , m_channel(channel)
{
}

SoundPlayer::~SoundPlayer()
{
    close();
}

void SoundPlayer::setFileName(const std::string &path)
{
    m_fileName = path;
}

const std::string &SoundPlayer::fileName() const
{
    return m_fileName;
}

void SoundPlayer::setCommand(Command command)
{
    if (command == Command::Prev || command == Command::Play)
        reachMixer();
    switch (command) {
    case Command::Open:
        return open();
    case Command::Prev:
        return rewind();
    case Command::Play:
        return play();
    case Command::Stop:
        return stop();
    case Command::Close:
        return close();
    }
}

std::int32_t SoundPlayer::length() const
{
    return isOpen() ? m_header.milliseconds() : 0;
}

int SoundPlayer::channel() const
{
    return m_channel;
}

// Open while it holds the file's bytes or the mixer holds its sound.
bool SoundPlayer::isOpen() const
{
    return m_chunk || m_file;
}

bool SoundPlayer::isPlaying() const
{
    if (!hasChannel())
        return false;
    const MixerLibrary &sdl = mixerLibrary();
    return sdl.Mix_Playing(m_channel) != 0 && sdl.Mix_Paused(m_channel) == 0;
}

// While the device is lost the mixer has no channels, and touching one
// would crash it: every command but "close" then leaves the mixer alone.
bool SoundPlayer::hasChannel() const
{
    return m_chunk && m_device.isOpen();
}

void SoundPlayer::open()
{
    close();
    std::string reason;
    if (!load(reason)) {
        close();
        std::fprintf(stderr, "velmora: sound \"%s\" stays silent: %s\n", m_fileName.c_str(), reason.c_str());
        return;
    }
    m_atStart = true;
}

bool SoundPlayer::load(std::string &reason)
{
    if (m_channel < 0 || m_channel >= AudioDevice::PlayerChannels) {
        reason = "channel " + std::to_string(m_channel) + " is not a player's channel";
        return false;
    }
    if (m_fileName.empty()) {
        reason = "no file name was given";
        return false;
    }

    // Only a regular file: a FIFO would block the open for ever, a device
    // file would never end.
    std::error_code error;
    const std::filesystem::path path(m_fileName);
    const auto status = std::filesystem::status(path, error);
    if (error) {
        reason = error.message();
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        reason = "not a regular file";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        reason = error.message();
        return false;
    }
    if (size > MaxFileBytes) {
        reason = "larger than " + std::to_string(MaxFileBytes / (1024 * 1024)) + " MiB";
        return false;
    }

    const auto fileBytes = static_cast<std::size_t>(size);
    ResidentBytes bytes = residentBytes(fileBytes);
    if (fileBytes > 0 && !bytes) {
        reason = "there is not enough memory for it";
        return false;
    }
    const std::optional<std::size_t> read = readWhole(m_fileName, {bytes.get(), fileBytes});
    if (!read) {
        reason = "it cannot be read";
        return false;
    }
    std::span<std::uint8_t> file(bytes.get(), *read);
    const WaveCheck check = checkWave(file);
    if (!check.header) {
        reason = check.problem;
        return false;
    }
    m_header = *check.header;
    fitToFile(file, m_header);
    m_file = std::move(bytes);
    if (m_device.isOpen() && !makeChunk(reason))
        return false;
    if (m_header.isCutShort())
        std::fprintf(stderr, "velmora: sound \"%s\" is cut short: its header claims %u bytes of samples, the file "
                     "holds %zu; it plays those\n", m_fileName.c_str(), m_header.claimedBytes, m_header.heldBytes);
    return true;
}

// The sound in the mixer, in the device's format; the device is open.
bool SoundPlayer::makeChunk(std::string &reason)
{
    const MixerLibrary &sdl = mixerLibrary();
    const std::span<std::uint8_t> file(m_file.get(), m_header.fittedSize());
    if (inMixerFormat(m_header, m_device)) {
        // The game's own sounds are made in the mixer's format: they play
        // from the bytes read, with no second copy of the half-minute music.
        const auto frames = static_cast<std::uint32_t>(m_header.heldBytes / m_header.blockAlign);
        m_chunk.reset(sdl.Mix_QuickLoad_RAW(file.data() + m_header.dataOffset, frames * m_header.blockAlign));
    } else {
        // Decodes the samples and converts them to the device's format,
        // into memory of the mixer's own.
        m_chunk.reset(sdl.Mix_LoadWAV_RW(sdl.SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1));
        m_file.reset();
    }
    if (!m_chunk) {
        reason = sdl.SDL_GetError();
        return false;
    }
    return true;
}

// A sound opened while the device was closed goes to the mixer once it is
// open.
void SoundPlayer::reachMixer()
{
    if (!isOpen() || m_chunk || !m_device.isOpen())
        return;
    std::string reason;
    if (makeChunk(reason))
        return;
    std::fprintf(stderr, "velmora: sound \"%s\" stays silent: %s\n", m_fileName.c_str(), reason.c_str());
    close();
}

void SoundPlayer::rewind()
{
    if (!isOpen())
        return;
    // Restarting a sounding channel in place leaves no gap between "prev" and
    // "play" and never lets two copies of the sound overlap.
    if (isPlaying()) {
        mixerLibrary().Mix_PlayChannelTimed(m_channel, m_chunk.get(), 0, -1);
        m_atStart = false;
        return;
    }
    if (hasChannel())
        mixerLibrary().Mix_HaltChannel(m_channel);
    m_atStart = true;
}

void SoundPlayer::play()
{
    if (!hasChannel() || isPlaying())
        return;
    const MixerLibrary &sdl = mixerLibrary();
    if (sdl.Mix_Paused(m_channel) != 0 && sdl.Mix_Playing(m_channel) != 0) {
        sdl.Mix_Resume(m_channel);
        return;
    }
    if (!m_atStart)
        return;
    sdl.Mix_PlayChannelTimed(m_channel, m_chunk.get(), 0, -1);
    m_atStart = false;
}

void SoundPlayer::stop()
{
    if (isPlaying())
        mixerLibrary().Mix_Pause(m_channel);
}

void SoundPlayer::close()
{
    if (hasChannel())
        mixerLibrary().Mix_HaltChannel(m_channel);
    m_chunk.reset();
    m_file.reset();
    m_atStart = false;
}
