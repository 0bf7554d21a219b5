// SPDX-License-Identifier: GPL-3.0-or-later
#include "treewalk.h"

#include "fileactions.h"
#include "pathcodec.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace TreeWalk {

namespace {

struct Level
{
    DIR *dir = nullptr;
    QByteArray name;
    QByteArray relative;
    struct stat status;
};

bool isDots(const char *name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

mode_t modeOf(unsigned char type)
{
    switch (type) {
    case DT_DIR:
        return S_IFDIR;
    case DT_LNK:
        return S_IFLNK;
    case DT_FIFO:
        return S_IFIFO;
    case DT_SOCK:
        return S_IFSOCK;
    case DT_CHR:
        return S_IFCHR;
    case DT_BLK:
        return S_IFBLK;
    default:
        return S_IFREG;
    }
}

} // namespace

Failure walk(int folder, const QByteArray &name, const Visitor &visitor, int flags)
{
    std::vector<Level> levels;
    const auto fail = [&levels](int error, const QByteArray &relative) {
        for (Level &level : levels)
            ::closedir(level.dir);
        levels.clear();
        return Failure{error, relative};
    };

    struct stat top;
    if (::fstatat(folder, name.constData(), &top, AT_SYMLINK_NOFOLLOW) != 0)
        return Failure{errno, name};

    // Visits the entry; a folder is then opened and put on the stack.
    const auto visit = [&](int parent, const QByteArray &child, const QByteArray &relative,
                           const struct stat &status) -> int {
        if (!S_ISDIR(status.st_mode))
            return visitor(Entry{parent, child, relative, status, false, false, false});
        Descriptor fd(
            ::openat(parent, child.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!fd.isOpen()) {
            if (!(flags & SkipUnreadable) || errno != EACCES)
                return errno;
            const int answer = visitor(Entry{parent, child, relative, status, true, false, false});
            return answer == Skip ? Continue : answer;
        }
        struct stat opened;
        if (::fstat(fd.get(), &opened) != 0)
            return errno;
        const bool otherVolume = opened.st_dev != top.st_dev;
        const int answer =
            visitor(Entry{parent, child, relative, opened, true, false, otherVolume, fd.get()});
        if (answer == Skip || (answer == Continue && otherVolume))
            return Continue;
        if (answer != Continue)
            return answer;
        DIR *dir = ::fdopendir(fd.get());
        if (!dir)
            return errno;
        fd.release();
        levels.push_back({dir, child, relative, opened});
        return Continue;
    };

    if (const int error = visit(folder, name, name, top))
        return fail(error, name);
    while (!levels.empty()) {
        const int fd = ::dirfd(levels.back().dir);
        errno = 0;
        const dirent *entry = ::readdir(levels.back().dir);
        if (!entry) {
            if (errno != 0)
                return fail(errno, levels.back().relative);
            Level done = levels.back();
            levels.pop_back();
            const int parent = levels.empty() ? folder : ::dirfd(levels.back().dir);
            const int error =
                visitor(Entry{parent, done.name, done.relative, done.status, true, true, false});
            ::closedir(done.dir);
            if (error > 0)
                return fail(error, done.relative);
            continue;
        }
        if (isDots(entry->d_name))
            continue;
        const QByteArray child(entry->d_name);
        const QByteArray relative = levels.back().relative + '/' + child;
        struct stat status = {};
        if ((flags & Status) || entry->d_type == DT_UNKNOWN || entry->d_type == DT_DIR) {
            if (::fstatat(fd, child.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno == ENOENT)
                    continue; // gone meanwhile
                return fail(errno, relative);
            }
        } else {
            status.st_mode = modeOf(entry->d_type);
        }
        if (const int error = visit(fd, child, relative, status))
            return fail(error, relative);
    }
    return {};
}

int Counter::add(const QString &path, const std::function<bool(const Totals &)> &progress)
{
    Descriptor folder(FileActions::openFolder(FileActions::folderOf(path)));
    if (!folder.isOpen())
        return -folder.get();
    return add(folder.get(), PathCodec::encode(FileActions::nameOf(path)), progress);
}

int Counter::add(int folder, const QByteArray &name,
                 const std::function<bool(const Totals &)> &progress)
{
    int sinceReport = 0;
    const Failure failure = walk(
        folder, name,
        [&](const Entry &entry) {
            if (entry.leaving)
                return Continue;
            if (entry.isDir) {
                ++m_totals.folders;
                m_totals.diskBytes += qint64(entry.status.st_blocks) * 512;
            } else {
                const QPair<quint64, quint64> key(entry.status.st_dev, entry.status.st_ino);
                if (entry.status.st_nlink > 1) {
                    if (m_seen.contains(key))
                        return Continue;
                    m_seen.insert(key);
                }
                ++m_totals.files;
                m_totals.bytes += entry.status.st_size;
                m_totals.diskBytes += qint64(entry.status.st_blocks) * 512;
            }
            if (progress && ++sinceReport >= 256) {
                sinceReport = 0;
                if (!progress(m_totals))
                    return int(ECANCELED);
            }
            return Continue;
        },
        Status | SkipUnreadable);
    if (progress && failure.error == 0)
        progress(m_totals);
    return failure.error;
}

QByteArray fingerprint(const QString &path)
{
    Descriptor folder(FileActions::openFolder(FileActions::folderOf(path)));
    if (!folder.isOpen())
        return {};
    std::vector<QByteArray> records;
    const Failure failure = walk(
        folder.get(), PathCodec::encode(FileActions::nameOf(path)),
        [&records](const Entry &entry) {
            if (entry.leaving)
                return Continue;
            QByteArray record = entry.relative;
            record += '\0';
            for (const qint64 value :
                 {qint64(entry.status.st_ino), qint64(entry.status.st_mode),
                  qint64(entry.status.st_size), qint64(entry.status.st_mtim.tv_sec),
                  qint64(entry.status.st_mtim.tv_nsec)}) {
                record += QByteArray::number(value);
                record += ' ';
            }
            records.push_back(record);
            return Continue;
        },
        Status);
    if (failure.error)
        return {};
    // The order folders are read in is the file system's; sort it away.
    std::sort(records.begin(), records.end());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray &record : records)
        hash.addData(record + '\n');
    return hash.result();
}

} // namespace TreeWalk
