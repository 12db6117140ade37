// SPDX-License-Identifier: MIT
#pragma once

#include "residentbytes.h"
#include "waveheader.h"

#include <cstdint>
#include <memory>
#include <string>

class AudioDevice;
struct Mix_Chunk;

// What the game tells a player to do: "open", "prev", "play", "stop" and
// "close", nothing else.
enum class Command { Open, Prev, Play, Stop, Close };

// One sound player: a wave file on a mixer channel of its own, driven the way
// the game drives it. Set FileName, then send Open; from then on Prev puts
// the position back to the beginning, Play plays on from the position and
// returns at once, Stop halts and keeps the position, Close releases the
// sound. Prev then Play therefore sounds the file from its beginning
// whether it was playing, stopped or finished, and one player never sounds
// twice at once. A command that makes no sense in the player's state does
// nothing. A file that cannot be opened, or whose header does not fit the
// file or claims a format no game sound has (see WaveHeader), leaves the
// player silent, with Length 0, after one line on standard error; a wave cut
// short plays what it holds, after a one-line note. While the device is lost
// the player keeps its sound and every command sounds nothing; once it is
// back, the sound plays again from the next "prev" and "play". A file opened
// while the device is closed is read and checked all the same and gives its
// Length; it reaches the mixer with the first "prev" or "play" once the
// device is open. Nothing ever throws. The player reads only the file it is
// given and never writes one.
// Every call comes from one thread; the device must outlive the player.
class SoundPlayer
{
public:
    // Larger wave files are refused rather than decoded into memory.
    static constexpr std::uintmax_t MaxFileBytes = 256u * 1024u * 1024u;

    // channel: 0 <= channel < AudioDevice::PlayerChannels, one player per channel.
    SoundPlayer(AudioDevice &device, int channel);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // FileName: a full UTF-8 path, kept for the next "open".
    void setFileName(const std::string &path);
    const std::string &fileName() const;

    void setCommand(Command command);

    // Length: milliseconds of the opened sound, 0 when none is open.
    std::int32_t length() const;

    int channel() const;
    bool isOpen() const;
    bool isPlaying() const;

private:
    struct ChunkDeleter
    {
        void operator()(Mix_Chunk *chunk) const;
    };

    void open();
    bool makeChunk(std::string &reason);
    void reachMixer();
    void rewind();
    void play();
    void stop();
    void close();
    bool load(std::string &reason);
    bool hasChannel() const;

    AudioDevice &m_device;
    int m_channel;
    std::string m_fileName;
    // The file's bytes, up to the end of its samples: kept until the mixer
    // has the sound, and for as long as it plays them in place.
    ResidentBytes m_file;
    WaveHeader m_header;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> m_chunk;
    // Where "play" starts: at the beginning after "open" and "prev", at the
    // end once the sound has been started (it then plays out to the end).
    bool m_atStart = false;
};
