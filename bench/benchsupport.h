// SPDX-License-Identifier: GPL-3.0-or-later
// What the benchmarks share: folders to list, the lean floor a listing is
// judged against, CPU time, and the heartbeat that measures how long the UI
// thread was held.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace bench {

// Names as people have them: words, numbers, cases, a few kinds.
inline bool makeFolder(const QString &path, int entries)
{
    static const char *const patterns[] = {"IMG_%1.JPG",     "report %1.txt", "Song %1.mp3",
                                           "data-%1.tar.gz", "notes%1",       ".cache%1"};
    for (int i = 0; i < entries; ++i) {
        const QString name = QString::fromLatin1(patterns[i % 6]).arg(i * 7919 % entries);
        const QByteArray file = QFile::encodeName(path + QLatin1Char('/') + name);
        const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0)
            return false;
        if (i % 3 == 0 && ::ftruncate(fd, i) != 0) {
            ::close(fd);
            return false;
        }
        ::close(fd);
    }
    return true;
}

// The lean floor: one directory read, one access() per entry, the names as
// strings, a sort by name.
inline double floorMs(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    DIR *dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return -1;
    const int fd = ::dirfd(dir);
    std::vector<QString> names;
    int readable = 0;
    while (struct dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.' &&
            (entry->d_name[1] == 0 || (entry->d_name[1] == '.' && entry->d_name[2] == 0)))
            continue;
        readable += ::faccessat(fd, entry->d_name, R_OK | W_OK, 0) == 0;
        names.push_back(QString::fromUtf8(entry->d_name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return clock.nsecsElapsed() / 1e6 + (readable < 0 ? 1 : 0);
}

// CPU time of the whole process, every thread: what a listing costs however
// busy the machine is.
inline double cpuMs()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Longest gap between heartbeats, the time of the last action included.
class Heartbeat
{
public:
    Heartbeat()
    {
        m_timer.setInterval(10);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { beat(); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stop()
    {
        beat();
        m_timer.stop();
        return m_longest / 1e6;
    }

private:
    void beat()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// The event loop as the program runs it: asleep between events. A loop of
// processEvents() calls would spin a core and steal it from the worker.
inline void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop, asleep between events, until done() holds or
// timeoutMs passes: the time it took in milliseconds, or -1.
inline double waitUntil(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    QTimer tick; // wakes the loop to look again
    tick.start(5);
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace bench
