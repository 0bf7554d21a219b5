// SPDX-License-Identifier: GPL-3.0-or-later
#include "trash.h"

#include "pathcodec.h"
#include "treewalk.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QLoggingCategory>
#include <QMutex>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcTrash, "vantrel.trash")

namespace Trash {

namespace {

const QByteArray InfoSuffix = QByteArrayLiteral(".trashinfo");
// An info file's name must fit the file system's limit too.
constexpr qsizetype MaxTrashName = NAME_MAX - 10;
constexpr qint64 MaxInfoSize = 64 * 1024;

QByteArray uid()
{
    return QByteArray::number(::getuid());
}

QByteArray userTrashName()
{
    return ".Trash-" + uid();
}

QByteArray bytesOf(const QString &path)
{
    return PathCodec::encode(path);
}

// A folder of the trash, opened without following a link.
int openInside(int folder, const char *name)
{
    return ::openat(folder, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// Makes the folder if missing, then opens it; -1 with errno on failure.
int makeInside(int folder, const char *name)
{
    if (::mkdirat(folder, name, 0700) != 0 && errno != EEXIST)
        return -1;
    return openInside(folder, name);
}

bool ownedByUs(int fd)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 && status.st_uid == ::getuid();
}

// A trash folder, open, with its files/ and info/.
struct OpenCan
{
    Can can;
    Descriptor root;
    Descriptor files;
    Descriptor info;
};

bool openParts(OpenCan *open, bool make)
{
    const auto part = make ? makeInside : openInside;
    open->files.reset(part(open->root.get(), "files"));
    open->info.reset(part(open->root.get(), "info"));
    return open->files.isOpen() && open->info.isOpen();
}

QString homeFolder()
{
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return PathCodec::decode(home);
    const passwd *entry = ::getpwuid(::getuid());
    return entry ? PathCodec::decode(QByteArray(entry->pw_dir)) : QStringLiteral("/");
}

// The home trash, made when make is set; -errno on failure.
int openHome(OpenCan *open, bool make)
{
    open->can = {homeTrash(), FileActions::folderOf(homeTrash()), true};
    const QByteArray path = bytesOf(open->can.path);
    if (make) {
        // The data folder and those above it are the person's; only the
        // trash itself is private.
        for (qsizetype slash = path.indexOf('/', 1); slash > 0;
             slash = path.indexOf('/', slash + 1))
            ::mkdir(path.left(slash).constData(), 0777);
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return -errno;
    }
    open->root.reset(::open(path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!open->root.isOpen())
        return -errno;
    if (!openParts(open, make))
        return -errno;
    return 0;
}

// $topdir/.Trash/$uid, when an administrator made .Trash safe to share:
// a real folder (not a link) with the sticky bit, so nobody removes what
// another put there.
int openAdminCan(int top, const QString &topdir, OpenCan *open, bool make)
{
    struct stat status;
    if (::fstatat(top, ".Trash", &status, AT_SYMLINK_NOFOLLOW) != 0)
        return -errno;
    if (!S_ISDIR(status.st_mode) || !(status.st_mode & S_ISVTX)) {
        qCWarning(lcTrash).noquote()
            << "Not using" << FileActions::joinPath(topdir, QStringLiteral(".Trash"))
            << (S_ISLNK(status.st_mode) ? "(a link)" : "(not a folder with the sticky bit)");
        return -EPERM;
    }
    Descriptor shared(openInside(top, ".Trash"));
    if (!shared.isOpen())
        return -errno;
    const QByteArray id = uid();
    open->root.reset(make ? makeInside(shared.get(), id.constData())
                          : openInside(shared.get(), id.constData()));
    if (!open->root.isOpen())
        return -errno;
    if (!ownedByUs(open->root.get()))
        return -EPERM;
    open->can = {FileActions::joinPath(topdir, QStringLiteral(".Trash/") + QString::fromLatin1(id)),
                 topdir, false};
    return openParts(open, make) ? 0 : -errno;
}

// $topdir/.Trash-$uid, the person's own; it must be theirs and no link.
int openUserCan(int top, const QString &topdir, OpenCan *open, bool make)
{
    const QByteArray name = userTrashName();
    open->root.reset(make ? makeInside(top, name.constData()) : openInside(top, name.constData()));
    if (!open->root.isOpen())
        return -errno;
    if (!ownedByUs(open->root.get()))
        return -EPERM;
    open->can = {FileActions::joinPath(topdir, QString::fromLatin1(name)), topdir, false};
    return openParts(open, make) ? 0 : -errno;
}

int openTopCan(const QString &topdir, OpenCan *open, bool make)
{
    Descriptor top(FileActions::openFolder(topdir));
    if (!top.isOpen())
        return top.get();
    if (openAdminCan(top.get(), topdir, open, make) == 0)
        return 0;
    *open = OpenCan();
    return openUserCan(top.get(), topdir, open, make);
}

QByteArray realPath(const QByteArray &path)
{
    char *real = ::realpath(path.constData(), nullptr);
    if (!real)
        return {};
    const QByteArray result(real);
    std::free(real);
    return result;
}

// The top folder of the volume holding the real folder: the last one up
// that is still on its device.
QByteArray topOf(const QByteArray &real, dev_t device)
{
    QByteArray top = real;
    while (top != "/") {
        const qsizetype slash = top.lastIndexOf('/');
        const QByteArray parent = slash <= 0 ? QByteArray("/") : top.left(slash);
        struct stat status;
        if (::stat(parent.constData(), &status) != 0 || status.st_dev != device)
            break;
        top = parent;
    }
    return top;
}

// The trash for entries of the folder, made if missing, and the folder's
// real path; -errno, or -ENOENT for no trash.
int openCanFor(int folder, const QString &folderPath, OpenCan *open, QByteArray *real)
{
    struct stat status;
    if (::fstat(folder, &status) != 0)
        return -errno;
    *real = realPath(bytesOf(folderPath));
    if (real->isEmpty())
        return -errno;
    const int home = openHome(open, true);
    struct stat files;
    if (home == 0 && ::fstat(open->files.get(), &files) == 0 && files.st_dev == status.st_dev)
        return 0;
    *open = OpenCan();
    const QString topdir = PathCodec::decode(topOf(*real, status.st_dev));
    return openTopCan(topdir, open, true);
}

// "notes.txt" -> "notes.2.txt", cut to fit with the info file's suffix.
QByteArray trashName(const QByteArray &name, int number)
{
    QByteArray stem = name;
    QByteArray extension;
    const qsizetype dot = name.lastIndexOf('.');
    if (number > 1 && dot > 0) {
        stem = name.left(dot);
        extension = name.mid(dot);
    }
    const QByteArray tag = number > 1 ? '.' + QByteArray::number(number) : QByteArray();
    qsizetype room = MaxTrashName - tag.size() - extension.size();
    if (room < 1) { // an extension as long as the name allows
        extension.clear();
        room = MaxTrashName - tag.size();
    }
    if (stem.size() > room) {
        // Cut between characters, not inside one.
        while (room > 1 && (uchar(stem.at(room)) & 0xC0) == 0x80)
            --room;
        stem.truncate(room);
    }
    return stem + tag + extension;
}

QByteArray dateText(const QDateTime &when)
{
    return QLocale::c().toString(when, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1();
}

bool readAt(int folder, const QByteArray &name, QByteArray *text)
{
    Descriptor fd(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.isOpen())
        return false;
    text->resize(MaxInfoSize);
    qsizetype total = 0;
    for (;;) {
        const ssize_t got = ::read(fd.get(), text->data() + total, size_t(MaxInfoSize - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0 || (total += got) == MaxInfoSize)
            break;
    }
    text->truncate(total);
    return true;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Where a trashed entry came from, from its info file.
bool originOf(const OpenCan &open, const QByteArray &name, QString *original, QDateTime *deleted,
              qint64 *infoTime = nullptr)
{
    QByteArray text;
    if (!readAt(open.info.get(), name + InfoSuffix, &text))
        return false;
    QByteArray path;
    if (!parseInfo(text, &path, deleted) || path.isEmpty())
        return false;
    // An info file on a volume is anyone's to write: it may not send a
    // restore outside that volume, by a whole path or by "..".
    const QByteArray top = bytesOf(open.can.topdir);
    if (path.split('/').contains(".."))
        return false;
    if (path.startsWith('/') && !open.can.home && path != top &&
        !path.startsWith(top.endsWith('/') ? top : top + '/'))
        return false;
    *original = path.startsWith('/')
                    ? PathCodec::decode(path)
                    : FileActions::joinPath(open.can.topdir, PathCodec::decode(path));
    if (infoTime) {
        struct stat status;
        *infoTime = ::fstatat(open.info.get(), (name + InfoSuffix).constData(), &status,
                              AT_SYMLINK_NOFOLLOW) == 0
                        ? qint64(status.st_mtim.tv_sec)
                        : -1;
    }
    return true;
}

// The size cache of trashed folders: "size mtime name" a line, the mtime
// being the info file's, so a stale line is known by it.
struct CachedSize
{
    qint64 size;
    qint64 infoTime;
};

QMutex &sizesLock()
{
    static QMutex lock;
    return lock;
}

QHash<QByteArray, CachedSize> readSizes(int root)
{
    QHash<QByteArray, CachedSize> sizes;
    QByteArray text;
    if (!readAt(root, "directorysizes", &text))
        return sizes;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        bool sizeOk = false, timeOk = false;
        if (fields.size() != 3)
            continue;
        const CachedSize entry{fields[0].toLongLong(&sizeOk), fields[1].toLongLong(&timeOk)};
        if (sizeOk && timeOk)
            sizes.insert(decodePath(fields[2]), entry);
    }
    return sizes;
}

// Writes the cache anew with name's line set (size >= 0) or dropped, and
// without lines whose entry has left. Replaced in one step, as another
// program may be reading it.
void updateSizes(const OpenCan &open, const QByteArray &name, qint64 size, qint64 infoTime)
{
    QMutexLocker locker(&sizesLock());
    QHash<QByteArray, CachedSize> sizes = readSizes(open.root.get());
    if (size < 0 && !sizes.contains(name))
        return;
    sizes.remove(name);
    if (size >= 0)
        sizes.insert(name, {size, infoTime});
    QByteArray text;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it) {
        struct stat status;
        if (::fstatat(open.info.get(), (it.key() + InfoSuffix).constData(), &status,
                      AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        text += QByteArray::number(it->size) + ' ' + QByteArray::number(it->infoTime) + ' ' +
                encodePath(it.key()) + '\n';
    }
    const QByteArray temporary =
        "directorysizes." + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    Descriptor fd(::openat(open.root.get(), temporary.constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.isOpen())
        return;
    const bool written = writeAll(fd.get(), text);
    fd.reset();
    if (!written ||
        ::renameat(open.root.get(), temporary.constData(), open.root.get(), "directorysizes") != 0)
        ::unlinkat(open.root.get(), temporary.constData(), 0);
}

// The trash folder that holds the trashed entry, open; its name in files/.
FileResult openTrashed(const QString &trashedPath, OpenCan *open, QByteArray *name)
{
    open->can = canOf(trashedPath);
    if (open->can.path.isEmpty())
        return FileResult::failure(FileResult::Missing, trashedPath, ENOENT);
    open->root.reset(::open(bytesOf(open->can.path).constData(),
                            O_PATH | O_DIRECTORY | O_CLOEXEC | (open->can.home ? 0 : O_NOFOLLOW)));
    if (!open->root.isOpen() || !openParts(open, false))
        return FileResult::fromErrno(errno, trashedPath);
    *name = bytesOf(FileActions::nameOf(trashedPath));
    return {};
}

} // namespace

QString homeTrash()
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    const QString base = data.startsWith('/') ? PathCodec::decode(data)
                                              : homeFolder() + QStringLiteral("/.local/share");
    return FileActions::joinPath(base, QStringLiteral("Trash"));
}

Can canOf(const QString &trashedPath)
{
    const QString files = FileActions::folderOf(trashedPath);
    if (FileActions::nameOf(files) != QLatin1String("files"))
        return {};
    const QString can = FileActions::folderOf(files);
    if (can == homeTrash())
        return {can, FileActions::folderOf(can), true};
    const QString id = QString::fromLatin1(uid());
    const QString name = FileActions::nameOf(can);
    if (name == QString::fromLatin1(userTrashName()))
        return {can, FileActions::folderOf(can), false};
    const QString shared = FileActions::folderOf(can);
    if (name == id && FileActions::nameOf(shared) == QLatin1String(".Trash"))
        return {can, FileActions::folderOf(shared), false};
    return {};
}

bool isInTrash(const QString &path)
{
    const QString home = homeTrash();
    const QString own = QString::fromLatin1(userTrashName());
    const QString id = QString::fromLatin1(uid());
    for (QString at = path; at.size() > 1; at = FileActions::folderOf(at)) {
        const QString name = FileActions::nameOf(at);
        if (at == home || name == own ||
            (name == id &&
             FileActions::nameOf(FileActions::folderOf(at)) == QLatin1String(".Trash")))
            return true;
    }
    return false;
}

FileResult canFor(const QString &path, Can *can)
{
    const QString folder = FileActions::folderOf(path);
    Descriptor dir(FileActions::openFolder(folder));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), path);
    OpenCan open;
    QByteArray real;
    if (const int error = openCanFor(dir.get(), folder, &open, &real))
        return FileResult::failure(FileResult::NoTrash, path, -error);
    *can = open.can;
    return {};
}

FileResult moveToTrash(const QString &path, QString *trashedPath)
{
    const QString folder = FileActions::folderOf(path);
    const QString name = FileActions::nameOf(path);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return FileResult::failure(FileResult::Busy, path, EBUSY);
    if (isInTrash(path))
        return FileResult::failure(FileResult::InTrash, path);
    Descriptor dir(FileActions::openFolder(folder));
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), path);
    const QByteArray entry = bytesOf(name);
    const FileActions::Identity identity = FileActions::identityAt(dir.get(), entry);
    if (!identity.valid)
        return FileResult::fromErrno(errno, path);

    OpenCan open;
    QByteArray real;
    if (const int error = openCanFor(dir.get(), folder, &open, &real))
        return FileResult::failure(error == -EROFS ? FileResult::ReadOnly : FileResult::NoTrash,
                                   path, -error);
    // The trash itself, reached by another path.
    for (const int part : {open.root.get(), open.files.get(), open.info.get()}) {
        struct stat status;
        if (::fstat(part, &status) == 0 && status.st_dev == identity.device &&
            status.st_ino == identity.inode)
            return FileResult::failure(FileResult::InTrash, path);
    }

    QByteArray original = real == "/" ? '/' + entry : real + '/' + entry;
    if (!open.can.home) {
        const QByteArray top = bytesOf(open.can.topdir);
        const QByteArray prefix = top.endsWith('/') ? top : top + '/';
        if (original.startsWith(prefix))
            original = original.mid(prefix.size());
    }
    const QByteArray info = infoText(original, QDateTime::currentDateTime());

    // The info file claims the name: whoever makes it first owns it.
    for (int number = 1; number < 100000; ++number) {
        const QByteArray candidate = trashName(entry, number);
        const QByteArray infoName = candidate + InfoSuffix;
        Descriptor fd(::openat(open.info.get(), infoName.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.isOpen()) {
            if (errno == EEXIST)
                continue;
            return FileResult::fromErrno(errno, path);
        }
        if (!writeAll(fd.get(), info)) {
            const int error = errno;
            ::unlinkat(open.info.get(), infoName.constData(), 0);
            return FileResult::fromErrno(error, path);
        }
        fd.reset();
        const int error =
            FileActions::renameNoReplace(dir.get(), entry, open.files.get(), candidate);
        if (error) {
            ::unlinkat(open.info.get(), infoName.constData(), 0);
            if (error == EEXIST) // an entry left there without its info
                continue;
            return FileResult::fromErrno(error, path);
        }
        const QString trashed =
            FileActions::joinPath(FileActions::joinPath(open.can.path, QStringLiteral("files")),
                                  PathCodec::decode(candidate));
        if (trashedPath)
            *trashedPath = trashed;
        if (identity.isDir()) {
            TreeWalk::Counter counter;
            struct stat status;
            if (counter.add(open.files.get(), candidate) == 0 &&
                ::fstatat(open.info.get(), infoName.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
                updateSizes(open, candidate, counter.totals().diskBytes, status.st_mtim.tv_sec);
        }
        FileResult result;
        result.path = trashed;
        return result;
    }
    return FileResult::failure(FileResult::Exists, path, EEXIST);
}

QList<Can> reachable()
{
    QList<Can> cans;
    QSet<QPair<quint64, quint64>> seen;
    const auto add = [&](const OpenCan &open) {
        struct stat status;
        if (::fstat(open.root.get(), &status) != 0 ||
            seen.contains({quint64(status.st_dev), quint64(status.st_ino)}))
            return;
        seen.insert({quint64(status.st_dev), quint64(status.st_ino)});
        cans.append(open.can);
    };
    {
        OpenCan home;
        if (openHome(&home, false) == 0)
            add(home);
    }

    // Local volumes only: a network one may never answer, and its trash
    // is the home trash's business.
    static const QSet<QByteArray> skipped = {
        "proc",      "sysfs",       "devpts",   "cgroup",   "cgroup2",    "securityfs", "debugfs",
        "tracefs",   "bpf",         "mqueue",   "pstore",   "configfs",   "fusectl",    "hugetlbfs",
        "autofs",    "binfmt_misc", "efivarfs", "nsfs",     "rpc_pipefs", "devtmpfs",   "nfs",
        "nfs4",      "cifs",        "smb3",     "smbfs",    "9p",         "afs",        "ceph",
        "glusterfs", "sshfs",       "davfs",    "squashfs", "iso9660",    "ramfs"};
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (!mounts.open(QIODevice::ReadOnly))
        return cans;
    for (const QByteArray &line : mounts.readAll().split('\n')) {
        const qsizetype dash = line.indexOf(" - ");
        const QList<QByteArray> fields = line.left(dash).split(' ');
        if (dash < 0 || fields.size() < 5)
            continue;
        const QByteArray type = line.mid(dash + 3).split(' ').value(0);
        if (skipped.contains(type) ||
            (type.startsWith("fuse.") && type != "fuse.fuseblk" && type != "fuseblk"))
            continue;
        // Spaces, tabs, newlines and backslashes come as octal escapes.
        QByteArray point;
        const QByteArray &escaped = fields[4];
        for (qsizetype i = 0; i < escaped.size(); ++i) {
            if (escaped[i] == '\\' && i + 3 < escaped.size()) {
                bool ok = false;
                const int value = escaped.mid(i + 1, 3).toInt(&ok, 8);
                if (ok) {
                    point += char(value);
                    i += 3;
                    continue;
                }
            }
            point += escaped[i];
        }
        OpenCan open;
        if (openTopCan(PathCodec::decode(point), &open, false) == 0)
            add(open);
    }
    return cans;
}

QList<Item> list(const Can &can)
{
    QList<Item> items;
    OpenCan open;
    open.can = can;
    open.root.reset(::open(bytesOf(can.path).constData(),
                           O_PATH | O_DIRECTORY | O_CLOEXEC | (can.home ? 0 : O_NOFOLLOW)));
    if (!open.root.isOpen() || !openParts(&open, false))
        return items;
    const QHash<QByteArray, CachedSize> sizes = readSizes(open.root.get());
    const QString filesPath = FileActions::joinPath(can.path, QStringLiteral("files"));

    Descriptor files(::openat(open.files.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *dir = files.isOpen() ? ::fdopendir(files.get()) : nullptr;
    if (!dir)
        return items;
    files.release();
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        Item item;
        item.trashedPath = FileActions::joinPath(filesPath, PathCodec::decode(name));
        item.identity = FileActions::identityAt(open.files.get(), name);
        if (!item.identity.valid)
            continue;
        qint64 infoTime = -1;
        originOf(open, name, &item.originalPath, &item.deleted, &infoTime);
        if (!item.identity.isDir()) {
            item.size = item.identity.size;
        } else if (const auto cached = sizes.constFind(name);
                   cached != sizes.cend() && cached->infoTime == infoTime) {
            item.size = cached->size;
        }
        items.append(item);
    }
    ::closedir(dir);
    return items;
}

QList<Item> listAll()
{
    QList<Item> items;
    for (const Can &can : reachable())
        items += list(can);
    return items;
}

FileResult restore(const QString &trashedPath, const QString &asPath, QString *restoredPath)
{
    OpenCan open;
    QByteArray name;
    if (FileResult opened = openTrashed(trashedPath, &open, &name); !opened.ok())
        return opened;
    if (!FileActions::identityAt(open.files.get(), name).valid)
        return FileResult::fromErrno(errno, trashedPath);
    QString target = asPath;
    if (target.isEmpty()) {
        QDateTime deleted;
        if (!originOf(open, name, &target, &deleted))
            return FileResult::failure(FileResult::UnknownOrigin, trashedPath);
    }
    const QString folder = FileActions::folderOf(target);
    Descriptor dir(FileActions::openFolder(folder));
    if (!dir.isOpen() && dir.get() == -ENOENT) {
        // The folder it came from went too: make it again.
        const QByteArray bytes = bytesOf(folder);
        for (qsizetype slash = bytes.indexOf('/', 1); slash >= 0;
             slash = bytes.indexOf('/', slash + 1))
            ::mkdir(bytes.left(slash).constData(), 0777);
        ::mkdir(bytes.constData(), 0777);
        dir.reset(FileActions::openFolder(folder));
    }
    if (!dir.isOpen())
        return FileResult::fromErrno(-dir.get(), target);
    if (const int error = FileActions::renameNoReplace(open.files.get(), name, dir.get(),
                                                       bytesOf(FileActions::nameOf(target))))
        return FileResult::fromErrno(error,
                                     error == EEXIST || error == EXDEV ? target : trashedPath);
    ::unlinkat(open.info.get(), (name + InfoSuffix).constData(), 0);
    updateSizes(open, name, -1, 0);
    if (restoredPath)
        *restoredPath = target;
    FileResult result;
    result.path = target;
    return result;
}

FileResult erase(const QString &trashedPath, const FileActions::Progress &progress)
{
    OpenCan open;
    QByteArray name;
    if (FileResult opened = openTrashed(trashedPath, &open, &name); !opened.ok())
        return opened;
    const FileResult removed =
        FileActions::removeTreeAt(open.files.get(), name, trashedPath, progress);
    if (!removed.ok() && removed.error != FileResult::Missing)
        return removed;
    // The info last: an entry is never left in files/ without one.
    ::unlinkat(open.info.get(), (name + InfoSuffix).constData(), 0);
    updateSizes(open, name, -1, 0);
    return {};
}

FileResult emptyCan(const Can &can, const FileActions::Progress &progress)
{
    qint64 removed = 0;
    const FileActions::Progress counted = [&](qint64 done) {
        return !progress || progress(removed + done);
    };
    for (const Item &item : list(can)) {
        qint64 done = 0;
        const FileResult erased = erase(item.trashedPath, [&](qint64 n) {
            done = n;
            return counted(n);
        });
        removed += done;
        if (!erased.ok())
            return erased;
    }
    // Info files of entries that left by other means, and the size cache.
    OpenCan open;
    open.can = can;
    open.root.reset(::open(bytesOf(can.path).constData(),
                           O_PATH | O_DIRECTORY | O_CLOEXEC | (can.home ? 0 : O_NOFOLLOW)));
    if (!open.root.isOpen() || !openParts(&open, false))
        return {};
    Descriptor info(::openat(open.info.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (DIR *dir = info.isOpen() ? ::fdopendir(info.get()) : nullptr) {
        info.release();
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name.endsWith(InfoSuffix) &&
                !FileActions::identityAt(open.files.get(), name.chopped(InfoSuffix.size())).valid)
                ::unlinkat(open.info.get(), name.constData(), 0);
        }
        ::closedir(dir);
    }
    ::unlinkat(open.root.get(), "directorysizes", 0);
    return {};
}

QByteArray infoText(const QByteArray &path, const QDateTime &deleted)
{
    return "[Trash Info]\nPath=" + encodePath(path) + "\nDeletionDate=" + dateText(deleted) + '\n';
}

bool parseInfo(const QByteArray &text, QByteArray *path, QDateTime *deleted)
{
    bool inGroup = false;
    bool found = false;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inGroup = line == "[Trash Info]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inGroup || equals < 0)
            continue;
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1).trimmed();
        if (key == "Path") {
            *path = decodePath(value);
            found = true;
        } else if (key == "DeletionDate") {
            const QString date = QString::fromLatin1(value);
            *deleted = QDateTime::fromString(date, Qt::ISODate);
            if (!deleted->isValid()) // as some early writers had it
                *deleted = QLocale::c().toDateTime(date, QStringLiteral("yyyyMMdd'T'HH:mm:ss"));
        }
    }
    return found;
}

QByteArray encodePath(const QByteArray &bytes)
{
    return bytes.toPercentEncoding("/");
}

QByteArray decodePath(const QByteArray &text)
{
    return QByteArray::fromPercentEncoding(text);
}

} // namespace Trash
