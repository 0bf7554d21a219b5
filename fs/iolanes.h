// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <time.h>

class QThreadPool;

// Workers for file-system work that may stall. A share that stopped
// answering keeps whatever asks it waiting in the kernel, and nothing calls
// that thread back; so each mount has workers of its own, at most PerMount
// at a time, and work stuck on one mount never takes the workers that others
// need. Work for a mount whose workers are all busy waits its turn. A path
// that leads through a link onto another mount is handed to that mount's
// workers before its work runs. Work that shows no sign of life for a while
// is said to be waiting for its mount, for the scene to show.
namespace IoLanes {

constexpr int PerMount = 6;
// Work with neither CPU time nor alive() for this long waits on its mount.
constexpr int StallAfterMs = 1000;

class Ticket;

// Runs work on a worker for the mount holding path. Work that names no path
// ("") has workers of its own, as many as a mount.
std::shared_ptr<Ticket> start(const QString &path, std::function<void()> work);

// Said by long work between its pieces (a copy): it is getting on.
void alive();

// The mount points that work is waiting for, each once, shortest first.
QStringList waitingMounts();
// The mount that work on path waits for, or "".
QString waitingFor(const QString &path);

// Tasks queued or running.
int pending();

// Called on a worker whenever a task begins, so that a watcher of
// waitingMounts() knows to look (a watcher that looks only while work is
// pending wakes nobody when nothing runs).
void setObserver(std::function<void()> begun);

// The threads behind every lane. Never destroyed: a thread stuck in the
// kernel must not hold up the program's exit. waitForDone() is for tests.
QThreadPool *pool();

// What the caller keeps of a task: where it is, and a way to give it up.
class Ticket
{
public:
    enum State { Queued, Running, Done };

    State state() const;
    // The mount point whose workers run it, "" for work without a path.
    QString mount() const;
    // Running and waiting on its mount, or queued behind work that is.
    bool isWaiting() const;
    // Not wanted any more: if it has not begun, it never will.
    void drop();

private:
    friend struct Lanes;
    friend std::shared_ptr<Ticket> start(const QString &, std::function<void()>);
    friend void alive();
    friend QString waitingFor(const QString &);
    QString m_path;
    QString m_lane;
    State m_state = Queued;
    bool m_dropped = false;
    bool m_resolved = false; // links on its path were followed to their mount
    std::function<void()> m_work;
    qint64 m_lastWord = 0; // when it last showed life, in ms of a monotonic clock
    bool m_haveClock = false;
    clockid_t m_clock = 0; // its worker's CPU clock while it runs
    qint64 m_lastCpu = 0;
};

} // namespace IoLanes
