#pragma once
#include <cstdint>
#include <random>

// The rules' one source of random numbers: uniform in [0, 1), reseeded from
// the clock where the rules say so. Tests pass a seeded or scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;
    virtual double Next() = 0;
};

class ClockRandom : public RandomSource {
public:
    void Randomize() override;
    double Next() override;

private:
    std::mt19937_64 engine{std::random_device{}()};
};

// Reproducible: Randomize() does nothing, so a seed fixes the whole game.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : engine(seed) {}
    void Randomize() override {}
    double Next() override;

private:
    std::mt19937_64 engine;
};
