#include "runtime/Random.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace runtime {

namespace {

class ClockSeededSource final : public RandomSource {
public:
    void seedFromClock() override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        std::seed_seq seed{std::uint32_t(ticks), std::uint32_t(std::uint64_t(ticks) >> 32)};
        engine_.seed(seed);
    }

    // 24 random bits scaled by 2^-24: every result is an exact single below 1,
    // so no rounding can ever give 1.
    float next() override { return float(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

ClockSeededSource standardSource;
RandomSource *currentSource = &standardSource;

} // namespace

void Randomize()
{
    currentSource->seedFromClock();
}

float Rnd()
{
    return currentSource->next();
}

RandomSource *SetRandomSource(RandomSource *source)
{
    RandomSource *previous = currentSource;
    currentSource = source ? source : &standardSource;
    return previous == &standardSource ? nullptr : previous;
}

} // namespace runtime
