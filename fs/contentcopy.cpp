// SPDX-License-Identifier: GPL-3.0-or-later
#include "contentcopy.h"

#include "fileactions.h"
#include "pathcodec.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace ContentCopy {

namespace {

// Large enough that the system call costs nothing, small enough that a
// progress bar moves and a cancel is quick.
constexpr qint64 PieceSize = 1024 * 1024;
// A large file is sent to the disk a window at a time while the rest is
// copied, so that the disk works while the copy goes on. The copy waits
// once more than a few windows are on their way: its progress is then what
// the disk took, and the last sync finds little left to write, so that a
// progress bar never stands still at its end.
constexpr qint64 WindowSize = 16 * 1024 * 1024;
constexpr qint64 InFlight = 3 * WindowSize;
// A disk may keep what it took in a cache of its own (a virtual disk keeps
// it in its host's memory), which only a sync empties. One now and then,
// beside the copy, keeps the last one short.
constexpr qint64 FlushEvery = 4 * WindowSize;

// Empties the disk's cache of one file on a thread of its own, so that the
// copy goes on meanwhile.
class Flusher
{
public:
    explicit Flusher(int fd) : m_fd(fd), m_thread([this] { loop(); }) {}
    ~Flusher()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    // Asks for what lies before end to be flushed, and waits while more
    // than behind is still to flush; 0 or the errno of a failed flush.
    int flush(qint64 end, qint64 behind)
    {
        std::unique_lock lock(m_mutex);
        m_wanted = qMax(m_wanted, end);
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_error != 0 || m_flushed >= m_wanted - behind; });
        return m_error;
    }

private:
    void loop()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] { return m_stop || m_wanted > m_flushed; });
            if (m_stop)
                return;
            const qint64 end = m_wanted;
            lock.unlock();
            const int error = ::fdatasync(m_fd) == 0 || errno == EINVAL ? 0 : errno;
            lock.lock();
            m_error = m_error ? m_error : error;
            m_flushed = end;
            m_changed.notify_all();
        }
    }

    const int m_fd;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    qint64 m_wanted = 0;
    qint64 m_flushed = 0;
    int m_error = 0;
    bool m_stop = false;
    std::thread m_thread;
};

// One file's copy under way.
struct Run
{
    Run(int from, int to, Channel *channel, const Progress &progress)
        : from(from), to(to), channel(channel), progress(progress), inKernel(channel->inKernel)
    {
    }

    int from;
    int to;
    Channel *channel;
    const Progress &progress;
    bool inKernel;
    bool writeBehind = true;
    QByteArray buffer;
    qint64 written = 0; // the end of what was written
    qint64 sent = 0;    // what lies before is on its way to the disk
    qint64 settled = 0; // what lies before is on the disk
    qint64 flushed = 0; // what lies before is asked to leave the disk's cache
    qint64 told = 0;    // the progress told, which never goes back
    // Started by the first flush.
    std::unique_ptr<Flusher> flusher;
};

// Tells how far the copy got: where large files are sent to the disk, what
// the disk took, else what was written.
bool tell(Run &run)
{
    const qint64 done = run.writeBehind && run.sent > 0 ? run.settled : run.written;
    run.told = qMax(run.told, done);
    return !run.progress || run.progress(run.told);
}

// Waits until what was written before end is on the disk; 0 or an errno,
// which fails the copy as a failed write would.
int settle(Run &run, qint64 end)
{
    constexpr unsigned flags =
        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    while (run.settled < end) {
        const qint64 next = qMin(end, run.settled + WindowSize);
        if (::sync_file_range(run.to, run.settled, next - run.settled, flags) != 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        run.settled = next;
        if (run.settled - run.flushed >= FlushEvery) {
            if (!run.flusher)
                run.flusher = std::make_unique<Flusher>(run.to);
            if (const int error = run.flusher->flush(run.settled, FlushEvery))
                return error;
            run.flushed = run.settled;
        }
        if (next < end && !tell(run))
            return ECANCELED;
    }
    return 0;
}

// Sends what was written since the last window on its way to the disk; 0
// or an errno, which fails the copy as a failed write would.
int sendBehind(Run &run)
{
    if (!run.writeBehind || run.written - run.sent < WindowSize)
        return 0;
    if (::sync_file_range(run.to, run.sent, run.written - run.sent, SYNC_FILE_RANGE_WRITE) != 0) {
        if (errno == EINTR)
            return 0; // again after the next piece
        if (errno != EINVAL && errno != ESPIPE && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        run.writeBehind = false; // the last sync does it all
        return 0;
    }
    run.sent = run.written;
    return settle(run, run.sent - InFlight);
}

// At the end of a large file: the rest on the disk a window at a time, each
// one told, before the sync that makes the file durable.
int settleAll(Run &run)
{
    if (!run.writeBehind || run.sent == 0)
        return 0;
    if (const int error = settle(run, run.written))
        return error;
    run.sent = run.written;
    // Waited for here, not left to the caller's sync: a failed write is
    // told once per open file, and the flush may have been told it.
    return run.flusher ? run.flusher->flush(run.written, 0) : 0;
}

// Copies [offset, offset + length) in pieces; 0 or an errno. Gives back in
// *end how far the source really went (it may have shrunk).
int copyRange(Run &run, qint64 offset, qint64 length, qint64 *end)
{
    const qint64 stop = offset + length;
    while (offset < stop) {
        const qint64 piece = qMin(stop - offset, PieceSize);
        qint64 copied = -1;
        if (run.inKernel) {
            off_t in = offset, out = offset;
            copied = ::copy_file_range(run.from, &in, run.to, &out, size_t(piece), 0);
            if (copied < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                               errno == EOPNOTSUPP || errno == EBADF)) {
                run.inKernel = run.channel->inKernel = false;
                continue;
            }
            // Some file systems answer 0 for data they cannot copy this way:
            // the end of the file is only believed from a read.
            if (copied == 0) {
                run.inKernel = false;
                continue;
            }
        } else {
            if (run.buffer.isEmpty())
                run.buffer.resize(PieceSize);
            copied = ::pread(run.from, run.buffer.data(), size_t(piece), offset);
            for (qint64 written = 0; copied > 0 && written < copied;) {
                const ssize_t n = ::pwrite(run.to, run.buffer.constData() + written,
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
        run.written = offset;
        if (const int error = sendBehind(run))
            return error;
        if (!tell(run))
            return ECANCELED;
    }
    *end = offset;
    return 0;
}

} // namespace

int copyContent(int from, const struct stat &before, int to, Channel *channel,
                const Progress &progress)
{
    Run run(from, to, channel, progress);
    qint64 position = 0;
    bool cutShort = false;
    // Never past the size the copy began with: what is appended meanwhile
    // is no part of this copy, and the source is looked at again at the end.
    const qint64 size = before.st_size;
    // Asked even of an empty file: a kernel file's size of 0 says nothing.
    while (position < size || position == 0) {
        const off_t data = ::lseek(from, position, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break; // only a hole, or nothing, after position
        if (data < 0) {
            if (position != 0 || (errno != EINVAL && errno != EOPNOTSUPP))
                return errno;
            // No map of the data (some kernel files, whose size says nothing):
            // read until the end, and the copy is what was read.
            run.inKernel = false;
            return copyRange(run, 0, std::numeric_limits<qint64>::max() / 2, &position);
        }
        if (data >= size)
            break;
        const off_t hole = qMin<qint64>(::lseek(from, data, SEEK_HOLE), size);
        if (hole < 0)
            return errno;
        qint64 end = data;
        if (const int error = copyRange(run, data, hole - data, &end))
            return error;
        position = end;
        if (end < hole) {
            cutShort = true; // seen below
            break;
        }
    }
    struct stat after;
    if (::fstat(from, &after) != 0)
        return errno;
    if (cutShort || after.st_size != before.st_size ||
        after.st_mtim.tv_sec != before.st_mtim.tv_sec ||
        after.st_mtim.tv_nsec != before.st_mtim.tv_nsec)
        return SourceChanged;
    // A hole at the end is only a size. Setting the size a file has already
    // is no free step (some file systems trim it), so it is left out.
    if (run.written < size && ::ftruncate(to, size) != 0)
        return errno;
    if (const int error = settleAll(run))
        return error;
    if (progress && !progress(size))
        return ECANCELED;
    return 0;
}

QByteArray hiddenName()
{
    return ".vantrel-copy-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

int createTemporary(int folder, mode_t mode, Temporary *file, bool hidden)
{
    file->name.clear();
    if (!hidden) {
        file->fd.reset(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
        if (file->fd.isOpen())
            return 0;
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return errno;
    }
    // No nameless files here: a hidden name that nobody else uses.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = hiddenName();
        file->fd.reset(::openat(folder, name.constData(),
                                O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, mode));
        if (file->fd.isOpen()) {
            file->name = name;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int nameTemporary(int folder, int fd, QByteArray *name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray hidden = hiddenName();
        if (::linkat(AT_FDCWD, procPath(fd).constData(), folder, hidden.constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            *name = hidden;
            return 0;
        }
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

int removeTree(int folder, const QByteArray &name)
{
    const FileResult result = FileActions::removeTreeAt(folder, name, PathCodec::decode(name));
    if (result.ok() || result.error == FileResult::Missing)
        return 0;
    return result.code ? result.code : EIO;
}

mode_t currentUmask()
{
    // Asking umask() changes it for every thread for a moment; the kernel
    // tells it in the process's status instead.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 022;
}

QByteArray procPath(int fd)
{
    char name[40];
    std::snprintf(name, sizeof name, "/proc/self/fd/%d", fd);
    return QByteArray(name);
}

} // namespace ContentCopy
