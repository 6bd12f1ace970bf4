#include "support/scriptedrandom.h"

#include <stdexcept>
#include <utility>

ScriptedRandom::ScriptedRandom(std::vector<double> values)
    : m_values(std::move(values))
{
}

double ScriptedRandom::next()
{
    if (m_next >= static_cast<int>(m_values.size()))
        throw std::out_of_range("the scripted random values ran out");
    return m_values[static_cast<std::size_t>(m_next++)];
}
