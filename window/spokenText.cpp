#include "spokenText.h"

#include "ResourceIds.h"
#include "mdlPicfunc.h"
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

QString Spoken::card(int k, int picture)
{
    const QString card = tr("Card %1, row %2, column %3").arg(k).arg(mdlPicfunc::CardRow(k) + 1).arg(mdlPicfunc::CardColumn(k) + 1);
    return showing(card, picture, ResourceIds::kFixedBack);
}
QString Spoken::masterCard(int picture) { return showing(tr("Master Card"), picture, ResourceIds::kMasterBack); }
// The noun agrees with the number that ends the game, as in "3 of 8 misses".
QString Spoken::misses(int misses, int toLose) { return tr("%1 of %n memory misses", nullptr, toLose).arg(misses); }
QString Spoken::won(int misses) { return tr("You won with %n memory miss(es)", nullptr, misses); }
QString Spoken::lost() { return tr("Too many memory misses"); }

QString Spoken::dealt() { return tr("New game."); }
QString Spoken::match(int k, int picture) { return tr("%1: a match.").arg(card(k, picture)); }
QString Spoken::turnedBack(int k, int picture) { return tr("%1: no match, turned back.").arg(card(k, picture)); }
QString Spoken::rowOfFour(bool row, int line)
{
    return row ? tr("A row of four: row %1!").arg(line) : tr("A row of four: column %1!").arg(line);
}
QString Spoken::pickDue(int picture) { return tr("Find the %1.").arg(PictureName(picture)); }
QString Spoken::matched(const QStringList &places)
{
    return places.isEmpty() ? tr("No card matched yet.")
                            : tr("%n matched: %1.", nullptr, int(places.size())).arg(places.join(tr(", ")));
}
