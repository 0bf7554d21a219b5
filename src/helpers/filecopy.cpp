// SPDX-License-Identifier: GPL-3.0-or-later
#include "filecopy.h"

#include "copyengine.h"
#include "descriptor.h"
#include "pathcodec.h"
#include "regularfile.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace FileCopy {

namespace {

// What RegularFile::open() answers for a pipe, device or socket; no open of
// ours fails with it otherwise, since special files are never opened for real.
constexpr int NotRegular = ENXIO;

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
    if (error == CopyEngine::SourceChanged) {
        result.error = Error::SourceChanged;
        result.text = QStringLiteral("The file changed while it was copied");
        return result;
    }
    result.error = errorOf(error);
    result.text = result.error == Error::NotRegularFile ? QStringLiteral("Not a regular file")
                                                        : qt_error_string(error);
    return result;
}

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

} // namespace

Result copy(const QString &source, const QString &destinationFolder, const Progress &progress,
            const BeforeName &beforeName)
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

    const int sourceFd = RegularFile::open(source);
    if (sourceFd < 0)
        return failure(result, -sourceFd);
    Descriptor from(sourceFd);
    struct stat status;
    if (::fstat(from.get(), &status) != 0)
        return failure(result, errno);

    // The size is known now, before the first piece.
    if (progress && !progress(0, status.st_size))
        return failure(result, ECANCELED);
    // A name taken fails the copy: nothing is ever replaced.
    CopyEngine engine;
    if (progress)
        engine.setProgress([&](const CopyEngine::Stats &done) {
            return progress(done.bytes, qMax<qint64>(status.st_size, done.bytes));
        });
    if (beforeName)
        engine.setBeforeName(beforeName);
    const CopyEngine::Result copied = engine.copyFile(from.get(), source, dir.get(), folder, name);
    return copied.ok() ? result : failure(result, copied.error);
}

} // namespace FileCopy
