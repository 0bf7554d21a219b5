// SPDX-License-Identifier: GPL-3.0-or-later
#include "regularfile.h"

#include "pathcodec.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

int openAt(int folder, const QByteArray &name, bool followLink)
{
    if (name.isEmpty() || name.contains('\0'))
        return -ENOENT;
    const int probe =
        ::openat(folder, name.constData(), O_PATH | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW));
    if (probe < 0)
        return -errno;
    struct stat before;
    int error = 0;
    if (::fstat(probe, &before) != 0)
        error = errno;
    else if (!S_ISREG(before.st_mode))
        error = S_ISDIR(before.st_mode) ? EISDIR : ENXIO;
    int fd = -1;
    if (error == 0) {
        char again[40];
        std::snprintf(again, sizeof again, "/proc/self/fd/%d", probe);
        fd = ::open(again, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            error = errno;
    }
    ::close(probe);
    struct stat after;
    if (fd >= 0 && (::fstat(fd, &after) != 0 || !S_ISREG(after.st_mode) ||
                    after.st_dev != before.st_dev || after.st_ino != before.st_ino)) {
        ::close(fd);
        return -ENXIO;
    }
    return error != 0 ? -error : fd;
}

int open(const QString &path)
{
    if (path.contains(QChar(0)))
        return -ENOENT;
    return openAt(AT_FDCWD, PathCodec::encode(path), true);
}

} // namespace RegularFile
