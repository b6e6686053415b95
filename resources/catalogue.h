#pragma once
// The embedded resources, fetched by numeric identifier and type. A resource
// that is missing is a broken build, not a situation the game can recover
// from: the fetch ends the program with a message naming it.
#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace Catalogue {

// The raw bytes of a resource, exactly as stored ("WAVE", "TEXT", "BITMAP", ...).
QByteArray LoadResData(int id, const QString &type);

// A 24-bit bitmap (card faces 501..554, backs 255 and 350, buttons, panels).
QImage LoadResPicture(int id);

// The hand cursor 101, with its own hot spot.
QCursor LoadResCursor(int id);

// The program's icon 30001.
QIcon LoadResIcon(int id);

// Pictures that belong to the window's layout rather than to the catalogue:
// "Picture1" (the window face) and "imgBad" (the sad face).
QImage LoadLayoutPicture(const QString &name);

// Turns a stored bitmap (info header, pixels, no file header) into an image.
QImage DecodeDib(const QByteArray &dib);

} // namespace Catalogue
