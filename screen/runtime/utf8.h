// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string_view>

// The game's texts are written in its source as UTF-8.
inline QString fromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
