#include "soundplayer.h"

#include "audiodevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// A wave file opens with "RIFF", its size, then "WAVE". The mixer itself
// would also take Ogg, MP3 or AIFF behind a .wav name; the game plays waves.
bool hasWaveHeader(SDL_RWops *file)
{
    std::array<char, 12> header{};
    if (SDL_RWread(file, header.data(), 1, header.size()) != header.size())
        return false;
    return std::memcmp(header.data(), "RIFF", 4) == 0 && std::memcmp(header.data() + 8, "WAVE", 4) == 0;
}

} // namespace

void SoundPlayer::ChunkDeleter::operator()(Mix_Chunk *chunk) const
{
    Mix_FreeChunk(chunk);
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
    return m_length;
}

int SoundPlayer::channel() const
{
    return m_channel;
}

bool SoundPlayer::isOpen() const
{
    return m_chunk != nullptr;
}

bool SoundPlayer::isPlaying() const
{
    return isOpen() && Mix_Playing(m_channel) != 0 && Mix_Paused(m_channel) == 0;
}

void SoundPlayer::open()
{
    close();
    std::string reason;
    if (!load(reason)) {
        std::fprintf(stderr, "velmora: sound \"%s\" stays silent: %s\n", m_fileName.c_str(), reason.c_str());
        return;
    }
    m_atStart = true;
}

bool SoundPlayer::load(std::string &reason)
{
    if (!m_device.isOpen()) {
        reason = "there is no audio device";
        return false;
    }
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

    SDL_RWops *file = SDL_RWFromFile(m_fileName.c_str(), "rb");
    if (!file) {
        reason = SDL_GetError();
        return false;
    }
    if (!hasWaveHeader(file) || SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        reason = "not a wave file";
        return false;
    }
    // Decodes the whole file and converts it to the device's format.
    m_chunk.reset(Mix_LoadWAV_RW(file, 1));
    if (!m_chunk) {
        reason = SDL_GetError();
        return false;
    }

    // The chunk holds frames at the rate the device really runs at, which
    // need not be the file's own.
    const std::int64_t frames = m_chunk->alen / static_cast<std::uint32_t>(m_device.bytesPerFrame());
    m_length = static_cast<std::int32_t>(frames * 1000 / m_device.frequency());
    return true;
}

void SoundPlayer::rewind()
{
    if (!isOpen())
        return;
    // Restarting a sounding channel in place leaves no gap between "prev" and
    // "play" and never lets two copies of the sound overlap.
    if (isPlaying()) {
        Mix_PlayChannel(m_channel, m_chunk.get(), 0);
        m_atStart = false;
        return;
    }
    Mix_HaltChannel(m_channel);
    m_atStart = true;
}

void SoundPlayer::play()
{
    if (!isOpen() || isPlaying())
        return;
    if (Mix_Paused(m_channel) != 0 && Mix_Playing(m_channel) != 0) {
        Mix_Resume(m_channel);
        return;
    }
    if (!m_atStart)
        return;
    Mix_PlayChannel(m_channel, m_chunk.get(), 0);
    m_atStart = false;
}

void SoundPlayer::stop()
{
    if (isPlaying())
        Mix_Pause(m_channel);
}

void SoundPlayer::close()
{
    if (!isOpen())
        return;
    Mix_HaltChannel(m_channel);
    m_chunk.reset();
    m_length = 0;
    m_atStart = false;
}
