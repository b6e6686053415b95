#include "mdlResFiles.h"

#include <QDir>

#include "catalogue.h"

namespace mdlResFiles {

std::unique_ptr<QTemporaryFile> GetTempName(const QString &folder, const QString &prefix)
{
    // QDir::tempPath() is empty when TMPDIR names no folder, and a relative
    // template would put the file in the working folder: refuse both.
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    if (!QDir::isAbsolutePath(dir))
        return nullptr;
    auto file = std::make_unique<QTemporaryFile>(QDir(dir).filePath(prefix + QStringLiteral("XXXXXX")));
    if (!file->open())
        return nullptr;
    // Qt opens the file unnamed and links it into the folder only when its
    // name is asked for; it is to be there, under its name, while in use.
    file->fileName();
    return file;
}

QFileDevice::FileError SaveResItem(int id, const QString &type, QFileDevice &file)
{
    const QByteArray bytes = Catalogue::LoadResData(id, type);
    if (file.write(bytes) == bytes.size() && file.flush())
        return QFileDevice::NoError;
    // A handle not open for writing refuses without recording an error.
    return file.error() != QFileDevice::NoError ? file.error() : QFileDevice::WriteError;
}

QString StripNull(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar::Null);
    return nul < 0 ? text : text.left(nul);
}

} // namespace mdlResFiles
