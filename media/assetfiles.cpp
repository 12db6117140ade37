// SPDX-License-Identifier: MIT
#include "assetfiles.h"

std::string moodPictureName(int mood)
{
    return std::to_string(mood) + ".bmp";
}

std::string reactionPictureName(int mood, int action)
{
    return std::to_string(mood) + std::to_string(action) + ".bmp";
}

std::string soundFileName(int i)
{
    return std::to_string(i) + ".wav";
}
