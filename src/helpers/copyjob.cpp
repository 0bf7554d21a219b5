// SPDX-License-Identifier: GPL-3.0-or-later
#include "copyjob.h"

#include "filecopy.h"
#include "iolanes.h"
#include "jobqueue.h"
#include "pathcodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/stat.h>

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
    // Set with the result, for the row of the jobs queue that waits on it.
    std::mutex mutex;
    std::condition_variable ended;
    bool over = false;
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

Job::Reason jobReasonOf(FileCopy::Error error)
{
    switch (error) {
    case FileCopy::Error::Exists:
        return Job::Exists;
    case FileCopy::Error::PermissionDenied:
        return Job::NoPermission;
    case FileCopy::Error::DiskFull:
        return Job::DiskFull;
    case FileCopy::Error::SourceVanished:
        return Job::SourceGone;
    case FileCopy::Error::SourceChanged:
        return Job::SourceChanged;
    case FileCopy::Error::NotRegularFile:
        return Job::Special;
    default:
        return Job::Other;
    }
}

// Copy to Documents as a row of the jobs queue, so that leaving asks while
// it runs and stopping every job stops it too; its own bar shows it. The
// copy runs on the workers of its source's mount; this row follows it, and
// a cancel of the row is handed to the CopyJob, which answers at once.
class DocumentsCopy : public Job::Worker
{
public:
    DocumentsCopy(std::shared_ptr<CopyJob::Work> work, QPointer<CopyJob> job, const QString &source,
                  const QString &folder)
        : m_work(std::move(work)), m_job(std::move(job)), m_source(source), m_folder(folder)
    {
    }

    Job::Kind kind() const override { return Job::Copy; }
    int itemCount() const override { return 1; }
    QString destination() const override { return m_folder; }
    // The copy bar shows its progress, the mount it waits for and its result.
    bool shownApart() const override { return true; }
    QString title() const override
    {
        return QCoreApplication::translate("Transfer", "Copying “%1” to Documents")
            .arg(QFileInfo(m_source).fileName());
    }
    QString outcome(Job::State state, const Job::Summary &summary) const override
    {
        if (state == Job::Done)
            return QCoreApplication::translate("Transfer", "Copied to Documents.");
        if (state == Job::Cancelled)
            return QCoreApplication::translate("Transfer",
                                               "Cancelled; nothing was left half done.");
        return QCoreApplication::translate("Transfer", "Could not copy: %1")
            .arg(Job::describe(summary.lastReason, summary.lastText));
    }
    void count(Job::Control &, int) const override
    {
        // The copy learns the size as it opens the source: no second look
        // at a mount that may not answer.
    }
    void run(Job::Control &control, int) override;

private:
    std::shared_ptr<CopyJob::Work> m_work;
    QPointer<CopyJob> m_job;
    QString m_source;
    QString m_folder;
};

void DocumentsCopy::run(Job::Control &control, int)
{
    qint64 told = 0;
    bool totalTold = false;
    bool handedOn = false;
    std::unique_lock lock(m_work->mutex);
    for (;;) {
        const bool over = m_work->over;
        const qint64 total = m_work->total;
        if (!totalTold && total >= 0) {
            control.addToTotal(total, 1);
            totalTold = true;
        }
        const qint64 done = m_work->done;
        control.addDone(done - told, 0);
        told = done;
        if (over || m_work->phase == CopyJob::Work::Cancelled)
            break;
        if (control.isCancelled() && !handedOn) {
            handedOn = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [job = m_job] {
                    if (job)
                        job->cancel();
                },
                Qt::QueuedConnection);
        }
        // Quick enough for the panel's progress; a cancel needs no wake-up.
        m_work->ended.wait_for(lock, std::chrono::milliseconds(100));
    }
    if (!m_work->over)
        return;
    const FileCopy::Result &result = m_work->result;
    if (result.ok()) {
        control.addDone(0, 1);
        control.itemDone();
        struct stat st;
        Job::UndoStep step;
        step.from = m_source;
        step.to = result.destination;
        if (::stat(PathCodec::encode(result.destination).constData(), &st) == 0) {
            step.size = st.st_size;
            step.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
            step.device = st.st_dev;
            step.inode = st.st_ino;
        }
        control.record(step);
    } else if (result.error != FileCopy::Error::Cancelled) {
        control.refused(jobReasonOf(result.error), result.text);
    }
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
        // Its row in the queue sees this and ends too.
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
        {
            std::lock_guard lock(state->mutex);
            state->over = true;
        }
        state->ended.notify_all();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [state, guard] {
                if (guard)
                    guard->finish(state);
            },
            Qt::QueuedConnection);
    });
    m_job = JobQueue::instance()->start(
        std::make_unique<DocumentsCopy>(state, guard, path, m_destinationFolder));
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
    JobQueue::instance()->cancel(m_job);
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
