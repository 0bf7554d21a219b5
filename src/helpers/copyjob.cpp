#include "copyjob.h"

#include "filecopy.h"
#include "fileprobe.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>

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

    QPointer<CopyJob> guard(this);
    const QString folder = m_destinationFolder;
    FileProbe::ioPool()->start([state, path, folder, guard, hook = startHook()] {
        if (hook)
            hook();
        state->result = FileCopy::copy(path, folder, [&state](qint64 done, qint64 total) {
            state->done = done;
            state->total = total;
            return !state->cancel;
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
    if (m_state)
        m_state->cancel = true;
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
