// SPDX-License-Identifier: GPL-3.0-or-later
#include "ppsobject.h"

#include "pathcodec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bb {

namespace {

// Reads go in pieces of this size, so a stream that never ends costs no more
// memory than the cap.
constexpr qint64 ChunkSize = 64 * 1024;

// The application sets the user's locale, which would translate strerror();
// callers compare these texts, so they are always taken from the C locale.
locale_t untranslated()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

} // namespace

PpsObject::PpsObject(const QString &path, QObject *parent) : QObject(parent), m_path(path)
{
}

PpsObject::~PpsObject()
{
    close();
}

bool PpsObject::open(PpsOpenMode::Types mode)
{
    close();
    if (mode != PpsOpenMode::Subscribe) {
        m_error = EINVAL;
        return false;
    }
    // A name with a zero in it would be cut short by the system call and
    // name another file.
    if (m_path.contains(QChar(0))) {
        m_error = ENOENT;
        return false;
    }
    // Without O_NONBLOCK a pipe that nobody writes to, or a terminal, would
    // hold the caller here indefinitely.
    const int fd =
        ::open(PathCodec::encode(m_path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    struct stat status;
    int error = 0;
    if (::fstat(fd, &status) != 0)
        error = errno;
    else if (S_ISDIR(status.st_mode))
        error = EISDIR;
    if (error != 0) {
        ::close(fd);
        m_error = error;
        return false;
    }
    m_fd = fd;
    m_error = 0;
    return true;
}

QByteArray PpsObject::read(bool *ok)
{
    bool success = true;
    QByteArray content;
    if (m_fd < 0) {
        m_error = EBADF;
        success = false;
    } else {
        struct stat status;
        if (::fstat(m_fd, &status) == 0 && S_ISREG(status.st_mode)) {
            // Every read of a file returns it from its start.
            ::lseek(m_fd, 0, SEEK_SET);
            content.reserve(qBound<qint64>(0, qint64(status.st_size), MaxReadSize));
        }
        while (content.size() < MaxReadSize) {
            const qsizetype had = content.size();
            const qint64 want = qMin(ChunkSize, MaxReadSize - had);
            content.resize(had + want);
            const ssize_t got = ::read(m_fd, content.data() + had, size_t(want));
            content.resize(had + qMax<qsizetype>(got, 0));
            if (got > 0)
                continue;
            if (got < 0 && errno == EINTR)
                continue;
            // End of file, or nothing more without waiting: what there is, is
            // the content.
            if (got == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
                break;
            m_error = errno;
            success = false;
            break;
        }
    }
    if (ok)
        *ok = success;
    return content;
}

QString PpsObject::errorString() const
{
    if (m_error == 0)
        return QString();
    const locale_t c = untranslated();
    return QString::fromLocal8Bit(c ? strerror_l(m_error, c) : strerror(m_error));
}

void PpsObject::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace bb
