// SPDX-License-Identifier: MIT
#include "scriptedrandom.h"

#include <gtest/gtest.h>

ScriptedRandom::ScriptedRandom(std::initializer_list<float> draws)
    : m_script(draws)
{
}

void ScriptedRandom::push(std::initializer_list<float> draws)
{
    m_script.insert(m_script.end(), draws);
}

void ScriptedRandom::setFallback(float r)
{
    m_fallback = r;
}

float ScriptedRandom::next()
{
    ++m_drawn;
    if (m_script.empty()) {
        if (m_fallback < 0)
            ADD_FAILURE() << "drew more random numbers than were scripted (draw " << m_drawn << ")";
        return m_fallback < 0 ? 0.0f : m_fallback;
    }
    const float r = m_script.front();
    m_script.pop_front();
    return r;
}
