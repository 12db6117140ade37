// SPDX-License-Identifier: MIT
#include "soundplayers.h"

#include <stdexcept>
#include <string>

SoundPlayers::SoundPlayers(AudioDevice &device)
    : m_device(device)
{
    m_players.push_back(std::make_unique<SoundPlayer>(m_device, 0));
}

void SoundPlayers::load(int index)
{
    if (index != count() || index >= MaxCount)
        throw std::out_of_range("sound player " + std::to_string(index) + " cannot be created after "
                                + std::to_string(count()) + " of " + std::to_string(MaxCount));
    auto player = std::make_unique<SoundPlayer>(m_device, index);
    player->setFileName(m_players.front()->fileName());
    m_players.push_back(std::move(player));
}

SoundPlayer &SoundPlayers::operator[](int index)
{
    return *m_players[slot(index)];
}

const SoundPlayer &SoundPlayers::operator[](int index) const
{
    return *m_players[slot(index)];
}

std::size_t SoundPlayers::slot(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("no sound player " + std::to_string(index) + " among " + std::to_string(count()));
    return static_cast<std::size_t>(index);
}

int SoundPlayers::count() const
{
    return static_cast<int>(m_players.size());
}

void SoundPlayers::RestartSound(int i)
{
    SoundPlayer &player = (*this)[i];
    player.setCommand(Command::Prev);
    player.setCommand(Command::Play);
}

void SoundPlayers::closeAll()
{
    for (auto &player : m_players) {
        player->setCommand(Command::Stop);
        player->setCommand(Command::Close);
    }
}
