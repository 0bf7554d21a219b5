#include "filecopy.h"

#include "pathcodec.h"
#include "regularfile.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace FileCopy {

namespace {

// Large enough that the system call costs nothing, small enough that a
// progress bar moves and a cancel is quick.
constexpr qint64 PieceSize = 1024 * 1024;
constexpr qint64 BufferSize = 1024 * 1024;

// What RegularFile::open() answers for a pipe, device or socket; no open of
// ours fails with it otherwise, since special files are never opened for real.
constexpr int NotRegular = ENXIO;

QByteArray procPath(int fd)
{
    char name[40];
    std::snprintf(name, sizeof name, "/proc/self/fd/%d", fd);
    return QByteArray(name);
}

Error errorOf(int error)
{
    switch (error) {
    case 0:
        return Error::None;
    case EEXIST:
        return Error::Exists;
    case EACCES:
    case EPERM:
    case EROFS:
        return Error::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Error::DiskFull;
    case ENOENT:
    case ESTALE:
    case ENOTDIR:
        return Error::SourceVanished;
    case EISDIR:
    case NotRegular:
        return Error::NotRegularFile;
    case ECANCELED:
        return Error::Cancelled;
    default:
        return Error::Other;
    }
}

Result failure(Result result, int error)
{
    result.error = errorOf(error);
    result.text = result.error == Error::NotRegularFile ? QStringLiteral("Not a regular file")
                                                        : qt_error_string(error);
    return result;
}

class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// The destination folder, open; -errno, or -ELOOP for a link in place of one
// of its last two folders.
int openFolder(const QString &folder)
{
    const bool absolute = folder.startsWith(QLatin1Char('/'));
    const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const qsizetype guarded = qMin<qsizetype>(2, parts.size());
    QString base = parts.mid(0, parts.size() - guarded).join(QLatin1Char('/'));
    base = absolute ? QLatin1Char('/') + base : (base.isEmpty() ? QStringLiteral(".") : base);
    QDir().mkpath(base);

    Descriptor dir(::open(PathCodec::encode(base).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return -errno;
    for (qsizetype i = parts.size() - guarded; i < parts.size(); ++i) {
        const QByteArray name = PathCodec::encode(parts[i]);
        if (::mkdirat(dir.get(), name.constData(), 0777) != 0 && errno != EEXIST)
            return -errno;
        const int next =
            ::openat(dir.get(), name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            const int error = errno;
            struct stat status;
            if (::fstatat(dir.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(status.st_mode))
                return -ELOOP;
            return -error;
        }
        dir.reset(next);
    }
    return dir.release();
}

// Copies [offset, offset + length) in pieces; 0 or an errno. Gives back in
// *end how far the source really went (it may have shrunk).
int copyRange(int from, int to, qint64 offset, qint64 length, bool *inKernel, qint64 total,
              const Progress &progress, qint64 *end)
{
    QByteArray buffer;
    const qint64 stop = offset + length;
    while (offset < stop) {
        const qint64 piece = qMin(stop - offset, *inKernel ? PieceSize : BufferSize);
        qint64 copied = -1;
        if (*inKernel) {
            off_t in = offset, out = offset;
            copied = ::copy_file_range(from, &in, to, &out, size_t(piece), 0);
            if (copied < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                               errno == EOPNOTSUPP || errno == EBADF)) {
                *inKernel = false;
                continue;
            }
        } else {
            if (buffer.isEmpty())
                buffer.resize(BufferSize);
            copied = ::pread(from, buffer.data(), size_t(piece), offset);
            for (qint64 written = 0; copied > 0 && written < copied;) {
                const ssize_t n = ::pwrite(to, buffer.constData() + written,
                                           size_t(copied - written), offset + written);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0) {
                    if (n == 0)
                        errno = ENOSPC;
                    copied = -1;
                    break;
                }
                written += n;
            }
        }
        if (copied < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (copied == 0)
            break; // the source got shorter
        offset += copied;
        if (progress && !progress(offset, qMax(total, offset)))
            return ECANCELED;
    }
    *end = offset;
    return 0;
}

// Copies the content, data pieces only where the source has them; 0 or an
// errno.
int copyContent(int from, int to, qint64 total, const Progress &progress)
{
    bool inKernel = true;
    qint64 position = 0;
    for (;;) {
        const off_t data = ::lseek(from, position, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break; // only a hole, or nothing, after position
        if (data < 0) {
            if (position != 0 || (errno != EINVAL && errno != EOPNOTSUPP))
                return errno;
            // No map of the data (some kernel files): read until the end.
            inKernel = false;
            return copyRange(from, to, 0, std::numeric_limits<qint64>::max() / 2, &inKernel, total,
                             progress, &position);
        }
        const off_t hole = ::lseek(from, data, SEEK_HOLE);
        if (hole < 0)
            return errno;
        qint64 end = data;
        if (const int error =
                copyRange(from, to, data, hole - data, &inKernel, total, progress, &end))
            return error;
        position = end;
        if (end < hole)
            break;
    }
    struct stat status;
    if (::fstat(from, &status) != 0)
        return errno;
    // A hole at the end is only a size.
    if (::ftruncate(to, qMax<qint64>(position, status.st_size)) != 0)
        return errno;
    if (progress && !progress(qMax<qint64>(position, status.st_size), qMax(total, position)))
        return ECANCELED;
    return 0;
}

} // namespace

Result copy(const QString &source, const QString &destinationFolder, const Progress &progress)
{
    Result result;
    QString folder = destinationFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString name = source.split(QLatin1Char('/')).last();
    result.destination = folder + name;

    const int opened = openFolder(folder);
    if (opened < 0) {
        result = failure(result, -opened);
        if (opened == -ELOOP) {
            result.error = Error::LinkedFolder;
            result.text = QStringLiteral("A link stands in place of a folder");
        } else if (result.error == Error::SourceVanished) {
            result.error = Error::Other; // the destination, not the source
        }
        return result;
    }
    Descriptor dir(opened);
    // The folder itself, or its parent, is not a name for a copy.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QChar(0)))
        return failure(result, NotRegular);
    const QByteArray target = PathCodec::encode(name);

    const int sourceFd = RegularFile::open(source);
    if (sourceFd < 0)
        return failure(result, -sourceFd);
    Descriptor from(sourceFd);
    struct stat status;
    if (::fstat(from.get(), &status) != 0)
        return failure(result, errno);

    struct stat existing;
    if (::fstatat(dir.get(), target.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return failure(result, EEXIST);

    // The kernel masks the mode with the umask, as for any new file.
    const mode_t mode = status.st_mode & 0777;
    QByteArray partName;
    Descriptor to(::openat(dir.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (to.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        // No nameless files here: a hidden name that nobody else uses.
        for (int attempt = 0; attempt < 100 && to.get() < 0; ++attempt) {
            partName =
                ".vantrel-copy-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
            to.reset(::openat(dir.get(), partName.constData(),
                              O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
            if (to.get() < 0 && errno != EEXIST)
                break;
        }
    }
    if (to.get() < 0)
        return failure(result, errno);
    const auto discard = [&](int error) {
        to.reset();
        if (!partName.isEmpty())
            ::unlinkat(dir.get(), partName.constData(), 0);
        return failure(result, error);
    };

    if (const int error = copyContent(from.get(), to.get(), status.st_size, progress))
        return discard(error);
    if (::fsync(to.get()) != 0)
        return discard(errno);
    // Taking the name fails if the name is taken: nothing is ever replaced.
    const int linked =
        partName.isEmpty()
            ? ::linkat(AT_FDCWD, procPath(to.get()).constData(), dir.get(), target.constData(),
                       AT_SYMLINK_FOLLOW)
            : ::linkat(dir.get(), partName.constData(), dir.get(), target.constData(), 0);
    if (linked != 0)
        return discard(errno);
    to.reset();
    if (!partName.isEmpty())
        ::unlinkat(dir.get(), partName.constData(), 0);
    return result;
}

} // namespace FileCopy
