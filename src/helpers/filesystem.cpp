#include "filesystem.h"

#include <QFileInfo>

namespace {
// Listing records end a folder's path with "/", which would make QFileInfo
// look through a link to a folder; the entry itself is what is asked about.
QFileInfo entry(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return QFileInfo(path);
}
} // namespace

bool FileSystem::exists(const QString &path) const
{
    return !path.isEmpty() && entry(path).exists();
}

bool FileSystem::isDir(const QString &path) const
{
    return !path.isEmpty() && entry(path).isDir();
}

bool FileSystem::isReadable(const QString &path) const
{
    return !path.isEmpty() && entry(path).isReadable();
}

bool FileSystem::isSymLink(const QString &path) const
{
    return !path.isEmpty() && entry(path).isSymLink();
}

double FileSystem::fileSize(const QString &path) const
{
    const QFileInfo info = entry(path);
    return !path.isEmpty() && info.isFile() ? double(info.size()) : -1.0;
}
