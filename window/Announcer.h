#pragma once
// What a listener is told of the game, worked out from the game's own state:
// each change from one moment to the next as the events of the rules (a
// deal, a draw, a pick, a memory miss, a row of four, the result), and the
// whole state on demand.
#include <QString>
#include <QStringList>

#include "mdlPicfunc.h"

namespace Announcer {

// The events between before and now, in the order they happen, a sentence each.
QStringList News(const mdlPicfunc::GameState &before, const mdlPicfunc::GameState &now);

// How the game ended: won with so many misses, or lost.
QString Result(const mdlPicfunc::GameState &now);

// What is due next: a draw, a pick of the drawn picture, or nothing more.
QString Due(const mdlPicfunc::GameState &now);

// What is due next, the memory misses and where the matched cards lie.
QString State(const mdlPicfunc::GameState &now);

} // namespace Announcer
