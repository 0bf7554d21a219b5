// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesystem.h"

#include "fileprobe.h"
#include "pathcodec.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Listing records end a folder's path with "/", which would look through a
// link to a folder; the entry itself is what is asked about.
QByteArray entry(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return PathCodec::encode(path);
}

bool statOf(const QString &path, struct stat *status, bool followLink = true)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QByteArray name = entry(path);
    return (followLink ? ::stat(name.constData(), status) : ::lstat(name.constData(), status)) == 0;
}

} // namespace

bool FileSystem::exists(const QString &path) const
{
    struct stat status;
    return statOf(path, &status);
}

bool FileSystem::isDir(const QString &path) const
{
    struct stat status;
    return statOf(path, &status) && S_ISDIR(status.st_mode);
}

bool FileSystem::isReadable(const QString &path) const
{
    struct stat status;
    return statOf(path, &status) && ::access(entry(path).constData(), R_OK) == 0;
}

bool FileSystem::isSymLink(const QString &path) const
{
    struct stat status;
    return statOf(path, &status, false) && S_ISLNK(status.st_mode);
}

double FileSystem::fileSize(const QString &path) const
{
    struct stat status;
    return statOf(path, &status) && S_ISREG(status.st_mode) ? double(status.st_size) : -1.0;
}

void FileSystem::requestExists(const QString &path)
{
    // A path still being looked at is not asked again: a mount that does not
    // answer holds one worker for it, however often it is asked.
    if (m_checking.contains(path))
        return;
    m_checking.insert(path);
    FileProbe::runOffThread<bool>(
        this, path,
        [path] {
            FileProbe::aboutToLook(path);
            struct stat status;
            return statOf(path, &status);
        },
        [this, path](bool found) {
            m_checking.remove(path);
            Q_EMIT existsChecked(path, found);
        });
}
