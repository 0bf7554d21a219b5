#include "copyjob.h"

#include "filecopy.h"
#include "jobqueue.h"
#include "pathcodec.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <atomic>
#include <sys/stat.h>

struct CopyJob::Work
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic_bool cancel{false};
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
    case FileCopy::Error::Other:
        break;
    }
    return CopyJob::OtherReason;
}

QString wordsOf(CopyJob::Reason reason)
{
    static const char *const words[] = {"",         "exists",     "permission",   "diskFull",
                                        "vanished", "notRegular", "linkedFolder", "cancelled",
                                        "other"};
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
    case FileCopy::Error::NotRegularFile:
        return Job::Special;
    default:
        return Job::Other;
    }
}

// Copy to Documents as a job of the queue, so that the jobs panel shows it
// beside the others: the same copy as the contract's, with its own guard.
class DocumentsCopy : public Job::Worker
{
public:
    DocumentsCopy(std::shared_ptr<CopyJob::Work> work, const QString &source, const QString &folder)
        : m_work(std::move(work)), m_source(source), m_folder(folder)
    {
        // A job cancelled before it starts never runs.
        m_work->result.error = FileCopy::Error::Cancelled;
    }

    Job::Kind kind() const override { return Job::Copy; }
    int itemCount() const override { return 1; }
    QString destination() const override { return m_folder; }
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
    void count(Job::Control &control, int) const override
    {
        struct stat st;
        if (::stat(PathCodec::encode(m_source).constData(), &st) == 0 && S_ISREG(st.st_mode))
            control.addToTotal(st.st_size, 1);
    }
    void run(Job::Control &control, int) override;

private:
    std::shared_ptr<CopyJob::Work> m_work;
    QString m_source;
    QString m_folder;
};

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
    connect(JobQueue::instance(), &JobQueue::finished, this, [this](int id) {
        // A copy of the pointer: finish() lets go of m_state.
        if (const std::shared_ptr<Work> state = m_state; state && id == m_job)
            finish(state);
    });
}

CopyJob::~CopyJob()
{
    // A copy still running is stopped; it removes what it wrote itself.
    if (m_state)
        m_state->cancel = true;
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

void DocumentsCopy::run(Job::Control &control, int)
{
    const auto &hook = startHook();
    if (hook)
        hook();
    qint64 told = 0;
    m_work->result = FileCopy::copy(m_source, m_folder, [&](qint64 done, qint64 total) {
        m_work->done = done;
        m_work->total = total;
        control.addDone(done - told, 0);
        told = done;
        return !m_work->cancel && !control.isCancelled();
    });
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

bool CopyJob::start(const QString &path)
{
    if (m_state)
        return false;
    auto state = std::make_shared<Work>();
    m_state = state;
    m_source = path;
    m_done = m_total = 0;
    m_clock.start();
    m_poll.start();
    m_jobState = Running;
    m_reason = NoReason;
    Q_EMIT stateChanged();
    Q_EMIT runningChanged();
    Q_EMIT progressChanged();

    // Its own thread, as every job has: never the pool of reads that a
    // stalled mount can fill.
    JobQueue *queue = JobQueue::instance();
    m_job = queue->start(std::make_unique<DocumentsCopy>(state, path, m_destinationFolder));
    return true;
}

void CopyJob::cancel()
{
    if (m_state) {
        m_state->cancel = true;
        JobQueue::instance()->cancel(m_job);
    }
}

void CopyJob::poll()
{
    if (!m_state)
        return;
    m_done = m_state->done;
    m_total = m_state->total;
    Q_EMIT progressChanged();
}

void CopyJob::finish(const std::shared_ptr<Work> &state)
{
    if (state != m_state)
        return;
    poll();
    m_poll.stop();
    m_state.reset();
    const FileCopy::Result &result = state->result;
    m_reason = reasonOf(result.error);
    m_jobState = result.ok() ? Succeeded : Failed;
    Q_EMIT stateChanged();
    Q_EMIT runningChanged();
    Q_EMIT finished(result.ok(), wordsOf(m_reason), result.text, result.destination);
}
