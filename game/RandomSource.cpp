#include "RandomSource.h"

#include <chrono>

namespace {
double unitInterval(std::mt19937_64 &engine)
{
    // 53 random bits give every double in [0, 1) with equal spacing.
    return double(engine() >> 11) * 0x1.0p-53;
}
} // namespace

void ClockRandom::Randomize()
{
    engine.seed(uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double ClockRandom::Next() { return unitInterval(engine); }

double SeededRandom::Next() { return unitInterval(engine); }
