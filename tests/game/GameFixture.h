#pragma once
// Shared by the rules tests: a recording stand-in for the world around the
// rules, a scripted random source, and boards written as small strings.
#include <deque>
#include <string>
#include <vector>

#include "GameRules.h"

struct Event {
    enum Kind { Sound, Pause } kind;
    ::Sound sound{};
    int ms = 0;
    mdlPicfunc::GameState seen; // the state the screen showed at that moment
};

class RecordingOutside : public GameOutside {
public:
    explicit RecordingOutside(const mdlPicfunc::GameState &state) : state(state) {}
    void PlayWave(::Sound sound) override { events.push_back({Event::Sound, sound, 0, state}); }
    void Pause(int ms) override { events.push_back({Event::Pause, {}, ms, state}); }

    std::vector<::Sound> sounds() const
    {
        std::vector<::Sound> out;
        for (const auto &e : events)
            if (e.kind == Event::Sound)
                out.push_back(e.sound);
        return out;
    }
    std::vector<int> pauses() const
    {
        std::vector<int> out;
        for (const auto &e : events)
            if (e.kind == Event::Pause)
                out.push_back(e.ms);
        return out;
    }

    std::vector<Event> events;

private:
    const mdlPicfunc::GameState &state;
};

// Hands out the values it is given, then falls back to a seeded sequence.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(uint64_t seed = 1) : fallback(seed) {}
    void Randomize() override { ++reseeds; }
    double Next() override
    {
        if (script.empty())
            return fallback.Next();
        const double r = script.front();
        script.pop_front();
        return r;
    }
    // Scripts the next draw to pick card k among the face-down cards.
    void willDraw(const std::string &faceDown, int k)
    {
        script.push_back((double(faceDown.find(mdlPicfunc::CardLetter(k))) + 0.5) / double(faceDown.size()));
    }
    std::deque<double> script;
    int reseeds = 0;

private:
    SeededRandom fallback;
};

// One game with its outside and random source, dealt so that card k holds
// bitmap 500 + k, which keeps the tests readable.
struct Game {
    mdlPicfunc::GameState state;
    RecordingOutside outside{state};
    ScriptedRandom random;
    GameRules rules{state, outside, random};

    Game()
    {
        rules.cmdPlay_Click();
        for (int k = 1; k <= mdlPicfunc::kCards; ++k)
            state.intCardPic[k] = int16_t(500 + k);
        outside.events.clear();
    }

    // Draws the picture of card k on the Master Card.
    void draw(int k)
    {
        random.willDraw(state.strFaceDown, k);
        rules.picShow_Click();
    }

    // Matches card k: draw it, then pick it.
    void match(int k)
    {
        draw(k);
        rules.picMat_Click(k);
    }

    // Turns up the cards marked 'X' in a 16-character board (rows top to
    // bottom, spaces ignored) by matching them in order.
    void layBoard(const std::string &board)
    {
        int k = 0;
        for (char ch : board) {
            if (ch == ' ')
                continue;
            ++k;
            if (ch == 'X')
                match(k);
        }
        outside.events.clear();
    }

    std::string board() const
    {
        std::string out;
        for (int k = 1; k <= mdlPicfunc::kCards; ++k) {
            out += state.intBoard[mdlPicfunc::CardColumn(k)][mdlPicfunc::CardRow(k)] ? 'X' : '.';
            if (k % 4 == 0 && k < 16)
                out += ' ';
        }
        return out;
    }
};

// Every invariant the rules keep between events; returns what is broken.
std::string brokenInvariant(const mdlPicfunc::GameState &s);
