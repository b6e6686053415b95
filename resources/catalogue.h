#pragma once
// The embedded resources, fetched by numeric identifier and type; what each
// id holds is listed in ResourceIds.h. A resource that is missing is a broken
// build, not a situation the game can recover from: the fetch ends the
// program with a message naming it.
#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

#include "ResourceIds.h"

namespace Catalogue {

// The raw bytes of a resource, exactly as stored ("WAVE", "TEXT", "BITMAP", ...).
QByteArray LoadResData(int id, const QString &type);

// A 24-bit bitmap (card faces 501..554, backs 255 and 350, buttons, panels),
// for a screen of the given device pixel ratio: at 1 the stored bitmap;
// above 1 its twin drawn at twice the size (an image of device pixel ratio
// 2, which a painter scales smoothly to ratios between 1 and 2).
QImage LoadResPicture(int id, qreal devicePixelRatio = 1);

// The hand cursor 101, with its own hot spot; above a ratio of 1 drawn from
// its twin at the screen's own size.
QCursor LoadResCursor(int id, qreal devicePixelRatio = 1);

// The program's icon 30001; above a ratio of 1 its twin comes with it.
QIcon LoadResIcon(int id, qreal devicePixelRatio = 1);

// Pictures that belong to the window's layout rather than to the catalogue:
// "Picture1" (the window face) and "imgBad" (the sad face), chosen by ratio
// as LoadResPicture does.
QImage LoadLayoutPicture(const QString &name, qreal devicePixelRatio = 1);

// Turns a stored bitmap (info header, pixels, no file header) into an image.
QImage DecodeDib(const QByteArray &dib);

} // namespace Catalogue
