#include "mdlPicfunc.h"

#include <cmath>
#include <utility>

namespace mdlPicfunc {

void ShuffleDeck(std::span<int16_t> deck, RandomSource &random)
{
    random.Randomize();
    const int n = int(deck.size());
    for (int i = 1; i <= n; ++i) {
        // nearbyint rounds halves to the even neighbour: with the two ends
        // rounded to from half as wide a range, each is half as likely.
        const int j = int(std::nearbyint(random.Next() * (n - 1) + 1));
        std::swap(deck[i - 1], deck[j - 1]);
    }
}

} // namespace mdlPicfunc
