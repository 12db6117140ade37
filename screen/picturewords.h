// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class Image;

// What the mood and reaction pictures show, in words, for players who
// cannot see them: start-up gives every stored picture its description, in
// the language the application speaks, and the main picture takes it along
// with the picture. moods holds E(0..2), reactions E2(0..8) in the order of
// the picture files.
void describePictures(const std::vector<Image *> &moods, const std::vector<Image *> &reactions);
