#include "soundfiles.h"

std::string soundFileName(int i)
{
    return std::to_string(i) + ".wav";
}
