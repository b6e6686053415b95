#include "pictureNames.h"

#include <array>

#include "ResourceIds.h"

namespace {
constexpr std::array<const char *, ResourceIds::kLastFace - ResourceIds::kFirstFace + 1> kNames{
    "coffee jug", "minibus", "carrot", "dragonfly", "leafy greens", "chocolate ice lolly",
    "bird on a branch", "rooster", "alarm clock", "hot pepper", "croissant", "bitten apple",
    "ring biscuit", "cup of tea", "sushi", "soda can", "ear of corn", "teacup",
    "ladybird", "sports helmet", "spring onion", "bell pepper", "hot-air balloon", "coffee press",
    "house with garden", "tree biscuit", "jack-o'-lantern", "hot dog", "hamburger", "hammer",
    "magnifying glass", "mayonnaise jar", "milk carton", "owl", "pizza", "oven glove",
    "red lettuce", "rocket", "watermelon", "ribbon", "wrapped gift", "doughnut",
    "toaster", "soft ice cream", "car", "parcel", "football", "pencil",
    "paint palette", "sandwich", "radish", "cauliflower", "butterfly", "candy cane",
};
} // namespace

QString PictureName(int id)
{
    const int n = id - ResourceIds::kFirstFace;
    return n >= 0 && n < int(kNames.size()) ? QString::fromLatin1(kNames[std::size_t(n)]) : QString();
}
