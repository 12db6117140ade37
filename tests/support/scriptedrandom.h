// SPDX-License-Identifier: MIT
#pragma once

#include "random.h"

#include <deque>
#include <initializer_list>

// A random source that hands out the draws a test scripted, in order, and
// fails the test when the code under test draws more than were scripted.
// Once the script is empty it answers fallback() for tests that only care
// about the first few draws.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> draws);

    void push(std::initializer_list<float> draws);
    void setFallback(float r);
    float next() override;

    int drawCount() const { return m_drawn; }
    std::size_t remaining() const { return m_script.size(); }

private:
    std::deque<float> m_script;
    float m_fallback = -1;
    int m_drawn = 0;
};
