// SPDX-License-Identifier: GPL-3.0-or-later
#include "iolanes.h"

#include "mounts.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <deque>
#include <map>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace IoLanes {

namespace {

// Links followed before a path is taken as a loop, as the kernel does.
constexpr int MaxLinks = 40;

qint64 now()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

QString absolute(const QString &path)
{
    const QString clean = Paths::clean(path);
    return clean.startsWith(QLatin1Char('/'))
               ? clean
               : Paths::clean(QDir::currentPath() + QLatin1Char('/') + clean);
}

QString joined(const QString &folder, const QString &name)
{
    return folder == QLatin1String("/") ? folder + name : folder + QLatin1Char('/') + name;
}

// The mount that path really lands on, seen from lane: its folders are
// looked at one by one, links followed, until it leaves lane's mount (that
// mount's workers look further) or ends. Only names on lane's mount and the
// mounts above it are looked at, so a dead mount elsewhere holds nobody here.
QString landsOn(const QString &path, const QString &lane)
{
    const QList<Mounts::Mount> mounts = Mounts::table();
    QString done = QStringLiteral("/");
    QStringList parts = absolute(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    int links = 0;
    while (!parts.isEmpty()) {
        const QString rest = parts.join(QLatin1Char('/'));
        const QString point = Mounts::pointOf(joined(done, rest), mounts);
        if (point != lane)
            return point;
        const QString name = parts.takeFirst();
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            done = Paths::clean(Paths::parentOf(done));
            continue;
        }
        const QString next = joined(done, name);
        const QByteArray encoded = PathCodec::encode(next);
        struct stat status;
        if (::lstat(encoded.constData(), &status) != 0)
            return lane; // the work itself says why
        if (!S_ISLNK(status.st_mode)) {
            done = next;
            continue;
        }
        if (++links > MaxLinks)
            return lane;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length =
            ::readlink(encoded.constData(), target.data(), size_t(target.size()));
        if (length <= 0)
            return lane;
        target.truncate(length);
        const QString to = PathCodec::decode(target);
        if (to.startsWith(QLatin1Char('/')))
            done = QStringLiteral("/");
        parts = to.split(QLatin1Char('/'), Qt::SkipEmptyParts) + parts;
    }
    return lane;
}

struct Lane
{
    int running = 0;
    std::deque<std::shared_ptr<Ticket>> queue;
    std::vector<Ticket *> active;
};

thread_local Ticket *current = nullptr;

} // namespace

struct Lanes
{
    std::mutex mutex;
    std::map<QString, Lane> lanes;
    std::function<void()> observer;
    int pending = 0;
    QThreadPool *threads = nullptr;

    static Lanes &instance()
    {
        static Lanes *lanes = [] {
            auto *created = new Lanes;
            created->threads = new QThreadPool;
            // The lanes bound the work; the pool only keeps threads for reuse.
            created->threads->setMaxThreadCount(1024);
            return created;
        }();
        return *lanes;
    }

    // Whether t has gone StallAfterMs without life; mutex held.
    static bool stalled(Ticket &t, qint64 at)
    {
        if (t.m_state != Ticket::Running)
            return false;
        struct timespec spent;
        if (t.m_haveClock && ::clock_gettime(t.m_clock, &spent) == 0) {
            const qint64 cpu = qint64(spent.tv_sec) * 1000000000 + spent.tv_nsec;
            if (cpu != t.m_lastCpu) {
                t.m_lastCpu = cpu;
                t.m_lastWord = at;
            }
        }
        return at - t.m_lastWord > StallAfterMs;
    }

    bool laneWaits(Lane &lane, qint64 at)
    {
        return std::any_of(lane.active.begin(), lane.active.end(),
                           [at](Ticket *t) { return stalled(*t, at); });
    }

    // Starts what lane has room for; mutex held. Work given up is handed
    // back in *dropped to be released once the mutex is free (releasing it
    // may finish a future).
    void dispatch(const QString &name, std::vector<std::function<void()>> *dropped)
    {
        Lane &lane = lanes[name];
        const int cap = PerMount;
        while (lane.running < cap && !lane.queue.empty()) {
            std::shared_ptr<Ticket> ticket = lane.queue.front();
            lane.queue.pop_front();
            if (ticket->m_dropped) {
                ticket->m_state = Ticket::Done;
                dropped->push_back(std::move(ticket->m_work));
                --pending;
                continue;
            }
            ++lane.running;
            ticket->m_state = Ticket::Running;
            ticket->m_lastWord = now();
            lane.active.push_back(ticket.get());
            threads->start([this, ticket] { run(ticket); });
        }
    }

    void leave(Ticket *ticket)
    {
        Lane &lane = lanes[ticket->m_lane];
        --lane.running;
        lane.active.erase(std::remove(lane.active.begin(), lane.active.end(), ticket),
                          lane.active.end());
    }

    void run(const std::shared_ptr<Ticket> &ticket)
    {
        std::function<void()> begun;
        {
            std::lock_guard<std::mutex> lock(mutex);
            ticket->m_haveClock = ::pthread_getcpuclockid(::pthread_self(), &ticket->m_clock) == 0;
            ticket->m_lastCpu = 0;
            begun = observer;
        }
        if (begun)
            begun();
        std::vector<std::function<void()>> dropped;
        if (!ticket->m_resolved && !ticket->m_path.isEmpty()) {
            const QString target = landsOn(ticket->m_path, ticket->m_lane);
            std::lock_guard<std::mutex> lock(mutex);
            ticket->m_resolved = true;
            if (target != ticket->m_lane) {
                const QString from = ticket->m_lane;
                leave(ticket.get());
                ticket->m_haveClock = false;
                ticket->m_state = Ticket::Queued;
                ticket->m_lane = target;
                lanes[target].queue.push_back(ticket);
                dispatch(from, &dropped);
                dispatch(target, &dropped);
                return;
            }
        }
        current = ticket.get();
        ticket->m_work();
        current = nullptr;
        std::function<void()> work;
        {
            std::lock_guard<std::mutex> lock(mutex);
            leave(ticket.get());
            ticket->m_haveClock = false;
            ticket->m_state = Ticket::Done;
            work = std::move(ticket->m_work);
            --pending;
            dispatch(ticket->m_lane, &dropped);
        }
    }
};

std::shared_ptr<Ticket> start(const QString &path, std::function<void()> work)
{
    Lanes &lanes = Lanes::instance();
    auto ticket = std::make_shared<Ticket>();
    ticket->m_path = path;
    ticket->m_work = std::move(work);
    ticket->m_lane = path.isEmpty() ? QString() : Mounts::pointOf(absolute(path));
    std::vector<std::function<void()>> dropped;
    std::lock_guard<std::mutex> lock(lanes.mutex);
    ++lanes.pending;
    lanes.lanes[ticket->m_lane].queue.push_back(ticket);
    lanes.dispatch(ticket->m_lane, &dropped);
    return ticket;
}

void alive()
{
    if (!current)
        return;
    Lanes &lanes = Lanes::instance();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    current->m_lastWord = now();
}

QStringList waitingMounts()
{
    Lanes &lanes = Lanes::instance();
    QStringList found;
    const qint64 at = now();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    for (auto &[name, lane] : lanes.lanes) {
        if (!name.isEmpty() && lanes.laneWaits(lane, at))
            found.append(name);
    }
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return found;
}

QString waitingFor(const QString &path)
{
    if (path.isEmpty())
        return QString();
    Lanes &lanes = Lanes::instance();
    const QString where = absolute(path);
    const qint64 at = now();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    // Work on this very path went wherever its links led.
    for (auto &[name, lane] : lanes.lanes) {
        const auto isPath = [&](const Ticket *t) { return absolute(t->m_path) == where; };
        const bool here = std::any_of(lane.active.begin(), lane.active.end(), isPath) ||
                          std::any_of(lane.queue.begin(), lane.queue.end(),
                                      [&](const auto &t) { return isPath(t.get()); });
        if (here && !name.isEmpty() && lanes.laneWaits(lane, at))
            return name;
    }
    const QString point = Mounts::pointOf(where);
    const auto lane = lanes.lanes.find(point);
    return lane != lanes.lanes.end() && lanes.laneWaits(lane->second, at) ? point : QString();
}

int pending()
{
    Lanes &lanes = Lanes::instance();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    return lanes.pending;
}

void setObserver(std::function<void()> begun)
{
    Lanes &lanes = Lanes::instance();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    lanes.observer = std::move(begun);
}

QThreadPool *pool()
{
    return Lanes::instance().threads;
}

Ticket::State Ticket::state() const
{
    std::lock_guard<std::mutex> lock(Lanes::instance().mutex);
    return m_state;
}

QString Ticket::mount() const
{
    std::lock_guard<std::mutex> lock(Lanes::instance().mutex);
    return m_lane;
}

bool Ticket::isWaiting() const
{
    Lanes &lanes = Lanes::instance();
    const qint64 at = now();
    std::lock_guard<std::mutex> lock(lanes.mutex);
    auto *self = const_cast<Ticket *>(this);
    if (m_state == Running)
        return Lanes::stalled(*self, at);
    if (m_state == Queued)
        return lanes.laneWaits(lanes.lanes[m_lane], at);
    return false;
}

void Ticket::drop()
{
    Lanes &lanes = Lanes::instance();
    std::function<void()> work;
    std::lock_guard<std::mutex> lock(lanes.mutex);
    m_dropped = true;
    if (m_state != Queued)
        return;
    // Out of its queue at once: behind a stalled mount it might wait for good.
    auto &queue = lanes.lanes[m_lane].queue;
    const auto found = std::find_if(queue.begin(), queue.end(),
                                    [this](const auto &queued) { return queued.get() == this; });
    if (found == queue.end())
        return;
    queue.erase(found); // the caller's pointer keeps this alive
    m_state = Done;
    work = std::move(m_work);
    --lanes.pending;
}

} // namespace IoLanes
