#pragma once
// A random source for tests that choose what the Master Card draws.
#include <deque>

#include "mdlPicfunc.h"

// Hands out the values it is given, then those of a seeded source; counts
// the reseeds asked for.
struct ScriptedRandom : RandomSource {
    explicit ScriptedRandom(uint64_t seed = 42) : fallback(seed) {}
    void Randomize() override { ++reseeds; }
    double Next() override
    {
        const double r = script.empty() ? fallback.Next() : script.front();
        if (!script.empty())
            script.pop_front();
        return r;
    }
    // The value that makes the draw take card k among the face-down cards.
    static double drawing(const std::string &faceDown, int k)
    {
        return (double(faceDown.find(mdlPicfunc::CardLetter(k))) + 0.5) / double(faceDown.size());
    }
    std::deque<double> script;
    int reseeds = 0;
    SeededRandom fallback;
};
