// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyengine.h"

#include "contentcopy.h"
#include "pathcodec.h"
#include "paths.h"
#include "regularfile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <set>
#include <stdio.h>
#include <sys/stat.h>
#include <utility>

static_assert(CopyEngine::SourceChanged == ContentCopy::SourceChanged);

using ContentCopy::Temporary;
using Action = CopyEngine::Action;

namespace {

// Results of a step that are no errno.
constexpr int SkipItem = -1;  // the item is left out
constexpr int OwnFolder = -2; // a folder this copy made: never copied into itself

std::function<int(const QByteArray &)> &nameCheck()
{
    static std::function<int(const QByteArray &)> check;
    return check;
}

// How a copy takes its name.
enum class Take { New, Replace, KeepBoth, Merge };

bool isSpecial(mode_t mode)
{
    return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode) || S_ISSOCK(mode);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

bool validName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// The names in an open folder, bar "." and ".."; 0 or an errno.
int namesIn(int folder, QList<QByteArray> *names)
{
    DIR *dir = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!dir)
        return errno;
    ::rewinddir(dir);
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names->append(QByteArray(entry->d_name));
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

// Moves a finished item from its hidden name to target, never over
// anything; 0 or an errno (EEXIST when the name is taken).
int takeNew(int folder, const QByteArray &hidden, const QByteArray &target)
{
    if (::renameat2(folder, hidden.constData(), folder, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // No such rename here: a second name, then the first one goes.
    if (::linkat(folder, hidden.constData(), folder, target.constData(), 0) == 0) {
        ::unlinkat(folder, hidden.constData(), 0);
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return errno;
    struct stat status;
    if (::fstatat(folder, target.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(folder, hidden.constData(), folder, target.constData()) == 0 ? 0 : errno;
}

// Puts the item at hidden in place of target in one step; what target was
// is removed after. 0 or an errno; on failure target is as it was.
int takeOver(int folder, const QByteArray &hidden, const QByteArray &target, bool isFolder)
{
    struct stat old;
    if (::fstatat(folder, target.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? takeNew(folder, hidden, target) : errno;
    if (!isFolder && !S_ISDIR(old.st_mode))
        return ::renameat(folder, hidden.constData(), folder, target.constData()) == 0 ? 0 : errno;
    // A folder on either side: the two swap places, and the old one goes.
    if (::renameat2(folder, hidden.constData(), folder, target.constData(), RENAME_EXCHANGE) == 0) {
        ContentCopy::removeTree(folder, hidden);
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    const QByteArray aside = ContentCopy::hiddenName();
    if (::renameat(folder, target.constData(), folder, aside.constData()) != 0)
        return errno;
    if (::renameat(folder, hidden.constData(), folder, target.constData()) != 0) {
        const int error = errno;
        ::renameat(folder, aside.constData(), folder, target.constData());
        return error;
    }
    ContentCopy::removeTree(folder, aside);
    return 0;
}

void countItem(int folder, const QByteArray &name, CopyEngine::Stats &stats,
               const std::atomic_bool *cancel)
{
    if (cancel && *cancel)
        return;
    ++stats.items;
    struct stat status;
    if (::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISREG(status.st_mode))
        stats.bytes += status.st_size;
    if (!S_ISDIR(status.st_mode))
        return;
    Descriptor dir(
        ::openat(folder, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    QList<QByteArray> names;
    if (!dir.isOpen() || namesIn(dir.get(), &names) != 0)
        return;
    for (const QByteArray &child : std::as_const(names))
        countItem(dir.get(), child, stats, cancel);
}

} // namespace

// One copy under way: what it has done and decided.
struct CopyEngine::Walk
{
    Walk(const CopyEngine &engine, Result &result) : engine(engine), result(result) {}

    const CopyEngine &engine;
    Result &result;
    mode_t umask = ContentCopy::currentUmask();
    std::set<std::pair<dev_t, ino_t>> made; // folders this copy made
    // By the source's file system: all the copy goes to one destination.
    std::map<dev_t, ContentCopy::Channel> channels;
    bool stopping = false; // a decision to stop was taken; the rest unwinds
    bool cancelAsked = false;

    bool cancelled()
    {
        if (cancelAsked || (engine.m_cancel && engine.m_cancel->load()))
            cancelAsked = true;
        return cancelAsked;
    }

    // Progress so far; false when the person cancelled.
    bool tell()
    {
        if (engine.m_progress && !engine.m_progress(result.done))
            cancelAsked = true;
        return !cancelled();
    }

    int stop(int error, const QString &where)
    {
        stopping = true;
        if (result.failed.isEmpty())
            result.failed = where;
        return error;
    }

    void itemDone()
    {
        ++result.done.items;
        tell(); // a cancel now stops before the next item, not this one
    }

    // Tells the runner what took a name (fd, else folder and destination).
    void tellMade(const QString &source, const QString &destination,
                  const struct stat &sourceStatus, int fd, int folder, bool fresh, bool merged)
    {
        if (!engine.m_done)
            return;
        Made item{source, destination, sourceStatus, {}, fresh, merged};
        const int looked =
            fd >= 0 ? ::fstat(fd, &item.status)
                    : ::fstatat(folder, PathCodec::encode(Paths::lastName(destination)).constData(),
                                &item.status, AT_SYMLINK_NOFOLLOW);
        if (looked == 0)
            engine.m_done(item);
    }

    // What to do about a taken name; 0 with *how, SkipItem, or an errno
    // that stops the copy.
    int resolve(int folder, const QString &name, const QString &destination, const QString &source,
                bool sourceIsFolder, Take *how)
    {
        for (;;) {
            struct stat status;
            if (::fstatat(folder, PathCodec::encode(name).constData(), &status,
                          AT_SYMLINK_NOFOLLOW) != 0) {
                *how = Take::New; // a failure to look shows when the copy takes the name
                return 0;
            }
            const Problem problem{source, destination, EEXIST, sourceIsFolder,
                                  S_ISDIR(status.st_mode)};
            Action action = engine.m_conflict;
            if (engine.m_ask)
                action = engine.m_ask(problem);
            else if (engine.m_mergeFolders && sourceIsFolder && problem.destinationIsFolder)
                action = Action::Merge;
            switch (action) {
            case Action::Replace:
                *how = Take::Replace;
                return 0;
            case Action::KeepBoth:
                *how = Take::KeepBoth;
                return 0;
            case Action::Merge:
                if (!sourceIsFolder || !problem.destinationIsFolder)
                    return stop(EEXIST, source);
                *how = Take::Merge;
                return 0;
            case Action::Skip:
                return SkipItem;
            case Action::Retry:
                continue;
            case Action::Cancel:
                return stop(ECANCELED, source);
            case Action::Fail:
                break;
            }
            return stop(EEXIST, source);
        }
    }

    // Gives the finished item its name as decided; hidden is its name now,
    // or empty for an unnamed file (fd). 0, SkipItem or an errno.
    int takeName(int folder, int fd, QByteArray *hidden, const QString &name,
                 const QString &folderPath, const QString &source, bool isFolder, Take how,
                 QString *taken)
    {
        if (engine.m_beforeName && !engine.m_beforeName()) {
            cancelAsked = true;
            return stop(ECANCELED, source);
        }
        QString wanted = name;
        for (int number = 2;;) {
            const QByteArray target = PathCodec::encode(wanted);
            int error = nameCheck() ? nameCheck()(target) : 0;
            if (error != 0) {
                return error;
            } else if (how == Take::Replace) {
                // Only a name can be put in place of another.
                if (hidden->isEmpty())
                    error = ContentCopy::nameTemporary(folder, fd, hidden);
                if (error == 0)
                    error = takeOver(folder, *hidden, target, isFolder);
            } else if (hidden->isEmpty()) {
                error = ::linkat(AT_FDCWD, ContentCopy::procPath(fd).constData(), folder,
                                 target.constData(), AT_SYMLINK_FOLLOW) == 0
                            ? 0
                            : errno;
            } else {
                error = takeNew(folder, *hidden, target);
            }
            if (error == 0) {
                hidden->clear();
                *taken = joined(folderPath, wanted);
                return 0;
            }
            if (error != EEXIST)
                return error;
            if (how == Take::KeepBoth) {
                if (number > 9999)
                    return EEXIST;
                wanted = numberedName(name, number++, isFolder);
                continue;
            }
            // Taken meanwhile: asked again, the finished copy waits.
            const int decided =
                resolve(folder, name, joined(folderPath, name), source, isFolder, &how);
            if (decided != 0)
                return decided;
            if (how == Take::Merge)
                return stop(EEXIST, source);
        }
    }

    int file(int from, const struct stat &opened, const QString &source, int folder,
             const QString &name, const QString &folderPath, bool fresh, QString *taken)
    {
        Take how = Take::New;
        struct stat status = opened;
        if (!fresh) {
            if (const int decided =
                    resolve(folder, name, joined(folderPath, name), source, false, &how))
                return decided;
            // The question about the name may have taken a while.
            if (::fstat(from, &status) != 0)
                return errno;
        }
        Temporary temp;
        // The kernel masks the mode with the umask, as for any new file.
        if (const int error =
                ContentCopy::createTemporary(folder, status.st_mode & 0777, &temp, fresh))
            return error;
        const auto discard = [&](int error) {
            temp.fd.reset();
            if (!temp.name.isEmpty())
                ::unlinkat(folder, temp.name.constData(), 0);
            return error;
        };
        const qint64 before = result.done.bytes;
        const int copied = ContentCopy::copyContent(from, status, temp.fd.get(),
                                                    &channels[status.st_dev], [&](qint64 done) {
                                                        result.done.bytes = before + done;
                                                        return tell();
                                                    });
        if (copied != 0)
            return discard(copied);
        const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
        ::futimens(temp.fd.get(), times);
        // In a folder this copy made, the folder is put on disk whole
        // before it takes its name; elsewhere each file is, before it does.
        if (!fresh && ::fsync(temp.fd.get()) != 0)
            return discard(errno);
        if (cancelled())
            return discard(ECANCELED);
        const int named = takeName(folder, temp.fd.get(), &temp.name, name, folderPath, source,
                                   false, how, taken);
        if (named != 0)
            return discard(named);
        tellMade(source, *taken, status, temp.fd.get(), folder, fresh, false);
        temp.fd.reset();
        itemDone();
        return 0;
    }

    int link(int from, const QByteArray &fromName, const struct stat &status, const QString &source,
             int folder, const QString &name, const QString &folderPath, bool fresh, QString *taken)
    {
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length =
            ::readlinkat(from, fromName.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return errno;
        target.truncate(length);
        Take how = Take::New;
        if (!fresh) {
            if (const int decided =
                    resolve(folder, name, joined(folderPath, name), source, false, &how))
                return decided;
        }
        QByteArray hidden = ContentCopy::hiddenName();
        if (::symlinkat(target.constData(), folder, hidden.constData()) != 0)
            return errno;
        const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
        ::utimensat(folder, hidden.constData(), times, AT_SYMLINK_NOFOLLOW);
        const int named =
            takeName(folder, -1, &hidden, name, folderPath, source, false, how, taken);
        if (named != 0) {
            ::unlinkat(folder, hidden.constData(), 0);
            return named;
        }
        tellMade(source, *taken, status, -1, folder, fresh, false);
        itemDone();
        return 0;
    }

    int children(int from, const QString &source, int to, const QString &destination, bool fresh)
    {
        QList<QByteArray> names;
        if (const int error = namesIn(from, &names))
            return error;
        for (const QByteArray &child : std::as_const(names)) {
            if (cancelled())
                return stop(ECANCELED, source);
            const QString childName = PathCodec::decode(child);
            QString ignored;
            if (const int error = item(from, child, joined(source, childName), to, childName,
                                       destination, fresh, &ignored))
                return error;
        }
        return 0;
    }

    int folder(int from, const QByteArray &fromName, const QString &source, int folder,
               const QString &name, const QString &folderPath, bool fresh, QString *taken)
    {
        Descriptor dir(
            ::openat(from, fromName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (!dir.isOpen() || ::fstat(dir.get(), &status) != 0)
            return errno;
        if (made.count({status.st_dev, status.st_ino}))
            return OwnFolder;
        const QString destination = joined(folderPath, name);
        Take how = Take::New;
        if (!fresh) {
            if (const int decided = resolve(folder, name, destination, source, true, &how))
                return decided;
        }
        if (how == Take::Merge) {
            Descriptor into(::openat(folder, PathCodec::encode(name).constData(),
                                     O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (!into.isOpen())
                return errno;
            if (const int error = children(dir.get(), source, into.get(), destination, false))
                return error;
            *taken = destination;
            tellMade(source, destination, status, into.get(), folder, fresh, true);
            itemDone();
            return 0;
        }
        QByteArray hidden = ContentCopy::hiddenName();
        if (::mkdirat(folder, hidden.constData(), 0700) != 0)
            return errno;
        Descriptor built(
            ::openat(folder, hidden.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat madeStatus;
        int error = built.isOpen() && ::fstat(built.get(), &madeStatus) == 0 ? 0 : errno;
        if (error == 0) {
            made.insert({madeStatus.st_dev, madeStatus.st_ino});
            error = children(dir.get(), source, built.get(), destination, true);
        }
        if (error == 0) {
            ::fchmod(built.get(), status.st_mode & 0777 & ~umask);
            // The outermost folder made puts the whole tree on disk at once.
            if (!fresh && ::syncfs(built.get()) != 0)
                error = errno;
            else if (cancelled())
                error = stop(ECANCELED, source);
            else
                error = takeName(folder, -1, &hidden, name, folderPath, source, true, how, taken);
        }
        if (error != 0) {
            if (!hidden.isEmpty())
                ContentCopy::removeTree(folder, hidden);
            return error;
        }
        // Last, as every entry made in it changed the time.
        const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
        ::futimens(built.get(), times);
        tellMade(source, *taken, status, built.get(), folder, fresh, false);
        itemDone();
        return 0;
    }

    // One item of any kind; asks what to do when it fails. 0 when it was
    // copied or left out, else the error that stops the copy.
    int item(int from, const QByteArray &fromName, const QString &source, int folder,
             const QString &name, const QString &folderPath, bool fresh, QString *taken)
    {
        for (;;) {
            if (cancelled())
                return stop(ECANCELED, source);
            const Stats before = result.done;
            struct stat status;
            mode_t type = 0;
            int error = 0;
            const bool found =
                ::fstatat(from, fromName.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
            if (found)
                type = status.st_mode & S_IFMT;
            if (!found) {
                error = errno;
            } else if (isSpecial(status.st_mode)) {
                result.skipped.append({source, type, 0});
                itemDone();
                return 0;
            } else if (S_ISDIR(status.st_mode)) {
                error =
                    this->folder(from, fromName, source, folder, name, folderPath, fresh, taken);
            } else if (S_ISLNK(status.st_mode)) {
                error =
                    link(from, fromName, status, source, folder, name, folderPath, fresh, taken);
            } else {
                // Opened without following a link, and only if still a file.
                const int fd = RegularFile::openAt(from, fromName, false);
                Descriptor opened(fd < 0 ? -1 : fd);
                struct stat now;
                if (fd < 0)
                    error = -fd;
                else if (::fstat(fd, &now) != 0)
                    error = errno;
                else
                    error = file(fd, now, source, folder, name, folderPath, fresh, taken);
            }
            if (error == 0 || error == OwnFolder)
                return 0;
            result.done = before;
            if (error == SkipItem) {
                result.skipped.append({source, type, EEXIST});
                itemDone();
                return 0;
            }
            if (stopping)
                return error;
            if (error == ECANCELED)
                return stop(error, source);
            const Action action =
                engine.m_ask
                    ? engine.m_ask({source, joined(folderPath, name), error, S_ISDIR(type), false})
                    : Action::Fail;
            if (action == Action::Retry)
                continue;
            if (action == Action::Skip) {
                result.skipped.append({source, type, error});
                itemDone();
                return 0;
            }
            return stop(action == Action::Cancel ? ECANCELED : error, source);
        }
    }
};

CopyEngine::Stats CopyEngine::count(const QStringList &sources, const std::atomic_bool *cancel)
{
    Stats stats;
    for (const QString &source : sources) {
        const QString clean = Paths::clean(source);
        Descriptor parent(::open(PathCodec::encode(Paths::parentOf(clean)).constData(),
                                 O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (parent.isOpen() && clean != QLatin1String("/"))
            countItem(parent.get(), PathCodec::encode(Paths::lastName(clean)), stats, cancel);
    }
    return stats;
}

CopyEngine::Result CopyEngine::copy(const QString &source, const QString &destinationFolder,
                                    const QString &name)
{
    Result result;
    const QString clean = Paths::clean(source);
    const QString ownName = Paths::lastName(clean);
    const QString target = name.isEmpty() ? ownName : name;
    result.destination = joined(destinationFolder, target);
    if (!validName(ownName) || !validName(target) || source.contains(QChar(0)) ||
        destinationFolder.contains(QChar(0))) {
        result.error = EINVAL;
        result.failed = source;
        return result;
    }
    Descriptor from(::open(PathCodec::encode(Paths::parentOf(clean)).constData(),
                           O_PATH | O_DIRECTORY | O_CLOEXEC));
    Descriptor into(
        ::open(PathCodec::encode(destinationFolder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!from.isOpen() || !into.isOpen()) {
        result.error = errno;
        result.failed = from.isOpen() ? destinationFolder : source;
        return result;
    }
    Walk walk(*this, result);
    QString taken;
    result.error = walk.item(from.get(), PathCodec::encode(ownName), clean, into.get(), target,
                             destinationFolder, false, &taken);
    if (!taken.isEmpty())
        result.destination = taken;
    return result;
}

CopyEngine::Result CopyEngine::copyFile(int sourceFd, const QString &sourcePath, int folder,
                                        const QString &folderPath, const QString &name)
{
    Result result;
    result.destination = joined(folderPath, name);
    struct stat status;
    if (!validName(name)) {
        result.error = EINVAL;
    } else if (::fstat(sourceFd, &status) != 0) {
        result.error = errno;
    } else {
        Walk walk(*this, result);
        QString taken;
        result.error =
            walk.file(sourceFd, status, sourcePath, folder, name, folderPath, false, &taken);
        if (!taken.isEmpty())
            result.destination = taken;
        if (result.error == SkipItem)
            result.error = EEXIST;
    }
    if (result.error != 0 && result.failed.isEmpty())
        result.failed = sourcePath;
    return result;
}

void CopyEngine::setNameCheckForTesting(std::function<int(const QByteArray &)> check)
{
    nameCheck() = std::move(check);
}

QString CopyEngine::numberedName(const QString &name, int number, bool isFolder)
{
    qsizetype dot = isFolder ? -1 : name.lastIndexOf(QLatin1Char('.'));
    // "archive.tar.gz" becomes "archive (2).tar.gz".
    if (dot > 0) {
        const qsizetype tar = name.lastIndexOf(QLatin1String(".tar."), dot, Qt::CaseInsensitive);
        if (tar > 0 && tar + 4 == dot)
            dot = tar;
    }
    QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    // A copy of "name (2)" is "name (3)", not "name (2) (2)".
    if (base.endsWith(QLatin1Char(')'))) {
        const qsizetype open = base.lastIndexOf(QLatin1String(" ("));
        bool ok = false;
        const int had = open > 0 ? base.mid(open + 2, base.size() - open - 3).toInt(&ok) : 0;
        if (ok && had >= 2) {
            base.truncate(open);
            number = qMax(number, had + number - 1);
        }
    }
    return QStringLiteral("%1 (%2)%3").arg(base).arg(number).arg(extension);
}
