#include "pictureNames.h"

#include <QCoreApplication>
#include <array>

#include "ResourceIds.h"

namespace {
constexpr std::array<const char *, ResourceIds::kLastFace - ResourceIds::kFirstFace + 1> kNames{
    QT_TRANSLATE_NOOP("PictureName", "coffee jug"), QT_TRANSLATE_NOOP("PictureName", "minibus"),
    QT_TRANSLATE_NOOP("PictureName", "carrot"), QT_TRANSLATE_NOOP("PictureName", "dragonfly"),
    QT_TRANSLATE_NOOP("PictureName", "leafy greens"), QT_TRANSLATE_NOOP("PictureName", "chocolate ice lolly"),
    QT_TRANSLATE_NOOP("PictureName", "bird on a branch"), QT_TRANSLATE_NOOP("PictureName", "rooster"),
    QT_TRANSLATE_NOOP("PictureName", "alarm clock"), QT_TRANSLATE_NOOP("PictureName", "hot pepper"),
    QT_TRANSLATE_NOOP("PictureName", "croissant"), QT_TRANSLATE_NOOP("PictureName", "bitten apple"),
    QT_TRANSLATE_NOOP("PictureName", "ring biscuit"), QT_TRANSLATE_NOOP("PictureName", "cup of tea"),
    QT_TRANSLATE_NOOP("PictureName", "sushi"), QT_TRANSLATE_NOOP("PictureName", "soda can"),
    QT_TRANSLATE_NOOP("PictureName", "ear of corn"), QT_TRANSLATE_NOOP("PictureName", "teacup"),
    QT_TRANSLATE_NOOP("PictureName", "ladybird"), QT_TRANSLATE_NOOP("PictureName", "sports helmet"),
    QT_TRANSLATE_NOOP("PictureName", "spring onion"), QT_TRANSLATE_NOOP("PictureName", "bell pepper"),
    QT_TRANSLATE_NOOP("PictureName", "hot-air balloon"), QT_TRANSLATE_NOOP("PictureName", "coffee press"),
    QT_TRANSLATE_NOOP("PictureName", "house with garden"), QT_TRANSLATE_NOOP("PictureName", "tree biscuit"),
    QT_TRANSLATE_NOOP("PictureName", "jack-o'-lantern"), QT_TRANSLATE_NOOP("PictureName", "hot dog"),
    QT_TRANSLATE_NOOP("PictureName", "hamburger"), QT_TRANSLATE_NOOP("PictureName", "hammer"),
    QT_TRANSLATE_NOOP("PictureName", "magnifying glass"), QT_TRANSLATE_NOOP("PictureName", "mayonnaise jar"),
    QT_TRANSLATE_NOOP("PictureName", "milk carton"), QT_TRANSLATE_NOOP("PictureName", "owl"),
    QT_TRANSLATE_NOOP("PictureName", "pizza"), QT_TRANSLATE_NOOP("PictureName", "oven glove"),
    QT_TRANSLATE_NOOP("PictureName", "red lettuce"), QT_TRANSLATE_NOOP("PictureName", "rocket"),
    QT_TRANSLATE_NOOP("PictureName", "watermelon"), QT_TRANSLATE_NOOP("PictureName", "ribbon"),
    QT_TRANSLATE_NOOP("PictureName", "wrapped gift"), QT_TRANSLATE_NOOP("PictureName", "doughnut"),
    QT_TRANSLATE_NOOP("PictureName", "toaster"), QT_TRANSLATE_NOOP("PictureName", "soft ice cream"),
    QT_TRANSLATE_NOOP("PictureName", "car"), QT_TRANSLATE_NOOP("PictureName", "parcel"),
    QT_TRANSLATE_NOOP("PictureName", "football"), QT_TRANSLATE_NOOP("PictureName", "pencil"),
    QT_TRANSLATE_NOOP("PictureName", "paint palette"), QT_TRANSLATE_NOOP("PictureName", "sandwich"),
    QT_TRANSLATE_NOOP("PictureName", "radish"), QT_TRANSLATE_NOOP("PictureName", "cauliflower"),
    QT_TRANSLATE_NOOP("PictureName", "butterfly"), QT_TRANSLATE_NOOP("PictureName", "candy cane"),
};
} // namespace

QString PictureName(int id)
{
    const int n = id - ResourceIds::kFirstFace;
    return n >= 0 && n < int(kNames.size()) ? QCoreApplication::translate("PictureName", kNames[std::size_t(n)]) : QString();
}
