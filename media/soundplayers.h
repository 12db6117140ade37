// SPDX-License-Identifier: MIT
#pragma once

#include "soundplayer.h"

#include <cstddef>
#include <memory>
#include <vector>

class AudioDevice;

// The control array MMC of sound players. Element 0 exists from the start;
// start-up creates elements 1, 2 and 3 with load(), in that order, each a
// copy of element 0 on the mixer channel of its own index. RestartSound is the
// one restart every caller shares: the action buttons, start-up and the music
// loop. An index that names no element is a programming error and throws
// std::out_of_range. closeAll() is the shut-down; a player that is still
// open when the array goes is released with it. The device must outlive the
// array.
class SoundPlayers
{
public:
    static constexpr int MaxCount = 4;

    explicit SoundPlayers(AudioDevice &device);
    SoundPlayers(const SoundPlayers &) = delete;
    SoundPlayers &operator=(const SoundPlayers &) = delete;

    // index == count() and index < MaxCount: the next element, nothing else.
    void load(int index);
    SoundPlayer &operator[](int index);
    const SoundPlayer &operator[](int index) const;
    int count() const;

    // "prev" then "play" to player i: it sounds from its beginning whether it
    // was playing, stopped or finished.
    void RestartSound(int i);

    // Stop, then close, to each player in the order 0, 1, 2, 3.
    void closeAll();

private:
    std::size_t slot(int index) const;

    AudioDevice &m_device;
    std::vector<std::unique_ptr<SoundPlayer>> m_players;
};
