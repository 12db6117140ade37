// writeWave() stores mono samples (full scale is ±1.0) as a RIFF wave file
// of 16-bit PCM at SampleRate. It writes beside the target first and renames
// at the end, so a failed run never leaves half a file under the real name;
// any failure throws std::runtime_error naming the path.
#pragma once

#include <filesystem>
#include <vector>

void writeWave(const std::filesystem::path &path, const std::vector<double> &samples);
