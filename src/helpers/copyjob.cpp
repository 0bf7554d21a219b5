// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyjob.h"

#include "filecopy.h"
#include "iolanes.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>

struct CopyJob::Work
{
    // Copying until either the person cancels or the copy takes its name,
    // whichever comes first: a cancel that wins ends the job at once, and
    // the copy never appears.
    enum Phase { Copying, Cancelled, Naming };

    std::atomic<qint64> done{0};
    std::atomic<qint64> total{-1};
    std::atomic_bool cancel{false};
    std::atomic<int> phase{Copying};
    FileCopy::Result result; // written by the worker before it reports
};

namespace {

CopyJob::Reason reasonOf(FileCopy::Error error)
{
    switch (error) {
    case FileCopy::Error::None:
        return CopyJob::NoReason;
    case FileCopy::Error::Exists:
        return CopyJob::NameTaken;
    case FileCopy::Error::PermissionDenied:
        return CopyJob::NoPermission;
    case FileCopy::Error::DiskFull:
        return CopyJob::DiskFull;
    case FileCopy::Error::SourceVanished:
        return CopyJob::SourceVanished;
    case FileCopy::Error::NotRegularFile:
        return CopyJob::NotRegular;
    case FileCopy::Error::LinkedFolder:
        return CopyJob::LinkedFolder;
    case FileCopy::Error::Cancelled:
        return CopyJob::Cancelled;
    case FileCopy::Error::SourceChanged:
        return CopyJob::SourceChanged;
    case FileCopy::Error::Other:
        break;
    }
    return CopyJob::OtherReason;
}

QString wordsOf(CopyJob::Reason reason)
{
    static const char *const words[] = {"",         "exists",     "permission",   "diskFull",
                                        "vanished", "notRegular", "linkedFolder", "cancelled",
                                        "other",    "changed"};
    return QString::fromLatin1(words[reason]);
}

std::function<void()> &startHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

void CopyJob::setStartHookForTesting(std::function<void()> hook)
{
    startHook() = std::move(hook);
}

CopyJob::CopyJob(QObject *parent)
    : QObject(parent), m_destinationFolder(FileCopy::documentsFolder())
{
    // Progress is read, not pushed: the worker never waits for the UI.
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &CopyJob::poll);
}

CopyJob::~CopyJob()
{
    // A copy still running is stopped; it removes what it wrote itself.
    if (m_state) {
        m_state->cancel = true;
        int copying = Work::Copying;
        m_state->phase.compare_exchange_strong(copying, Work::Cancelled);
    }
    if (m_ticket)
        m_ticket->drop();
}

void CopyJob::setDestinationFolder(const QString &folder)
{
    if (folder == m_destinationFolder)
        return;
    m_destinationFolder = folder;
    Q_EMIT destinationFolderChanged();
}

double CopyJob::rate() const
{
    const qint64 elapsed = m_clock.isValid() ? m_clock.elapsed() : 0;
    return elapsed > 0 ? double(m_done) * 1000.0 / double(elapsed) : 0.0;
}

bool CopyJob::start(const QString &path)
{
    if (m_state)
        return false;
    auto state = std::make_shared<Work>();
    m_state = state;
    m_source = path;
    m_done = m_total = 0;
    m_totalKnown = false;
    m_clock.start();
    m_poll.start();
    m_jobState = Running;
    m_reason = NoReason;
    Q_EMIT stateChanged();
    Q_EMIT runningChanged();
    Q_EMIT progressChanged();

    QPointer<CopyJob> guard(this);
    const QString folder = m_destinationFolder;
    m_destination = (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) +
                    path.split(QLatin1Char('/')).last();
    // On the workers of the source's mount: a copy stuck there holds none
    // of the workers that other mounts need.
    m_ticket = IoLanes::start(path, [state, path, folder, guard, hook = startHook()] {
        if (hook)
            hook();
        state->result = FileCopy::copy(
            path, folder,
            [&state](qint64 done, qint64 total) {
                IoLanes::alive();
                state->done = done;
                state->total = total;
                return !state->cancel;
            },
            [&state] {
                int copying = Work::Copying;
                return state->phase.compare_exchange_strong(copying, Work::Naming);
            });
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [state, guard] {
                if (guard)
                    guard->finish(state);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void CopyJob::cancel()
{
    if (!m_state)
        return;
    m_state->cancel = true;
    int copying = Work::Copying;
    // Taking its name this very moment: the answer is a moment away.
    if (!m_state->phase.compare_exchange_strong(copying, Work::Cancelled))
        return;
    poll();
    m_state.reset();
    m_ticket->drop(); // not begun: never begins
    end(false, Cancelled, QString(), m_destination);
}

void CopyJob::poll()
{
    if (!m_state)
        return;
    const qint64 total = m_state->total;
    m_done = m_state->done;
    m_total = qMax<qint64>(total, 0);
    m_totalKnown = total >= 0;
    Q_EMIT progressChanged();
    const QString waiting = m_ticket && m_ticket->isWaiting() ? m_ticket->mount() : QString();
    if (waiting != m_waitingFor) {
        m_waitingFor = waiting;
        Q_EMIT waitingForChanged();
    }
}

void CopyJob::finish(const std::shared_ptr<Work> &state)
{
    if (state != m_state)
        return;
    poll();
    m_state.reset();
    const FileCopy::Result &result = state->result;
    end(result.ok(), reasonOf(result.error), result.text, result.destination);
}

void CopyJob::end(bool ok, Reason reason, const QString &text, const QString &destination)
{
    m_poll.stop();
    m_ticket.reset();
    if (!m_waitingFor.isEmpty()) {
        m_waitingFor.clear();
        Q_EMIT waitingForChanged();
    }
    m_reason = reason;
    m_jobState = ok ? Succeeded : Failed;
    Q_EMIT stateChanged();
    Q_EMIT runningChanged();
    Q_EMIT finished(ok, wordsOf(m_reason), text, destination);
}
