// What each card face shows, for screen readers. Written by
// resources/tools/make_cards.py from its table of faces, where each face's
// drawing and name stand together: change a name there, then run
// resources/regenerate.
#include "pictureNames.h"

#include <QCoreApplication>
#include <array>

#include "ResourceIds.h"

namespace {
constexpr std::array<const char *, ResourceIds::kLastFace - ResourceIds::kFirstFace + 1> kNames{
    QT_TRANSLATE_NOOP("PictureName", "coffee jug"), // 501
    QT_TRANSLATE_NOOP("PictureName", "minibus"), // 502
    QT_TRANSLATE_NOOP("PictureName", "carrot"), // 503
    QT_TRANSLATE_NOOP("PictureName", "dragonfly"), // 504
    QT_TRANSLATE_NOOP("PictureName", "leafy greens"), // 505
    QT_TRANSLATE_NOOP("PictureName", "chocolate ice lolly"), // 506
    QT_TRANSLATE_NOOP("PictureName", "bird on a branch"), // 507
    QT_TRANSLATE_NOOP("PictureName", "rooster"), // 508
    QT_TRANSLATE_NOOP("PictureName", "alarm clock"), // 509
    QT_TRANSLATE_NOOP("PictureName", "hot pepper"), // 510
    QT_TRANSLATE_NOOP("PictureName", "croissant"), // 511
    QT_TRANSLATE_NOOP("PictureName", "bitten apple"), // 512
    QT_TRANSLATE_NOOP("PictureName", "ring biscuit"), // 513
    QT_TRANSLATE_NOOP("PictureName", "cup of tea"), // 514
    QT_TRANSLATE_NOOP("PictureName", "sushi"), // 515
    QT_TRANSLATE_NOOP("PictureName", "soda can"), // 516
    QT_TRANSLATE_NOOP("PictureName", "ear of corn"), // 517
    QT_TRANSLATE_NOOP("PictureName", "teacup"), // 518
    QT_TRANSLATE_NOOP("PictureName", "ladybird"), // 519
    QT_TRANSLATE_NOOP("PictureName", "sports helmet"), // 520
    QT_TRANSLATE_NOOP("PictureName", "spring onion"), // 521
    QT_TRANSLATE_NOOP("PictureName", "bell pepper"), // 522
    QT_TRANSLATE_NOOP("PictureName", "hot-air balloon"), // 523
    QT_TRANSLATE_NOOP("PictureName", "coffee press"), // 524
    QT_TRANSLATE_NOOP("PictureName", "house with garden"), // 525
    QT_TRANSLATE_NOOP("PictureName", "tree biscuit"), // 526
    QT_TRANSLATE_NOOP("PictureName", "jack-o'-lantern"), // 527
    QT_TRANSLATE_NOOP("PictureName", "hot dog"), // 528
    QT_TRANSLATE_NOOP("PictureName", "hamburger"), // 529
    QT_TRANSLATE_NOOP("PictureName", "hammer"), // 530
    QT_TRANSLATE_NOOP("PictureName", "magnifying glass"), // 531
    QT_TRANSLATE_NOOP("PictureName", "mayonnaise jar"), // 532
    QT_TRANSLATE_NOOP("PictureName", "milk carton"), // 533
    QT_TRANSLATE_NOOP("PictureName", "owl"), // 534
    QT_TRANSLATE_NOOP("PictureName", "pizza"), // 535
    QT_TRANSLATE_NOOP("PictureName", "oven glove"), // 536
    QT_TRANSLATE_NOOP("PictureName", "red lettuce"), // 537
    QT_TRANSLATE_NOOP("PictureName", "rocket"), // 538
    QT_TRANSLATE_NOOP("PictureName", "watermelon"), // 539
    QT_TRANSLATE_NOOP("PictureName", "ribbon"), // 540
    QT_TRANSLATE_NOOP("PictureName", "wrapped gift"), // 541
    QT_TRANSLATE_NOOP("PictureName", "doughnut"), // 542
    QT_TRANSLATE_NOOP("PictureName", "toaster"), // 543
    QT_TRANSLATE_NOOP("PictureName", "soft ice cream"), // 544
    QT_TRANSLATE_NOOP("PictureName", "car"), // 545
    QT_TRANSLATE_NOOP("PictureName", "parcel"), // 546
    QT_TRANSLATE_NOOP("PictureName", "football"), // 547
    QT_TRANSLATE_NOOP("PictureName", "pencil"), // 548
    QT_TRANSLATE_NOOP("PictureName", "paint palette"), // 549
    QT_TRANSLATE_NOOP("PictureName", "sandwich"), // 550
    QT_TRANSLATE_NOOP("PictureName", "radish"), // 551
    QT_TRANSLATE_NOOP("PictureName", "cauliflower"), // 552
    QT_TRANSLATE_NOOP("PictureName", "butterfly"), // 553
    QT_TRANSLATE_NOOP("PictureName", "candy cane"), // 554
};
} // namespace

QString PictureName(int id)
{
    const int n = id - ResourceIds::kFirstFace;
    return n >= 0 && n < int(kNames.size()) ? QCoreApplication::translate("PictureName", kNames[std::size_t(n)]) : QString();
}
