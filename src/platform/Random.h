#pragma once

#include <cstdint>
#include <random>

// The one uniform generator that serves every draw and shuffle.
class Random
{
public:
    virtual ~Random() = default;
    // A number in [0, 1); 1.0 never comes out.
    virtual float next() = 0;
    virtual void seed(std::uint32_t value) = 0;

    // Int(r * (b - a + 1)) + a for one draw r: a whole number from a to b.
    int between(int a, int b);
};

class MersenneRandom : public Random
{
public:
    explicit MersenneRandom(std::uint32_t seed = 1) : m_engine(seed) {}
    float next() override;
    void seed(std::uint32_t value) override { m_engine.seed(value); }

private:
    std::mt19937 m_engine;
};
