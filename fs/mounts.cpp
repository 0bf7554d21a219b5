// SPDX-License-Identifier: GPL-3.0-or-later
#include "mounts.h"

#include "descriptor.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDir>

#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace Mounts {

namespace {

// mountinfo writes space, tab, newline and backslash as octal escapes.
QByteArray unescaped(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size() && field.at(i + 1) >= '0' && field.at(i + 1) <= '3') {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

QByteArray readAll(int fd)
{
    QByteArray text;
    char buffer[16384];
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return text;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, got);
        else if (got == 0 || errno != EINTR)
            break;
    }
    return text;
}

// The table, kept with the file it came from: the kernel marks that file
// whenever a mount comes or goes, and reading it again clears the mark.
struct Cache
{
    std::mutex mutex;
    Descriptor file;
    bool read = false;
    QList<Mount> mounts;
};

Cache &cache()
{
    static Cache *c = new Cache; // outlives every worker that asks
    return *c;
}

} // namespace

QList<Mount> parse(const QByteArray &mountinfo)
{
    QList<Mount> mounts;
    for (const QByteArray &line : mountinfo.split('\n')) {
        // ID PARENT MAJOR:MINOR ROOT POINT OPTIONS [TAGS...] - TYPE SOURCE SUPER
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size())
            continue;
        Mount mount;
        const QList<QByteArray> numbers = fields.at(2).split(':');
        if (numbers.size() == 2)
            mount.device = makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt());
        mount.point = Paths::clean(PathCodec::decode(unescaped(fields.at(4))));
        mount.type = unescaped(fields.at(dash + 1));
        mount.source = unescaped(fields.at(dash + 2));
        mounts.append(mount);
    }
    return mounts;
}

QList<Mount> table()
{
    Cache &c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.file.isOpen())
        c.file.reset(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC));
    if (!c.file.isOpen())
        return c.mounts;
    pollfd changed = {c.file.get(), POLLPRI, 0};
    if (!c.read || (::poll(&changed, 1, 0) > 0 && (changed.revents & (POLLPRI | POLLERR)))) {
        c.mounts = parse(readAll(c.file.get()));
        c.read = true;
    }
    return c.mounts;
}

QString pointOf(const QString &path, const QList<Mount> &mounts)
{
    QString clean = Paths::clean(path);
    if (!clean.startsWith(QLatin1Char('/')))
        clean = Paths::clean(QDir::currentPath() + QLatin1Char('/') + clean);
    QString best = QStringLiteral("/");
    // The later of two mounts on one point covers the earlier.
    for (const Mount &mount : mounts) {
        const QString &point = mount.point;
        const bool inside =
            point == QLatin1String("/") ||
            (clean.startsWith(point) &&
             (clean.size() == point.size() || clean.at(point.size()) == QLatin1Char('/')));
        if (inside && point.size() >= best.size())
            best = point;
    }
    return best;
}

QString pointOf(const QString &path)
{
    return pointOf(path, table());
}

} // namespace Mounts
