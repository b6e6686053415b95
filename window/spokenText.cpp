#include "spokenText.h"

#include "ResourceIds.h"
#include "pictureNames.h"

namespace {
QString showing(const QString &control, int picture, int back)
{
    if (picture == back)
        return Spoken::tr("%1, face down").arg(control);
    if (picture == 0)
        return Spoken::tr("%1, empty").arg(control);
    return Spoken::tr("%1, %2").arg(control, PictureName(picture));
}
} // namespace

QString Spoken::card(int k, int picture) { return showing(tr("Card %1").arg(k), picture, ResourceIds::kFixedBack); }
QString Spoken::masterCard(int picture) { return showing(tr("Master Card"), picture, ResourceIds::kMasterBack); }
// The noun agrees with the number that ends the game, as in "3 of 8 misses".
QString Spoken::misses(int misses, int toLose) { return tr("%1 of %n memory misses", nullptr, toLose).arg(misses); }
QString Spoken::won(int misses) { return tr("You won with %n memory miss(es)", nullptr, misses); }
QString Spoken::lost() { return tr("Too many memory misses"); }

QString Spoken::dealt() { return tr("New game."); }
QString Spoken::match(int k, int picture) { return tr("%1: a match.").arg(card(k, picture)); }
QString Spoken::turnedBack(int k, int picture) { return tr("%1: no match, turned back.").arg(card(k, picture)); }
QString Spoken::rowOfFour() { return tr("A row of four!"); }
