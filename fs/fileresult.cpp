// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileresult.h"

#include "fileprobe.h"
#include "pathcodec.h"

#include <QCoreApplication>
#include <QMetaEnum>

#include <cerrno>

namespace {

QString shownName(const QString &path)
{
    QString name = path;
    while (name.size() > 1 && name.endsWith(QLatin1Char('/')))
        name.chop(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    return PathCodec::shown(name.isEmpty() ? path : name);
}

} // namespace

QString FileResult::message() const
{
    const QString name = shownName(path);
    switch (error) {
    case None:
        return QString();
    case EmptyName:
        return QCoreApplication::translate("FileResult", "A name cannot be empty.");
    case SlashInName:
        return QCoreApplication::translate("FileResult", "A name cannot contain “/”.");
    case DotName:
        return QCoreApplication::translate("FileResult", "“.” and “..” cannot be used as names.");
    case Exists:
        return QCoreApplication::translate("FileResult", "“%1” already exists.").arg(name);
    case Missing:
        return QCoreApplication::translate("FileResult", "“%1” no longer exists.").arg(name);
    case PermissionDenied:
        return QCoreApplication::translate("FileResult", "You may not change “%1”.").arg(name);
    case ReadOnly:
        return QCoreApplication::translate("FileResult", "“%1” is on a read-only volume.")
            .arg(name);
    case NoTrash:
        return QCoreApplication::translate("FileResult",
                                           "The volume holding “%1” has no trash you can use.")
            .arg(name);
    case InTrash:
        return QCoreApplication::translate("FileResult", "“%1” is in the trash already.").arg(name);
    case UnknownOrigin:
        return QCoreApplication::translate("FileResult", "Where “%1” came from is not known.")
            .arg(name);
    case CrossDevice:
        return QCoreApplication::translate("FileResult", "“%1” would have to go to another volume.")
            .arg(name);
    case NotEmpty:
        return QCoreApplication::translate("FileResult", "The folder “%1” is no longer empty.")
            .arg(name);
    case Changed:
        return QCoreApplication::translate("FileResult", "“%1” has changed since.").arg(name);
    case Busy:
        return QCoreApplication::translate("FileResult", "“%1” is in use.").arg(name);
    case Cancelled:
        return QCoreApplication::translate("FileResult", "Cancelled.");
    case Other:
        break;
    }
    return QCoreApplication::translate("FileResult", "“%1”: %2")
        .arg(name, FileProbe::errorText(code));
}

FileResult FileResult::failure(Error error, const QString &path, int code)
{
    FileResult result;
    result.error = error;
    result.path = path;
    result.code = code;
    return result;
}

FileResult FileResult::fromErrno(int code, const QString &path)
{
    switch (code) {
    case 0:
        return failure(None, path);
    case EEXIST:
        return failure(Exists, path, code);
    case ENOTEMPTY:
        return failure(NotEmpty, path, code);
    case ENOENT:
    case ESTALE:
    case ENOTDIR:
        return failure(Missing, path, code);
    case EACCES:
    case EPERM:
        return failure(PermissionDenied, path, code);
    case EROFS:
        return failure(ReadOnly, path, code);
    case EXDEV:
        return failure(CrossDevice, path, code);
    case EBUSY:
        return failure(Busy, path, code);
    case ECANCELED:
        return failure(Cancelled, path, code);
    default:
        return failure(Other, path, code);
    }
}

QString FileResult::errorName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<Error>().valueToKey(error));
}
