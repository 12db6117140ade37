#pragma once

#include <string>

// The wave file that sound player i plays, without its directory: "0.wav" is
// the background music, "1.wav" to "3.wav" the sounds of the three actions.
// i is written in decimal with no leading zeros, blanks or sign.
std::string soundFileName(int i);
