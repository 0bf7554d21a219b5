// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer.h"

#include "copyengine.h"
#include "descriptor.h"
#include "fileprobe.h"
#include "pathcodec.h"
#include "paths.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Sources go in batches, after one syncfs per batch: the copies are on disk
// before any source goes, and an interruption costs at most a batch's work.
constexpr qint64 BatchBytes = 256ll << 20;
constexpr int BatchEntries = 5000;

std::function<int(const QByteArray &)> &nameCheck()
{
    static std::function<int(const QByteArray &)> check;
    return check;
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

bool lookAt(const QString &path, struct stat *st)
{
    return ::fstatat(AT_FDCWD, PathCodec::encode(path).constData(), st, AT_SYMLINK_NOFOLLOW) == 0;
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
    DIR *dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        if (fd >= 0)
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

// The folder and every folder above it, up to the root.
std::vector<std::pair<dev_t, ino_t>> ancestorsOf(int folder)
{
    std::vector<std::pair<dev_t, ino_t>> chain;
    Descriptor here(::openat(folder, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int depth = 0; here.isOpen() && depth < 4096; ++depth) {
        struct stat at, up;
        if (::fstat(here.get(), &at) != 0)
            break;
        chain.emplace_back(at.st_dev, at.st_ino);
        Descriptor parent(::openat(here.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!parent.isOpen() || ::fstat(parent.get(), &up) != 0 || sameEntry(at, up))
            break; // the root
        here = std::move(parent);
    }
    return chain;
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

CopyEngine::Action actionOf(Job::Choice choice)
{
    switch (choice) {
    case Job::Replace:
        return CopyEngine::Action::Replace;
    case Job::KeepBoth:
        return CopyEngine::Action::KeepBoth;
    case Job::Skip:
        return CopyEngine::Action::Skip;
    case Job::Retry:
        return CopyEngine::Action::Retry;
    case Job::Cancel:
        break;
    }
    return CopyEngine::Action::Cancel;
}

} // namespace

struct Transfer::Fd : Descriptor
{
    using Descriptor::Descriptor;
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

// A source whose copy took its name; it goes once the copy is on disk.
struct Transfer::Pending
{
    QString source;
    QString destination;
    struct stat sourceStatus;
    struct stat status; // of the copy
};

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
    nameCheck() = check;
    CopyEngine::setNameCheckForTesting(std::move(check));
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
    // A drop that reached no other file system moved; one that did copied.
    const bool move = m_kind == Job::Move && m_copiedAcross == 0;
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
    // Looked at once for all the items that go into one folder and once for
    // all that come from one: an entry lies on its folder's file system (a
    // mount point among them is found out by its rename, which adds its
    // tree), and the renames going on meanwhile are not slowed by a look at
    // each entry.
    const auto deviceOf = [](const QString &folder) {
        struct stat st;
        return ::stat(PathCodec::encode(folder).constData(), &st) == 0 ? st.st_dev : dev_t(0);
    };
    if (m_kind == Job::Move && it.folder != m_countedFolder) {
        m_countedFolder = it.folder;
        m_countedDevice = deviceOf(it.folder);
    }
    const QString parent = Paths::parentOf(Paths::clean(it.source));
    if (m_kind == Job::Move && parent != m_countedParent) {
        m_countedParent = parent;
        m_countedParentDevice = deviceOf(parent);
    }
    // A rename moves a whole tree in one step.
    if (m_kind == Job::Move && m_countedDevice != 0 && m_countedDevice == m_countedParentDevice) {
        control.addToTotal(0, 1);
        return;
    }
    const CopyEngine::Stats stats = CopyEngine::count({it.source}, control.cancelFlag());
    control.addToTotal(stats.bytes, qMax<qint64>(stats.items, 1));
}

void Transfer::run(Job::Control &control, int item)
{
    const Item &it = m_items[item];
    const QString sourcePath = Paths::clean(it.source);
    control.setCurrent(sourcePath);
    const QByteArray path = PathCodec::encode(sourcePath);
    Source source;
    source.path = sourcePath;
    source.name = PathCodec::encode(Paths::lastName(sourcePath));
    if (!sourcePath.startsWith(QLatin1Char('/')) || sourcePath == QLatin1String("/")) {
        control.refused(Job::OntoItself);
        return;
    }
    const QByteArray parent = PathCodec::encode(Paths::parentOf(sourcePath));
    Target target;
    target.folderPath = it.folder;

    for (bool retried = false;; retried = true) {
        if (control.isCancelled())
            return;
        int error = 0;
        bool atSource = true;
        // Entries of one folder into one folder, as most jobs are, open
        // both once; a retry opens them afresh.
        if (!retried && m_parent && m_parentPath == parent)
            source.parent = m_parent;
        else
            source.parent =
                std::make_shared<Fd>(::open(parent.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!source.parent->isOpen() || ::fstatat(source.parent->get(), source.name.constData(),
                                                  &source.st, AT_SYMLINK_NOFOLLOW) != 0) {
            error = errno;
        } else {
            atSource = false;
            if (!retried && m_folder && m_folderPath == it.folder)
                target.folder = m_folder;
            else
                target.folder = std::make_shared<Fd>(::open(
                    PathCodec::encode(it.folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (!target.folder->isOpen())
                error = errno;
        }
        if (error == 0)
            break;
        // A path that goes round in links leads nowhere, however often tried.
        if (error == ELOOP) {
            control.refused(Job::LinkLoop);
            return;
        }
        if (!atSource && (error == ENOENT || error == ENOTDIR)) {
            control.refused(Job::DestinationGone);
            return;
        }
        if (failure(control, error, sourcePath, it.folder) != Job::Retry)
            return;
    }

    if (source.parent != m_parent) {
        m_parent = source.parent;
        m_parentPath = parent;
        ::fstat(m_parent->get(), &m_parentSt);
    }
    if (target.folder != m_folder) {
        m_folder = target.folder;
        m_folderPath = it.folder;
        ::fstat(m_folder->get(), &m_folderSt);
        m_ancestors = ancestorsOf(m_folder->get());
    }
    const struct stat &folderSt = m_folderSt;
    const bool sameFolder = sameEntry(m_parentSt, folderSt);
    target.device = folderSt.st_dev;
    target.name = it.name.isEmpty() ? source.name : PathCodec::encode(it.name);
    if (sameFolder && target.name == source.name) {
        if (m_kind == Job::Move) {
            control.refused(Job::OntoItself);
            return;
        }
        // A copy beside the original, as every file manager makes it.
        target.name = freeName(target.folder->get(), target.name, S_ISDIR(source.st.st_mode));
    }
    const auto within = std::find(m_ancestors.cbegin(), m_ancestors.cend(),
                                  std::make_pair(source.st.st_dev, source.st.st_ino));
    if (S_ISDIR(source.st.st_mode) && within != m_ancestors.cend()) {
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
    return copy(control, source, target);
}

Transfer::Outcome Transfer::rename(Job::Control &control, const Source &source, Target &target)
{
    const int from = source.parent->get(), to = target.folder->get();
    for (bool again = false;; again = true) {
        if (control.isCancelled())
            return Outcome::Cancelled;
        const auto &check = nameCheck();
        int error = check ? check(target.name) : 0;
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
            // A rename keeps the entry as it was looked at a moment ago;
            // after a question it is looked at again.
            struct stat made = source.st;
            if (again && ::fstatat(to, target.name.constData(), &made, AT_SYMLINK_NOFOLLOW) != 0)
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
            const CopyEngine::Stats stats = CopyEngine::count({source.path}, control.cancelFlag());
            control.addToTotal(stats.bytes, stats.items - 1);
            return Outcome::CrossDevice;
        }
        if (error == EEXIST || error == ENOTEMPTY) {
            struct stat existing;
            if (::fstatat(to, target.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone meanwhile
            if (S_ISDIR(existing.st_mode) && S_ISDIR(source.st.st_mode))
                return mergeByRename(control, source, target);
            if (sameEntry(existing, source.st)) {
                control.refused(Job::OntoItself);
                return Outcome::Skipped;
            }
            switch (conflict(control, source.path, target.path())) {
            case Job::Replace:
                target.replace = true;
                continue;
            case Job::KeepBoth:
                target.name = freeName(to, target.name, S_ISDIR(source.st.st_mode));
                continue;
            case Job::Cancel:
                return Outcome::Cancelled;
            default:
                control.skipped(Job::Exists);
                control.addDone(0, 1);
                return Outcome::Skipped;
            }
        }
        switch (failure(control, error, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            control.addDone(0, 1);
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
        from = std::make_shared<Fd>(::openat(source.parent->get(), source.name.constData(),
                                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        int error = from->isOpen() ? 0 : errno;
        if (error == 0 && !namesIn(from->get(), &names))
            error = errno;
        if (error == 0) {
            to = std::make_shared<Fd>(::openat(target.folder->get(), target.name.constData(),
                                               O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            error = to->isOpen() ? 0 : errno;
        }
        if (error == 0)
            break;
        names.clear();
        switch (failure(control, error, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            return Outcome::Skipped;
        }
    }
    struct stat toSt;
    if (::fstat(to->get(), &toSt) != 0)
        return Outcome::Skipped;
    control.addToTotal(0, names.size());
    bool complete = true;
    for (const QByteArray &name : std::as_const(names)) {
        if (control.isCancelled())
            return Outcome::Cancelled;
        Source child{from, name, joined(source.path, name)};
        if (::fstatat(from->get(), name.constData(), &child.st, AT_SYMLINK_NOFOLLOW) != 0) {
            control.addDone(0, 1); // gone since the folder was read
            continue;
        }
        Target childTarget{to, toSt.st_dev, target.path(), name};
        const Outcome outcome = transfer(control, child, childTarget);
        if (outcome == Outcome::Cancelled)
            return outcome;
        complete = complete && outcome == Outcome::Done;
    }
    control.addDone(0, 1);
    if (!complete)
        return Outcome::Skipped;
    // Emptied; it goes with the batch, after whatever was copied out of it.
    m_pending.push_back({source.path, target.path(), source.st, toSt});
    return Outcome::Done;
}

Transfer::Outcome Transfer::copy(Job::Control &control, const Source &source, const Target &target)
{
    const bool move = m_kind == Job::Move && !m_copyAcross;
    if (m_kind == Job::Move && m_copyAcross)
        ++m_copiedAcross;
    // A move that could copy but not remove would leave two of everything:
    // it asks before it begins.
    while (move) {
        const bool canRemove =
            ::faccessat(source.parent->get(), ".", W_OK | X_OK, 0) == 0 &&
            (!S_ISDIR(source.st.st_mode) ||
             ::faccessat(source.parent->get(), source.name.constData(), W_OK | X_OK, 0) == 0);
        if (canRemove)
            break;
        switch (failure(control, errno, source.path, target.path())) {
        case Job::Retry:
            continue;
        case Job::Cancel:
            return Outcome::Cancelled;
        default:
            control.addDone(0, 1);
            return Outcome::Skipped;
        }
    }

    CopyEngine engine;
    CopyEngine::Stats told;
    engine.setProgress([&](const CopyEngine::Stats &done) {
        control.addDone(done.bytes - told.bytes, done.items - told.items);
        told = done;
        return !control.isCancelled();
    });
    engine.setAsk([&](const CopyEngine::Problem &problem) {
        if (problem.error != EEXIST)
            return actionOf(failure(control, problem.error, problem.source, problem.destination));
        if (problem.sourceIsFolder && problem.destinationIsFolder)
            return CopyEngine::Action::Merge;
        return actionOf(conflict(control, problem.source, problem.destination));
    });
    engine.setDone([&](const CopyEngine::Made &made) {
        control.setCurrent(made.source);
        syncLater(made.status.st_dev, target.folderPath);
        // What a move puts inside a folder it made goes back with the folder.
        if (!made.merged && (!move || !made.inNewFolder))
            control.record(stepOf(made.source, made.destination, made.status));
        if (move) {
            m_pending.push_back({made.source, made.destination, made.sourceStatus, made.status});
            m_pendingBytes += S_ISREG(made.status.st_mode) ? made.status.st_size : 0;
        }
    });
    const CopyEngine::Result result =
        engine.copy(source.path, target.folderPath, PathCodec::decode(target.name));
    control.addDone(result.done.bytes - told.bytes, result.done.items - told.items);

    bool whole = true;
    for (const CopyEngine::Skipped &skipped : result.skipped) {
        struct stat st;
        const Job::Reason reason = skipped.error == 0        ? Job::Special
                                   : skipped.error == EEXIST ? Job::Exists
                                   : !lookAt(skipped.source, &st)
                                       ? Job::SourceGone
                                       : Job::reasonOf(skipped.error, false);
        control.skipped(reason, skipped.error ? FileProbe::errorText(skipped.error) : QString());
        whole = false;
    }
    if (result.error == ECANCELED || control.isCancelled())
        return Outcome::Cancelled;
    if (result.error != 0) {
        control.refused(Job::reasonOf(result.error, false), FileProbe::errorText(result.error));
        return Outcome::Skipped;
    }
    return whole ? Outcome::Done : Outcome::Skipped;
}

Job::Choice Transfer::conflict(Job::Control &control, const QString &source,
                               const QString &destination)
{
    struct stat from = {}, existing = {};
    lookAt(source, &from);
    lookAt(destination, &existing);
    Job::Question question;
    question.type = Job::Question::Conflict;
    question.source = source;
    question.destination = destination;
    question.sourceIsDir = S_ISDIR(from.st_mode);
    question.destinationIsDir = S_ISDIR(existing.st_mode);
    question.sourceSize = question.sourceIsDir ? -1 : from.st_size;
    question.destinationSize = question.destinationIsDir ? -1 : existing.st_size;
    question.sourceModified = nanosOf(from.st_mtim) / 1000000;
    question.destinationModified = nanosOf(existing.st_mtim) / 1000000;
    // Replacing a folder, or a file by a folder, would throw away a tree.
    question.canReplace = !question.sourceIsDir && !question.destinationIsDir;
    return control.ask(question);
}

Job::Choice Transfer::failure(Job::Control &control, int error, const QString &path,
                              const QString &destination)
{
    struct stat st;
    Job::Question question;
    question.type = Job::Question::Failure;
    question.source = path;
    question.destination = destination;
    question.reason = Job::reasonOf(error, error == ENOENT && !lookAt(path, &st));
    question.text = FileProbe::errorText(error);
    const Job::Choice choice = control.ask(question);
    if (choice == Job::Skip)
        control.skipped(question.reason, question.text);
    return choice;
}

void Transfer::syncLater(dev_t device, const QString &folder)
{
    for (const auto &known : m_toSync) {
        if (known.first == device)
            return;
    }
    m_toSync.emplace_back(device, folder);
}

void Transfer::flush(Job::Control &control)
{
    // Only once the copies and their names are on disk may the sources go.
    bool durable = true;
    control.setFlushing(!m_toSync.empty());
    for (const auto &[device, folder] : m_toSync) {
        Descriptor fd(
            ::open(PathCodec::encode(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd.isOpen() || ::syncfs(fd.get()) != 0)
            durable = false;
    }
    control.setFlushing(false);
    m_toSync.clear();
    for (const Pending &pending : m_pending) {
        struct stat copy, now;
        // A copy taken back (its new folder was cancelled) or replaced since
        // is no copy: the source stays.
        if (!lookAt(pending.destination, &copy) || !sameEntry(copy, pending.status) ||
            !lookAt(pending.source, &now))
            continue;
        if (!durable) {
            control.skipped(Job::Other, FileProbe::errorText(EIO));
            continue;
        }
        if (!unchanged(pending.sourceStatus, now)) {
            control.skipped(Job::SourceChanged);
            continue;
        }
        const bool isDir = S_ISDIR(now.st_mode);
        if (::unlinkat(AT_FDCWD, PathCodec::encode(pending.source).constData(),
                       isDir ? AT_REMOVEDIR : 0) != 0 &&
            !(isDir && (errno == ENOTEMPTY || errno == EEXIST))) {
            // A folder that still holds what was left out stays, quietly.
            control.skipped(Job::reasonOf(errno, true), FileProbe::errorText(errno));
        }
    }
    m_pending.clear();
    m_pendingBytes = 0;
}

QByteArray Transfer::freeName(int folder, const QByteArray &name, bool isDir)
{
    const QString decoded = PathCodec::decode(name);
    for (int number = 2;; ++number) {
        const QByteArray candidate =
            PathCodec::encode(CopyEngine::numberedName(decoded, number, isDir));
        struct stat st;
        if ((::fstatat(folder, candidate.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 &&
             errno == ENOENT) ||
            number > 99999)
            return candidate;
    }
}
