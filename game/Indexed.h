#pragma once
#include <array>
#include <cassert>

// A fixed array indexed from Lo to Hi inclusive, as the game numbers things
// (cards 1..16, pictures 1..54, bitmap ids 501..554, miss markers 0..7), so
// the rules read with the numbers the game uses rather than offsets.
template <typename T, int Lo, int Hi>
class Indexed {
public:
    T &operator[](int i) { assert(i >= Lo && i <= Hi); return items[i - Lo]; }
    const T &operator[](int i) const { assert(i >= Lo && i <= Hi); return items[i - Lo]; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    T *data() { return items.data(); }
    bool operator==(const Indexed &) const = default;

private:
    std::array<T, Hi - Lo + 1> items{};
};
