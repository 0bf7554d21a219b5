// SPDX-License-Identifier: GPL-3.0-or-later
#include "decodebudget.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

struct State
{
    QMutex mutex;
    QWaitCondition changed;
    std::deque<quint64> queue; // tickets of the waiting decodes, oldest first
    quint64 nextTicket = 0;
    DecodeBudget::Stats stats;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

qint64 DecodeBudget::total()
{
    static const qint64 bytes = [] {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        const qint64 quarter = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize / 4 : 0;
        return qBound(128 * MiB, quarter, 512 * MiB);
    }();
    return bytes;
}

DecodeBudget::Grant &DecodeBudget::Grant::operator=(Grant &&other) noexcept
{
    if (this != &other) {
        release();
        m_bytes = other.m_bytes;
        other.m_bytes = 0;
    }
    return *this;
}

void DecodeBudget::Grant::release()
{
    if (m_bytes == 0)
        return;
    State &s = state();
    QMutexLocker lock(&s.mutex);
    s.stats.inUse -= m_bytes;
    m_bytes = 0;
    s.changed.wakeAll();
}

DecodeBudget::Grant DecodeBudget::acquire(qint64 bytes, const std::atomic_bool *cancel,
                                          Result *result)
{
    bytes = qMax<qint64>(bytes, 1);
    if (bytes > total()) {
        count(Counted::Refused);
        *result = TooLarge;
        return Grant();
    }
    State &s = state();
    QMutexLocker lock(&s.mutex);
    const quint64 ticket = s.nextTicket++;
    s.queue.push_back(ticket);
    for (;;) {
        if (cancel && cancel->load()) {
            s.queue.erase(std::find(s.queue.begin(), s.queue.end(), ticket));
            ++s.stats.cancelled;
            // The next in line may fit where this one did not.
            s.changed.wakeAll();
            *result = Cancelled;
            return Grant();
        }
        if (s.queue.front() == ticket && s.stats.inUse + bytes <= total())
            break;
        // Cancelling sets a flag and wakes nobody: look again now and then.
        s.changed.wait(&s.mutex, 50);
    }
    s.queue.pop_front();
    s.stats.inUse += bytes;
    s.stats.peak = qMax(s.stats.peak, s.stats.inUse);
    s.changed.wakeAll();
    *result = Granted;
    return Grant(bytes);
}

DecodeBudget::Stats DecodeBudget::stats()
{
    State &s = state();
    QMutexLocker lock(&s.mutex);
    return s.stats;
}

void DecodeBudget::count(Counted what)
{
    State &s = state();
    const bool onUi = QCoreApplication::instance() &&
                      QThread::currentThread() == QCoreApplication::instance()->thread();
    QMutexLocker lock(&s.mutex);
    switch (what) {
    case Counted::Decode:
    case Counted::Frame:
        ++(what == Counted::Decode ? s.stats.decodes : s.stats.frames);
        s.stats.onUiThread += onUi ? 1 : 0;
        break;
    case Counted::Cancelled:
        ++s.stats.cancelled;
        break;
    case Counted::Refused:
        ++s.stats.refused;
        break;
    }
}

void DecodeBudget::setUp()
{
    QImageReader::setAllocationLimit(int(total() / MiB));
}

namespace {

// Every program that decodes (the application, the tests, the benchmarks)
// makes its application object first, on the thread that decodes nothing.
void setUpBudget()
{
    DecodeBudget::setUp();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(setUpBudget)
