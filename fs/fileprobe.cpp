// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileprobe.h"

#include "pathcodec.h"
#include "regularfile.h"

#include <QThreadPool>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <mutex>
#include <unistd.h>

namespace FileProbe {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return Kind::Regular;
    if (S_ISDIR(mode))
        return Kind::Directory;
    if (S_ISFIFO(mode))
        return Kind::Pipe;
    if (S_ISCHR(mode))
        return Kind::CharDevice;
    if (S_ISBLK(mode))
        return Kind::BlockDevice;
    return Kind::Socket;
}

} // namespace

Status statusOf(const QString &path)
{
    Status status;
    if (path.isEmpty() || path.contains(QChar(0))) {
        status.error = ENOENT;
        return status;
    }
    const QByteArray name = PathCodec::encode(path);
    struct stat link;
    if (::lstat(name.constData(), &link) != 0) {
        status.error = errno;
        status.kind = errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::Unreadable;
        return status;
    }
    status.isSymLink = S_ISLNK(link.st_mode);
    if (!status.isSymLink) {
        status.st = link;
    } else if (::stat(name.constData(), &status.st) != 0) {
        status.error = errno;
        status.isBrokenLink = errno == ENOENT || errno == ENOTDIR || errno == ELOOP;
        status.kind = status.isBrokenLink ? Kind::Missing : Kind::Unreadable;
        status.st = link;
        return status;
    }
    status.kind = kindOfMode(status.st.st_mode);
    return status;
}

QString linkTargetOf(const QString &path)
{
    if (path.contains(QChar(0)))
        return QString();
    QByteArray target(4096, Qt::Uninitialized);
    const ssize_t size =
        ::readlink(PathCodec::encode(path).constData(), target.data(), size_t(target.size()));
    target.resize(qMax<ssize_t>(size, 0));
    return PathCodec::decode(target);
}

bool isSpecial(Kind kind)
{
    return kind == Kind::Pipe || kind == Kind::CharDevice || kind == Kind::BlockDevice ||
           kind == Kind::Socket;
}

const char *kindName(Kind kind)
{
    switch (kind) {
    case Kind::Missing:
        return "missing";
    case Kind::Unreadable:
        return "unreadable";
    case Kind::Regular:
        return "file";
    case Kind::Directory:
        return "folder";
    case Kind::Pipe:
        return "pipe";
    case Kind::CharDevice:
        return "character device";
    case Kind::BlockDevice:
        return "block device";
    case Kind::Socket:
        return "socket";
    }
    return "";
}

int openRegular(const QString &path, int *error, struct stat *st)
{
    const int fd = path.isEmpty() ? -ENOENT : RegularFile::open(path);
    if (fd < 0) {
        *error = -fd == ENXIO ? ENODEV : -fd;
        return -1;
    }
    if (st && ::fstat(fd, st) != 0) {
        *error = errno;
        ::close(fd);
        return -1;
    }
    return fd;
}

bool readSome(int fd, qint64 max, QByteArray *out, int *error)
{
    out->clear();
    while (out->size() < max) {
        const qsizetype had = out->size();
        const qint64 want = qMin(ChunkSize, max - had);
        out->resize(had + want);
        const ssize_t got = ::read(fd, out->data() + had, size_t(want));
        out->resize(had + qMax<qsizetype>(got, 0));
        if (got > 0)
            continue;
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            return true;
        *error = errno;
        return false;
    }
    return true;
}

QString errorText(int error)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return QString::fromLocal8Bit(c ? strerror_l(error, c) : strerror(error));
}

namespace {
std::mutex lookHookMutex;
std::function<void(const QString &)> lookHook;
} // namespace

void setLookHookForTesting(std::function<void(const QString &)> hook)
{
    std::lock_guard<std::mutex> lock(lookHookMutex);
    lookHook = std::move(hook);
}

void aboutToLook(const QString &path)
{
    std::function<void(const QString &)> hook;
    {
        std::lock_guard<std::mutex> lock(lookHookMutex);
        hook = lookHook;
    }
    if (hook)
        hook(path);
}

QThreadPool *ioPool()
{
    return IoLanes::pool();
}

} // namespace FileProbe
