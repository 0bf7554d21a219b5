// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer.h"

#include "fileprobe.h"
#include "pathcodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A batch of copies made durable together, after which their sources go:
// one syncfs costs about what one fsync does, and a crash loses at most a
// batch of work, never a file.
constexpr qint64 BatchBytes = 256ll << 20;
constexpr int BatchEntries = 2000;

std::function<int(const QByteArray &)> &nameCheck()
{
    static std::function<int(const QByteArray &)> check;
    return check;
}

int checkName(const QByteArray &name)
{
    const auto &check = nameCheck();
    return check ? check(name) : 0;
}

qint64 nanosOf(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

bool sameEntry(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Still the entry that was copied: a file written to meanwhile is newer
// than its copy, and its source must stay.
bool unchanged(const struct stat &before, const struct stat &now)
{
    return sameEntry(before, now) && (before.st_mode & S_IFMT) == (now.st_mode & S_IFMT) &&
           (S_ISDIR(now.st_mode) ||
            (before.st_size == now.st_size && nanosOf(before.st_mtim) == nanosOf(now.st_mtim)));
}

QString joined(const QString &folder, const QByteArray &name)
{
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + PathCodec::decode(name);
}

int renameNoReplace(int from, const QByteArray &name, int to, const QByteArray &target)
{
    return int(
        ::syscall(SYS_renameat2, from, name.constData(), to, target.constData(), RENAME_NOREPLACE));
}

// Every name in an open folder but "." and "..".
bool namesIn(int folder, QList<QByteArray> *names)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        names->append(QByteArray(name));
    }
    const int error = errno;
    ::closedir(dir);
    errno = error;
    return error == 0;
}

// The process's umask, read without changing it.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 022;
}

} // namespace

struct Transfer::Fd
{
    explicit Fd(int fd) : fd(fd) {}
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int fd;
};

struct Transfer::Source
{
    std::shared_ptr<Fd> parent; // the folder holding it
    QByteArray name;
    QString path;
    struct stat st = {};
};

struct Transfer::Target
{
    std::shared_ptr<Fd> folder;
    dev_t device = 0;
    QString folderPath;
    QByteArray name;
    bool replace = false; // the person chose to replace what has the name
    QString path() const { return joined(folderPath, name); }
};

// A source whose copy is complete; it goes once the copy is on disk.
struct Transfer::Pending
{
    std::shared_ptr<Fd> parent;
    QByteArray name;
    QString path;
    struct stat st = {};
};

namespace {

// Walks up from folder: true when it is the entry st or lies below it.
bool isWithin(int folder, const struct stat &st)
{
    int fd = ::openat(folder, ".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    for (int depth = 0; fd >= 0 && depth < 4096; ++depth) {
        struct stat here, up;
        const int parent = ::openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        const bool within = ::fstat(fd, &here) == 0 && sameEntry(here, st);
        const bool top = parent < 0 || ::fstat(parent, &up) != 0 || sameEntry(here, up);
        ::close(fd);
        fd = parent;
        if (within || top) {
            if (fd >= 0)
                ::close(fd);
            return within;
        }
    }
    if (fd >= 0)
        ::close(fd);
    return false;
}

Job::UndoStep stepOf(const QString &from, const QString &to, const struct stat &made)
{
    Job::UndoStep step;
    step.from = from;
    step.to = to;
    step.isDir = S_ISDIR(made.st_mode);
    step.size = made.st_size;
    step.modifiedNs = nanosOf(made.st_mtim);
    step.device = made.st_dev;
    step.inode = made.st_ino;
    return step;
}

// Entries and content bytes under an entry, itself included.
void countTree(Job::Control &control, int parent, const QByteArray &name, const struct stat &st)
{
    if (!S_ISDIR(st.st_mode)) {
        control.addToTotal(S_ISREG(st.st_mode) ? st.st_size : 0, 1);
        return;
    }
    control.addToTotal(0, 1);
    const int fd =
        ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    QList<QByteArray> names;
    namesIn(fd, &names);
    for (const QByteArray &child : std::as_const(names)) {
        if (control.isCancelled())
            break;
        struct stat childSt;
        if (::fstatat(fd, child.constData(), &childSt, AT_SYMLINK_NOFOLLOW) == 0)
            countTree(control, fd, child, childSt);
    }
    ::close(fd);
}

} // namespace

Transfer::Transfer(Job::Kind kind, const QStringList &sources, const QString &folder) : m_kind(kind)
{
    for (const QString &source : sources)
        m_items.append({source, folder, QString()});
}

Transfer::Transfer(Job::Kind kind, const QList<Item> &items) : m_kind(kind), m_items(items)
{
}

Transfer::~Transfer() = default;

void Transfer::setNameCheckForTesting(std::function<int(const QByteArray &)> check)
{
    nameCheck() = std::move(check);
}

QString Transfer::destination() const
{
    return m_items.isEmpty() ? QString() : m_items.first().folder;
}

QString Transfer::title() const
{
    const int n = int(m_items.size());
    const QString folder = QFileInfo(destination()).fileName().isEmpty()
                               ? destination()
                               : QFileInfo(destination()).fileName();
    if (n == 1) {
        const QString name = QFileInfo(m_items.first().source).fileName();
        return m_kind == Job::Move
                   ? QCoreApplication::translate("Transfer", "Moving “%1” to %2").arg(name, folder)
                   : QCoreApplication::translate("Transfer", "Copying “%1” to %2")
                         .arg(name, folder);
    }
    return m_kind == Job::Move
               ? QCoreApplication::translate("Transfer", "Moving %n entries to %1", "", n)
                     .arg(folder)
               : QCoreApplication::translate("Transfer", "Copying %n entries to %1", "", n)
                     .arg(folder);
}

QString Transfer::outcome(Job::State state, const Job::Summary &summary) const
{
    const int n = int(m_items.size());
    const bool move = m_kind == Job::Move;
    const QString why = Job::describe(summary.lastReason, summary.lastText);
    switch (state) {
    case Job::Cancelled:
        return move ? QCoreApplication::translate(
                          "Transfer", "Cancelled after moving %n of %1; the rest is where it was.",
                          "", summary.items)
                          .arg(n)
                    : QCoreApplication::translate(
                          "Transfer",
                          "Cancelled after copying %n of %1; nothing was left half done.", "",
                          summary.items)
                          .arg(n);
    case Job::Failed:
        return move ? QCoreApplication::translate("Transfer", "Could not move: %1").arg(why)
                    : QCoreApplication::translate("Transfer", "Could not copy: %1").arg(why);
    default:
        break;
    }
    const int left = summary.skipped + summary.refused;
    if (left == 0) {
        return move ? QCoreApplication::translate("Transfer", "Moved %n entries.", "", n)
                    : QCoreApplication::translate("Transfer", "Copied %n entries.", "", n);
    }
    const QString done =
        move
            ? QCoreApplication::translate("Transfer", "Moved %n of %1.", "", summary.items).arg(n)
            : QCoreApplication::translate("Transfer", "Copied %n of %1.", "", summary.items).arg(n);
    return done + QLatin1Char(' ') +
           QCoreApplication::translate("Transfer", "%n left where it was (%1).", "", left).arg(why);
}

void Transfer::count(Job::Control &control, int item) const
{
    const Item &it = m_items[item];
    struct stat st, folder;
    const QByteArray path = PathCodec::encode(it.source);
    if (::fstatat(AT_FDCWD, path.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        control.addToTotal(0, 1);
        return;
    }
    // A rename moves a whole tree in one step.
    if (m_kind == Job::Move && ::stat(PathCodec::encode(it.folder).constData(), &folder) == 0 &&
        folder.st_dev == st.st_dev) {
        control.addToTotal(0, 1);
        return;
    }
    const int slash = path.lastIndexOf('/');
    const QByteArray parent = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int fd = ::open(parent.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    countTree(control, fd, path.mid(slash + 1), st);
    ::close(fd);
}

void Transfer::run(Job::Control &control, int item)
{
    const Item &it = m_items[item];
    QString sourcePath = it.source;
    while (sourcePath.size() > 1 && sourcePath.endsWith(QLatin1Char('/')))
        sourcePath.chop(1);
    control.setCurrent(sourcePath);
    const QByteArray path = PathCodec::encode(sourcePath);
    const int slash = path.lastIndexOf('/');
    Source source;
    source.path = sourcePath;
    source.name = path.mid(slash + 1);
    if (source.name.isEmpty() || source.name == "." || source.name == "..") {
        control.refused(Job::OntoItself);
        return;
    }
    const QByteArray parent = slash > 0 ? path.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    Target target;
    target.folderPath = it.folder;

    for (;;) {
        if (control.isCancelled())
            return;
        int error = 0;
        bool atSource = true;
        source.parent =
            std::make_shared<Fd>(::open(parent.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (source.parent->fd < 0 || ::fstatat(source.parent->fd, source.name.constData(),
                                               &source.st, AT_SYMLINK_NOFOLLOW) != 0) {
            error = errno;
        } else {
            atSource = false;
            target.folder = std::make_shared<Fd>(
                ::open(PathCodec::encode(it.folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (target.folder->fd < 0)
                error = errno;
        }
        if (error == 0)
            break;
        if (!atSource && (error == ENOENT || error == ENOTDIR)) {
            control.refused(Job::DestinationGone);
            return;
        }
        const Job::Choice choice = failure(control, error, atSource, sourcePath, it.folder);
        if (choice != Job::Retry)
            return;
    }

    struct stat parentSt, folderSt;
    const bool sameFolder = ::fstat(source.parent->fd, &parentSt) == 0 &&
                            ::fstat(target.folder->fd, &folderSt) == 0 &&
                            sameEntry(parentSt, folderSt);
    target.device = folderSt.st_dev;
    target.name = it.name.isEmpty() ? source.name : PathCodec::encode(it.name);
    if (sameFolder && target.name == source.name) {
        if (m_kind == Job::Move) {
            control.refused(Job::OntoItself);
            return;
        }
        // A copy beside the original, as every file manager makes it.
        target.name = freeName(target.folder->fd, target.name, S_ISDIR(source.st.st_mode));
    }
    if (S_ISDIR(source.st.st_mode) && isWithin(target.folder->fd, source.st)) {
        control.refused(Job::IntoItself);
        return;
    }
    if (transfer(control, source, target) == Outcome::Done)
        control.itemDone();
    if (m_pendingBytes >= BatchBytes || m_pending.size() >= size_t(BatchEntries))
        flush(control);
}

void Transfer::finish(Job::Control &control)
{
    flush(control);
}

Transfer::Outcome Transfer::transfer(Job::Control &control, const Source &source, Target &target)
{
    if (m_kind == Job::Move &&
        !m_crossDevice.contains({quint64(source.st.st_dev), quint64(target.device)})) {
        const Outcome outcome = rename(control, source, target);
        if (outcome != Outcome::CrossDevice)
            return outcome;
    }
    return copyTree(control, source, target);
}

Transfer::Outcome Transfer::rename(Job::Control &control, const Source &source, Target &target)
{
    const int from = source.parent->fd, to = target.folder->fd;
    for (;;) {
        if (control.isCancelled())
            return Outcome::Cancelled;
        int error = checkName(target.name);
        if (error == 0) {
            const int renamed =
                target.replace
                    ? ::renameat(from, source.name.constData(), to, target.name.constData())
                    : renameNoReplace(from, source.name, to, target.name);
            error = renamed == 0 ? 0 : errno;
            // A file system without the flag: look, then rename.
            if (error == EINVAL && !target.replace) {
                struct stat existing;
                if (::fstatat(to, target.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0)
                    error = EEXIST;
                else if (::renameat(from, source.name.constData(), to, target.name.constData()) ==
                         0)
                    error = 0;
                else
                    error = errno;
            }
        }
        if (error == 0) {
            struct stat made;
            if (::fstatat(to, target.name.constData(), &made, AT_SYMLINK_NOFOLLOW) != 0)
                made = source.st;
            Job::UndoStep step = stepOf(source.path, target.path(), made);
            step.replaced = target.replace;
            control.record(step);
            control.addDone(0, 1);
            return Outcome::Done;
        }
        if (error == EXDEV) {
            m_crossDevice.insert({quint64(source.st.st_dev), quint64(target.device)});
            // What was counted as one rename is a tree to copy.
            countTree(control, from, source.name, source.st);
            control.addToTotal(0, -1);
            return Outcome::CrossDevice;
        }
        if (error == EEXIST || error == ENOTEMPTY) {
            struct stat existing;
            if (::fstatat(to, target.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone meanwhile
            if (S_ISDIR(existing.st_mode) && S_ISDIR(source.st.st_mode))
                return mergeByRename(control, source, target);
            switch (conflict(control, source, target, existing)) {
            case Job::Replace:
                target.replace = true;
                continue;
            case Job::KeepBoth:
                target.name = freeName(to, target.name, S_ISDIR(source.st.st_mode));
                continue;
            case Job::Cancel:
                return Outcome::Cancelled;
            default:
                return Outcome::Skipped;
            }
        }
        struct stat now;
        const bool atSource = error == ENOENT && ::fstatat(from, source.name.constData(), &now,
                                                           AT_SYMLINK_NOFOLLOW) != 0;
        switch (failure(control, error, atSource, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            return Outcome::Skipped;
        }
    }
}

Transfer::Outcome Transfer::mergeByRename(Job::Control &control, const Source &source,
                                          const Target &target)
{
    // Both are folders: what the source holds goes into the one that has its name.
    std::shared_ptr<Fd> from, to;
    QList<QByteArray> names;
    for (;;) {
        from = std::make_shared<Fd>(::openat(source.parent->fd, source.name.constData(),
                                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        int error = from->fd < 0 ? errno : 0;
        bool atSource = true;
        if (error == 0 && !namesIn(from->fd, &names))
            error = errno;
        if (error == 0) {
            to = std::make_shared<Fd>(::openat(target.folder->fd, target.name.constData(),
                                               O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            error = to->fd < 0 ? errno : 0;
            atSource = false;
        }
        if (error == 0)
            break;
        names.clear();
        switch (failure(control, error, atSource, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            return Outcome::Skipped;
        }
    }
    struct stat toSt;
    const dev_t device = ::fstat(to->fd, &toSt) == 0 ? toSt.st_dev : target.device;
    control.addToTotal(0, names.size());
    bool complete = true;
    for (const QByteArray &name : std::as_const(names)) {
        if (control.isCancelled())
            return Outcome::Cancelled;
        Source child{from, name, joined(source.path, name)};
        if (::fstatat(from->fd, name.constData(), &child.st, AT_SYMLINK_NOFOLLOW) != 0) {
            control.addDone(0, 1); // gone since the folder was read
            continue;
        }
        Target childTarget{to, device, target.path(), name};
        const Outcome outcome = transfer(control, child, childTarget);
        if (outcome == Outcome::Cancelled)
            return outcome;
        complete = complete && outcome == Outcome::Done;
    }
    control.addDone(0, 1);
    if (!complete)
        return Outcome::Skipped;
    // Emptied; it goes with the batch, after whatever was copied out of it.
    m_pending.push_back({source.parent, source.name, source.path, source.st});
    return Outcome::Done;
}

Transfer::Outcome Transfer::copyTree(Job::Control &control, const Source &source, Target &target)
{
    control.setCurrent(source.path);
    // A move that could copy but not remove would leave two of everything:
    // it asks before it begins.
    while (m_kind == Job::Move) {
        const bool canRemove =
            ::faccessat(source.parent->fd, ".", W_OK | X_OK, 0) == 0 &&
            (!S_ISDIR(source.st.st_mode) ||
             ::faccessat(source.parent->fd, source.name.constData(), W_OK | X_OK, 0) == 0);
        if (canRemove)
            break;
        switch (failure(control, errno, true, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            control.addDone(0, 1);
            return Outcome::Skipped;
        }
    }
    if (S_ISDIR(source.st.st_mode))
        return copyFolder(control, source, target);
    if (S_ISREG(source.st.st_mode) || S_ISLNK(source.st.st_mode))
        return copyFile(control, source, target);
    // Copying a pipe or a device would wait on it or read a device's content.
    control.skipped(Job::Special);
    control.addDone(0, 1);
    return Outcome::Skipped;
}

Transfer::Outcome Transfer::copyFolder(Job::Control &control, const Source &source, Target &target)
{
    const QPair<quint64, quint64> key(source.st.st_dev, source.st.st_ino);
    if (m_made.contains(key) || m_ancestors.contains(key)) {
        control.refused(Job::LinkLoop);
        control.addDone(0, 1);
        return Outcome::Skipped;
    }
    const int at = target.folder->fd;
    bool made = false;
    for (;;) {
        if (control.isCancelled())
            return Outcome::Cancelled;
        int error = checkName(target.name);
        // Open to its owner until its content is in; its mode comes last.
        if (error == 0 && ::mkdirat(at, target.name.constData(), 0700) != 0)
            error = errno;
        if (error == 0) {
            made = true;
            break;
        }
        struct stat existing;
        if (error == EEXIST &&
            ::fstatat(at, target.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISDIR(existing.st_mode))
                break; // folders merge
            switch (conflict(control, source, target, existing)) {
            case Job::KeepBoth:
                target.name = freeName(at, target.name, true);
                continue;
            case Job::Cancel:
                return Outcome::Cancelled;
            default:
                control.addDone(0, 1);
                return Outcome::Skipped;
            }
        }
        switch (failure(control, error, false, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            control.addDone(0, 1);
            return Outcome::Skipped;
        }
    }

    auto to = std::make_shared<Fd>(
        ::openat(at, target.name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat toSt;
    if (to->fd < 0 || ::fstat(to->fd, &toSt) != 0) {
        // The folder just made or found cannot be opened.
        const Job::Choice choice = failure(control, errno, false, source.path, target.path());
        control.addDone(0, 1);
        return choice == Job::Cancel ? Outcome::Cancelled : Outcome::Skipped;
    }
    std::shared_ptr<Fd> from;
    QList<QByteArray> names;
    for (;;) {
        from = std::make_shared<Fd>(::openat(source.parent->fd, source.name.constData(),
                                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        const int error = from->fd < 0 ? errno : (namesIn(from->fd, &names) ? 0 : errno);
        if (error == 0)
            break;
        names.clear();
        const Job::Choice choice = failure(control, error, true, source.path, target.path());
        if (choice == Job::Retry)
            continue;
        if (made)
            ::unlinkat(at, target.name.constData(), AT_REMOVEDIR);
        control.addDone(0, 1);
        return choice == Job::Cancel ? Outcome::Cancelled : Outcome::Skipped;
    }

    const bool whole = m_kind == Job::Copy || m_insideMade == 0;
    if (made) {
        m_made.insert({quint64(toSt.st_dev), quint64(toSt.st_ino)});
        syncLater(to, toSt.st_dev);
        if (whole)
            control.record(stepOf(source.path, target.path(), toSt));
        ++m_insideMade;
    }
    m_ancestors.insert(key);
    bool complete = true;
    for (const QByteArray &name : std::as_const(names)) {
        if (control.isCancelled()) {
            complete = false;
            break;
        }
        Source child{from, name, joined(source.path, name)};
        if (::fstatat(from->fd, name.constData(), &child.st, AT_SYMLINK_NOFOLLOW) != 0) {
            const int gone = errno;
            control.addDone(0, 1);
            if (gone == ENOENT)
                continue; // went away since the folder was read: nothing to keep
            complete = false;
            if (failure(control, gone, true, child.path, target.path()) == Job::Cancel)
                break;
            continue;
        }
        Target childTarget{to, toSt.st_dev, target.path(), name};
        const Outcome outcome = transfer(control, child, childTarget);
        complete = complete && outcome == Outcome::Done;
        if (outcome == Outcome::Cancelled)
            break;
        if (m_pendingBytes >= BatchBytes || m_pending.size() >= size_t(BatchEntries))
            flush(control);
    }
    m_ancestors.remove(key);
    if (made) {
        --m_insideMade;
        // Its mode and time once what goes into it has its name.
        m_folders.push_back({to, source.st});
    }
    control.addDone(0, 1);
    if (control.isCancelled())
        return Outcome::Cancelled;
    if (!complete)
        return Outcome::Skipped;
    if (m_kind == Job::Move)
        m_pending.push_back({source.parent, source.name, source.path, source.st});
    return Outcome::Done;
}

Job::Choice Transfer::conflict(Job::Control &control, const Source &source, const Target &target,
                               const struct stat &existing)
{
    if (sameEntry(existing, source.st)) {
        control.refused(Job::OntoItself);
        return Job::Skip;
    }
    if (m_conflicts == Conflicts::Fail) {
        control.refused(Job::Exists);
        return Job::Skip;
    }
    Job::Question question;
    question.type = Job::Question::Conflict;
    question.source = source.path;
    question.destination = target.path();
    question.sourceIsDir = S_ISDIR(source.st.st_mode);
    question.destinationIsDir = S_ISDIR(existing.st_mode);
    question.sourceSize = question.sourceIsDir ? -1 : source.st.st_size;
    question.destinationSize = question.destinationIsDir ? -1 : existing.st_size;
    question.sourceModified = nanosOf(source.st.st_mtim) / 1000000;
    question.destinationModified = nanosOf(existing.st_mtim) / 1000000;
    // Replacing a folder, or a file by a folder, would throw away a tree.
    question.canReplace = !question.sourceIsDir && !question.destinationIsDir;
    const Job::Choice choice = control.ask(question);
    if (choice == Job::Skip)
        control.skipped(Job::Exists);
    return choice;
}

Job::Choice Transfer::failure(Job::Control &control, int error, bool atSource, const QString &path,
                              const QString &destination)
{
    Job::Question question;
    question.type = Job::Question::Failure;
    question.source = path;
    question.destination = destination;
    question.reason = Job::reasonOf(error, atSource);
    question.text = FileProbe::errorText(error);
    const Job::Choice choice = control.ask(question);
    if (choice == Job::Skip)
        control.skipped(question.reason, question.text);
    return choice;
}

void Transfer::flush(Job::Control &control)
{
    nameCopies(control);
    // Only once the copies and their names are on disk may the sources go.
    bool durable = true;
    for (const auto &[device, folder] : m_toSync) {
        if (::syncfs(folder->fd) != 0)
            durable = false;
    }
    m_toSync.clear();
    for (const Pending &pending : m_pending) {
        struct stat now;
        if (::fstatat(pending.parent->fd, pending.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!durable) {
            control.skipped(Job::Other, FileProbe::errorText(EIO));
            continue;
        }
        if (!unchanged(pending.st, now)) {
            control.skipped(Job::SourceChanged);
            continue;
        }
        const bool isDir = S_ISDIR(now.st_mode);
        if (::unlinkat(pending.parent->fd, pending.name.constData(), isDir ? AT_REMOVEDIR : 0) !=
            0) {
            const int error = errno;
            // Something new in a folder: it stays, with what came.
            control.skipped(error == ENOTEMPTY || error == EEXIST ? Job::SourceChanged
                                                                  : Job::reasonOf(error, true),
                            FileProbe::errorText(error));
        }
    }
    m_pending.clear();
    m_pendingBytes = 0;
}

QByteArray Transfer::freeName(int folder, const QByteArray &name, bool isDir)
{
    QByteArray stem = name, extension;
    if (!isDir) {
        qsizetype dot = name.lastIndexOf('.');
        // "a.tar.gz" keeps its two extensions together.
        if (dot > 4 && name.left(dot).endsWith(".tar"))
            dot -= 4;
        if (dot > 0) {
            stem = name.left(dot);
            extension = name.mid(dot);
        }
    }
    int number = 2;
    // "name (2)" goes on as "name (3)".
    const qsizetype open = stem.lastIndexOf(" (");
    if (open > 0 && stem.endsWith(')')) {
        bool ok = false;
        const int had = stem.mid(open + 2, stem.size() - open - 3).toInt(&ok);
        if (ok && had >= 2) {
            number = had + 1;
            stem.truncate(open);
        }
    }
    for (;; ++number) {
        const QByteArray candidate = stem + " (" + QByteArray::number(number) + ")" + extension;
        struct stat st;
        if ((::fstatat(folder, candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 &&
             errno == ENOENT) ||
            number > 100000)
            return candidate;
    }
}

void Transfer::syncLater(const std::shared_ptr<Fd> &folder, dev_t device)
{
    for (const auto &known : m_toSync) {
        if (known.first == device)
            return;
    }
    m_toSync.emplace_back(device, folder);
}

void Transfer::nameCopies(Job::Control &)
{
    // Mode and time of the folders made, now that their content is in.
    const mode_t mask = currentUmask();
    for (const auto &[folder, st] : m_folders) {
        const int fd = ::openat(folder->fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            continue;
        const timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(fd, times);
        ::fchmod(fd, (st.st_mode & 0777 & ~mask) | (st.st_mode & (S_ISGID | S_ISVTX)));
        ::close(fd);
    }
    m_folders.clear();
}

Transfer::Outcome Transfer::copyFile(Job::Control &control, const Source &, Target &)
{
    control.refused(Job::Other, QStringLiteral("not yet"));
    return Outcome::Skipped;
}
