#pragma once

#include <cstdint>
#include <random>

// The program's single pseudo-random generator. draw(n) is uniform over 0 ... n - 1 (draw(0) and
// draw(1) give 0); reseed() sets the state from the system clock. Tests replace it with a script.
class IRandomGenerator
{
public:
    virtual ~IRandomGenerator() = default;
    virtual int draw(int n) = 0;
    virtual void reseed() = 0;
};

class ClockRandomGenerator final : public IRandomGenerator
{
public:
    ClockRandomGenerator();
    int draw(int n) override;
    void reseed() override;

private:
    std::mt19937_64 m_engine;
};

// The whole number nearest to x, halves going to the even neighbour: nearest(0.5) = 0, nearest(2.5) = 2.
std::int64_t nearest(double x);
