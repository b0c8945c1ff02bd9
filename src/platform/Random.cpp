#include "platform/Random.h"

#include <cmath>

int Random::between(int a, int b)
{
    const double r = next();
    const int value = static_cast<int>(std::floor(r * (double(b) - a + 1))) + a;
    return value > b ? b : value;
}

float MersenneRandom::next()
{
    // 24 random bits give every float in [0, 1) on an even grid, never 1.0.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}
