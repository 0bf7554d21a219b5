// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileactions.h"

#include "pathcodec.h"
#include "paths.h"
#include "treewalk.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace FileActions {

bool Identity::isDir() const
{
    return valid && S_ISDIR(mode);
}

Identity identityAt(int folder, const QByteArray &name)
{
    struct statx status;
    if (::statx(folder, name.constData(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT,
                STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
        return {};
    const auto nanoseconds = [](const statx_timestamp &time) {
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    Identity identity;
    identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    identity.inode = status.stx_ino;
    identity.mode = status.stx_mode;
    identity.size = qint64(status.stx_size);
    identity.modified = nanoseconds(status.stx_mtime);
    identity.born = (status.stx_mask & STATX_BTIME) ? nanoseconds(status.stx_btime) : 0;
    identity.valid = true;
    return identity;
}

Identity identityOf(const QString &path)
{
    return identityAt(AT_FDCWD, PathCodec::encode(path));
}

FileResult checkName(const QString &name)
{
    if (name.isEmpty())
        return FileResult::failure(FileResult::EmptyName, name);
    if (name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return FileResult::failure(FileResult::SlashInName, name);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return FileResult::failure(FileResult::DotName, name);
    return {};
}

QString folderOf(const QString &path)
{
    return Paths::clean(Paths::parentOf(path));
}

QString nameOf(const QString &path)
{
    const QString name = Paths::lastName(path);
    return name == QLatin1String("/") ? QString() : name;
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString freeName(const QString &folder, const QString &name)
{
    Descriptor dir(openFolder(folder));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    QString candidate = name;
    for (int number = 2; number < 100000; ++number) {
        if (!identityAt(dir.isOpen() ? dir.get() : AT_FDCWD,
                        PathCodec::encode(dir.isOpen() ? candidate : joinPath(folder, candidate)))
                 .valid)
            return candidate;
        candidate =
            stem + QStringLiteral(" (") + QString::number(number) + QLatin1Char(')') + extension;
    }
    return candidate;
}

int openFolder(const QString &folder)
{
    const int fd = ::open(PathCodec::encode(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 ? fd : -errno;
}

int renameNoReplace(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to)
{
    if (::renameat2(fromFolder, from.constData(), toFolder, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // Some network and FUSE volumes take no flags: look, then rename. What
    // appears in between could still be replaced; nothing better exists there.
    struct stat status;
    if (::fstatat(toFolder, to.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return errno;
    if (::renameat(fromFolder, from.constData(), toFolder, to.constData()) != 0)
        return errno;
    return 0;
}

FileResult rename(const QString &path, const QString &newName, const Identity &expected,
                  Identity *renamed)
{
    if (const FileResult check = checkName(newName); !check.ok())
        return check;
    const QString folder = folderOf(path);
    const QString target = joinPath(folder, newName);
    Descriptor dir(openFolder(folder));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), path);
    const QByteArray from = PathCodec::encode(nameOf(path));
    const QByteArray to = PathCodec::encode(newName);
    const Identity before = identityAt(dir.get(), from);
    if (!before.valid)
        return FileResult::fromErrno(errno, path);
    if (expected.valid && !before.sameEntry(expected))
        return FileResult::failure(FileResult::Changed, path);
    if (from == to) {
        if (renamed)
            *renamed = before;
        return {};
    }
    int error = renameNoReplace(dir.get(), from, dir.get(), to);
    // A volume that ignores case finds the entry itself under the new name.
    if (error == EEXIST && identityAt(dir.get(), to).sameEntry(before))
        error = ::renameat(dir.get(), from.constData(), dir.get(), to.constData()) == 0 ? 0 : errno;
    if (error)
        return FileResult::fromErrno(error, error == EEXIST ? target : path);
    if (renamed)
        *renamed = identityAt(dir.get(), to);
    FileResult result;
    result.path = target;
    return result;
}

FileResult makeFolder(const QString &folder, const QString &name, Identity *made)
{
    if (const FileResult check = checkName(name); !check.ok())
        return check;
    const QString path = joinPath(folder, name);
    Descriptor dir(openFolder(folder));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), folder);
    const QByteArray bytes = PathCodec::encode(name);
    if (::mkdirat(dir.get(), bytes.constData(), 0777) != 0)
        return FileResult::fromErrno(errno, path);
    if (made)
        *made = identityAt(dir.get(), bytes);
    FileResult result;
    result.path = path;
    return result;
}

FileResult removeEmptyFolder(const QString &path, const Identity &expected)
{
    Descriptor dir(openFolder(folderOf(path)));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), path);
    const QByteArray name = PathCodec::encode(nameOf(path));
    const Identity now = identityAt(dir.get(), name);
    if (!now.valid)
        return FileResult::fromErrno(errno, path);
    if (!now.sameEntry(expected) || !now.isDir())
        return FileResult::failure(FileResult::Changed, path);
    // The system checks emptiness and removes in one step.
    if (::unlinkat(dir.get(), name.constData(), AT_REMOVEDIR) != 0)
        return FileResult::fromErrno(errno == EEXIST ? ENOTEMPTY : errno, path);
    return {};
}

FileResult removeTreeAt(int folder, const QByteArray &name, const QString &path,
                        const Progress &progress, qint64 *removedOut)
{
    qint64 removed = 0;
    const TreeWalk::Failure failure =
        TreeWalk::walk(folder, name, [&](const TreeWalk::Entry &entry) {
            if (entry.isDir && !entry.leaving) {
                if (entry.otherVolume)
                    return int(EBUSY);
                // One's own folder made read-only is opened up to be emptied.
                if ((entry.status.st_mode & 0700) != 0700 && entry.status.st_uid == ::getuid())
                    ::fchmod(entry.opened, (entry.status.st_mode & 07777) | 0700);
                return TreeWalk::Continue;
            }
            if (::unlinkat(entry.folder, entry.name.constData(), entry.isDir ? AT_REMOVEDIR : 0) !=
                0)
                return errno == ENOENT ? TreeWalk::Continue : errno;
            ++removed;
            return !progress || progress(removed) ? TreeWalk::Continue : int(ECANCELED);
        });
    if (removedOut)
        *removedOut = removed;
    if (!failure.error)
        return {};
    // The walk names the entry from the top's name on.
    const QString failed = joinPath(
        folderOf(path), PathCodec::decode(failure.relative.mid(name.size())).prepend(nameOf(path)));
    return FileResult::fromErrno(failure.error, failed);
}

FileResult removeTree(const QString &path, const Progress &progress)
{
    Descriptor dir(openFolder(folderOf(path)));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), path);
    return removeTreeAt(dir.get(), PathCodec::encode(nameOf(path)), path, progress);
}

} // namespace FileActions
