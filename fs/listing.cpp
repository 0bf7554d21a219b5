// SPDX-License-Identifier: GPL-3.0-or-later
#include "listing.h"

#include "pathcodec.h"
#include "paths.h"

#include <QDir>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace Listing {

namespace {

// The kernel's record, as getdents64 fills it (glibc offers no declaration).
struct LinuxDirent64
{
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

qint64 millisecondsOf(const struct stat &status)
{
    return qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
}

void takeStatus(Entry &entry, const struct stat &status)
{
    entry.mode = status.st_mode;
    entry.isDir = S_ISDIR(status.st_mode);
    entry.size = status.st_size;
    entry.modified = millisecondsOf(status);
}

// Where a link points, absolute and cleaned, as QFileInfo::symLinkTarget
// gives it for a link in an absolute folder.
QString targetOf(int folder, const char *name, const QString &absoluteFolder)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlinkat(folder, name, buffer, sizeof buffer);
    if (length <= 0)
        return QString();
    QString target = PathCodec::decode(buffer, length);
    if (!target.startsWith(QLatin1Char('/')))
        target = absoluteFolder + QLatin1Char('/') + target;
    return Paths::clean(target);
}

} // namespace

void describe(int folder, const char *name, unsigned char type, Detail detail,
              const QString &absoluteFolder, Entry &entry)
{
    struct stat status;
    bool haveStatus = false;
    if (type == DT_UNKNOWN) {
        if (::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            type = static_cast<unsigned char>(IFTODT(status.st_mode));
            haveStatus = !S_ISLNK(status.st_mode);
        }
    }
    if (type == DT_LNK) {
        entry.isLink = true;
        entry.linkTarget = targetOf(folder, name, absoluteFolder);
        haveStatus = ::fstatat(folder, name, &status, 0) == 0;
        entry.isBrokenLink = !haveStatus;
        if (!haveStatus && detail == Detail::Full)
            haveStatus = ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0;
    } else if (detail == Detail::Full && !haveStatus) {
        haveStatus = ::fstatat(folder, name, &status, 0) == 0;
    }
    if (haveStatus) {
        takeStatus(entry, status);
        if (entry.isBrokenLink)
            entry.isDir = false;
        if (detail == Detail::Names && !entry.isLink) {
            entry.size = -1;
            entry.modified = 0;
        }
    } else if (type != DT_UNKNOWN && type != DT_LNK) {
        entry.mode = DTTOIF(type);
        entry.isDir = type == DT_DIR;
    }

    // One call where both hold, which is most of the time.
    if (::faccessat(folder, name, R_OK | W_OK, 0) == 0) {
        entry.isReadable = entry.isWritable = true;
    } else {
        entry.isReadable = ::faccessat(folder, name, R_OK, 0) == 0;
        entry.isWritable = !entry.isReadable && ::faccessat(folder, name, W_OK, 0) == 0;
    }
}

bool scan(int fd, char *buffer, size_t bufferSize, const Visitor &visit,
          const std::atomic_bool *cancel)
{
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return false;
        const long got = ::syscall(SYS_getdents64, fd, buffer, bufferSize);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        for (long offset = 0; offset < got;) {
            const auto *record = reinterpret_cast<const LinuxDirent64 *>(buffer + offset);
            offset += record->d_reclen;
            const char *name = record->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            visit(name, std::strlen(name), record->d_type);
        }
    }
}

bool read(const QString &folder, Detail detail, QList<Entry> *entries,
          const std::atomic_bool *cancel)
{
    entries->clear();
    // A zero would end the name early and list some other folder.
    if (folder.isEmpty() || folder.contains(QChar(0)))
        return false;
    const int fd =
        ::open(PathCodec::encode(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

    // The names first, in one pass over the directory: their bytes packed
    // one after another, each ended by its zero.
    struct Raw
    {
        qsizetype offset;
        unsigned char type;
    };
    std::vector<Raw> raws;
    std::vector<char> bytes;
    constexpr size_t BufferSize = 256 * 1024;
    std::unique_ptr<char[]> buffer(new char[BufferSize]);
    bool ok = scan(
        fd, buffer.get(), BufferSize,
        [&](const char *name, size_t length, unsigned char type) {
            raws.push_back({qsizetype(bytes.size()), type});
            bytes.insert(bytes.end(), name, name + length + 1);
        },
        cancel);
    buffer.reset();

    // Then a stat and an access check per entry: nearly all of the time, and
    // independent per entry, so a big folder shares it with a second thread.
    if (ok) {
        const QString absoluteFolder = QDir(folder).absolutePath();
        const qsizetype count = qsizetype(raws.size());
        entries->resize(count);
        Entry *out = entries->data();
        auto work = [&](qsizetype from, qsizetype to) {
            for (qsizetype i = from; i < to; ++i) {
                if ((i & 255) == 0 && cancelled())
                    return;
                const char *name = bytes.data() + raws[i].offset;
                Entry &entry = out[i];
                entry.name = PathCodec::decode(name, qsizetype(std::strlen(name)));
                describe(fd, name, raws[i].type, detail, absoluteFolder, entry);
            }
        };
        constexpr qsizetype WorthASecondThread = 2048;
        const qsizetype half = count / 2;
        std::thread second;
        if (count >= WorthASecondThread) {
            try {
                second = std::thread(work, half, count);
            } catch (const std::system_error &) {
                // Not enough threads left: this one does it all.
            }
        }
        work(0, second.joinable() ? half : count);
        if (second.joinable())
            second.join();
        ok = !cancelled();
    }
    ::close(fd);
    if (!ok)
        entries->clear();
    return ok;
}

} // namespace Listing
