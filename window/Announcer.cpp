#include "Announcer.h"

#include <algorithm>
#include <optional>

#include "spokenText.h"

using namespace mdlPicfunc;

namespace Announcer {

namespace {

bool isFace(int picture) { return picture >= kFirstFace && picture <= kLastFace; }

bool dealing(const GameState &s)
{
    return std::any_of(s.picMat.begin(), s.picMat.end(), [](const Control &c) { return c.picture == kNoPicture; });
}

// The line whose four cards are face up: the row first, as the rules blink it.
std::optional<QString> fullLine(const GameState &s, int column, int row)
{
    bool rowFull = true, columnFull = true;
    for (int i = 0; i < kBoardSide; ++i) {
        rowFull &= s.intBoard[i][row] == kFaceUp;
        columnFull &= s.intBoard[column][i] == kFaceUp;
    }
    if (rowFull || columnFull)
        return Spoken::rowOfFour(rowFull, (rowFull ? row : column) + 1);
    return std::nullopt;
}

} // namespace

QString Result(const GameState &now)
{
    return now.bytMisses == kMissesToLose ? Spoken::lost() : Spoken::won(now.bytMisses);
}

QStringList News(const GameState &before, const GameState &now)
{
    QStringList told;
    if (dealing(before) && !dealing(now))
        return {Spoken::dealt()};
    if (now.picShow.picture != before.picShow.picture && isFace(now.picShow.picture))
        told << Spoken::sentence(Spoken::masterCard(now.picShow.picture));
    for (int k = 1; k <= kCards; ++k) {
        const int picture = now.picMat[k].picture;
        if (before.picMat[k].picture == kFixedBack && isFace(picture))
            told << (picture == now.picShow.picture ? Spoken::match(k, picture) : Spoken::turnedBack(k, picture));
    }
    if (now.bytMisses > before.bytMisses)
        told << Spoken::sentence(Spoken::misses(now.bytMisses, kMissesToLose));
    for (int k = 1; k <= kCards; ++k) {
        const int c = CardColumn(k), r = CardRow(k);
        if (before.intBoard[c][r] != kFaceUp && now.intBoard[c][r] == kFaceUp)
            if (auto line = fullLine(now, c, r))
                told << *line;
    }
    if (now.picMsg.visible && !before.picMsg.visible)
        told << Spoken::sentence(Result(now));
    return told;
}

QString Due(const GameState &now)
{
    if (std::none_of(now.picMat.begin(), now.picMat.end(), [](const Control &c) { return c.enabled; }))
        return Spoken::gameOver(Result(now));
    if (now.txtHelpVisible)
        return Spoken::underHelp();
    return now.blnAwaitMaster ? Spoken::drawDue() : Spoken::pickDue(now.intMasterPic);
}

QString State(const GameState &now)
{
    QStringList told{Due(now)};
    told << Spoken::sentence(Spoken::misses(now.bytMisses, kMissesToLose));
    QStringList places;
    for (int k = 1; k <= kCards; ++k)
        if (now.intBoard[CardColumn(k)][CardRow(k)] == kFaceUp)
            places << Spoken::place(CardRow(k) + 1, CardColumn(k) + 1);
    told << Spoken::matched(places);
    return told.join(u' ');
}

} // namespace Announcer
