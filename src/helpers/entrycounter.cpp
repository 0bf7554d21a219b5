// SPDX-License-Identifier: GPL-3.0-or-later
#include "entrycounter.h"

#include "fileprobe.h"
#include "treewalk.h"

#include <QMutex>

struct EntryCounter::State
{
    QMutex lock;
    TreeWalk::Totals totals; // under lock
    int unreadable = 0;      // under lock
    bool stop = false;       // under lock
};

EntryCounter::EntryCounter(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &EntryCounter::poll);
}

EntryCounter::~EntryCounter()
{
    cancel();
}

void EntryCounter::count(const QStringList &paths)
{
    cancel();
    auto state = std::make_shared<State>();
    m_state = state;
    m_entries = int(paths.size());
    m_files = m_folders = m_bytes = m_diskBytes = 0;
    m_unreadable = 0;
    m_poll.start();
    Q_EMIT runningChanged();
    Q_EMIT countedChanged();

    FileProbe::runOffThread<bool>(
        this,
        [state, paths] {
            State &shared = *state;
            // Told through the lock, not an atomic: GCC 12 misreads an
            // atomic reached from inside a std::function.
            const auto report = [&shared](const TreeWalk::Totals &totals) {
                QMutexLocker locker(&shared.lock);
                shared.totals = totals;
                return !shared.stop;
            };
            TreeWalk::Counter counter;
            for (const QString &path : paths) {
                const int error = counter.add(path, report);
                QMutexLocker locker(&shared.lock);
                shared.totals = counter.totals();
                if (error && error != ECANCELED)
                    ++shared.unreadable;
                if (shared.stop)
                    return false;
            }
            return true;
        },
        [this, state](bool) {
            if (state != m_state)
                return;
            poll();
            m_state.reset();
            m_poll.stop();
            Q_EMIT runningChanged();
        });
}

void EntryCounter::cancel()
{
    if (!m_state)
        return;
    {
        QMutexLocker locker(&m_state->lock);
        m_state->stop = true;
    }
    m_state.reset();
    m_poll.stop();
    Q_EMIT runningChanged();
}

void EntryCounter::poll()
{
    if (!m_state)
        return;
    QMutexLocker locker(&m_state->lock);
    const TreeWalk::Totals totals = m_state->totals;
    const int unreadable = m_state->unreadable;
    locker.unlock();
    if (totals.files == m_files && totals.folders == m_folders && totals.bytes == m_bytes &&
        unreadable == m_unreadable)
        return;
    m_files = totals.files;
    m_folders = totals.folders;
    m_bytes = totals.bytes;
    m_diskBytes = totals.diskBytes;
    m_unreadable = unreadable;
    Q_EMIT countedChanged();
}
