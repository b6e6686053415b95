#pragma once
// Resources written out to temporary files of their own.
#include <QFileDevice>
#include <QString>
#include <QTemporaryFile>
#include <memory>

namespace mdlResFiles {

// A new, empty file named prefix + a unique part in folder (the system's
// temporary folder, TMPDIR, when folder is empty), open for reading and
// writing. It is created exclusively and only its owner may read it; use it
// through this handle, never by reopening its name, and it is deleted when
// the handle goes. Null when the folder cannot be used.
std::unique_ptr<QTemporaryFile> GetTempName(const QString &folder, const QString &prefix);

// Writes the bytes of resource id of the given type into file, a new and
// empty one, with nothing added.
// NoError (0) on success, otherwise the error that stopped it.
QFileDevice::FileError SaveResItem(int id, const QString &type, QFileDevice &file);

// text up to, not including, its first NUL; all of it when it has none.
QString StripNull(const QString &text);

} // namespace mdlResFiles
