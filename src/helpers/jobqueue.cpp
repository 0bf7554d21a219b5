// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobqueue.h"

#include "jobshared_p.h"
#include "transfer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJSEngine>
#include <QPointer>

#include <algorithm>
#include <thread>

namespace {

// How long the rate looks back: long enough to be steady, short enough to
// follow a change of disk.
constexpr qint64 RateWindowMs = 3000;

QPointer<JobQueue> &theInstance()
{
    static QPointer<JobQueue> queue;
    return queue;
}

// Runs work on the queue's thread once the event loop gets to it; nothing
// happens once the queue is gone.
void post(const QPointer<JobQueue> &queue, std::function<void(JobQueue *)> work)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [queue, work = std::move(work)] {
            if (queue)
                work(queue.data());
        },
        Qt::QueuedConnection);
}

} // namespace

struct JobQueue::Entry
{
    int id = 0;
    Job::Kind kind = Job::Copy;
    Job::State state = Job::Running;
    QString title;
    QString destination;
    QString current;
    bool flushing = false;
    QString outcome;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    qint64 itemsDone = 0;
    qint64 itemsTotal = 0;
    bool counted = false;
    bool apart = false;
    bool replay = false;
    double rate = 0;
    qint64 secondsLeft = -1;
    int handled = 0;
    QVariantMap question;
    QElapsedTimer clock;
    std::deque<std::pair<qint64, qint64>> samples; // (ms, amount done)
    std::shared_ptr<Job::Shared> shared;

    bool isActive() const
    {
        return state == Job::Running || state == Job::Asking || state == Job::Cancelling;
    }
};

JobQueue::JobQueue(QObject *parent) : QAbstractListModel(parent)
{
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &JobQueue::poll);
}

JobQueue::~JobQueue()
{
    // Workers see the cancel at their next step; each leaves nothing half done.
    cancelAll();
}

JobQueue *JobQueue::instance()
{
    QPointer<JobQueue> &queue = theInstance();
    if (!queue)
        queue = new JobQueue(QCoreApplication::instance());
    return queue;
}

JobQueue *JobQueue::create(QQmlEngine *, QJSEngine *)
{
    JobQueue *queue = instance();
    // The application owns it, not the engine.
    QJSEngine::setObjectOwnership(queue, QJSEngine::CppOwnership);
    return queue;
}

int JobQueue::start(std::unique_ptr<Job::Worker> worker, bool replay)
{
    auto entry = std::make_unique<Entry>();
    entry->id = m_nextId++;
    entry->replay = replay;
    entry->kind = worker->kind();
    entry->title = worker->title();
    entry->destination = worker->destination();
    entry->apart = worker->shownApart();
    entry->clock.start();
    auto shared = std::make_shared<Job::Shared>();
    shared->worker = std::move(worker);
    entry->shared = shared;

    const int id = entry->id;
    const QPointer<JobQueue> self(this);
    shared->questionPosted = [self, id] {
        post(self, [id](JobQueue *queue) { queue->onQuestion(id); });
    };

    const bool inPanel = !entry->apart;
    beginInsertRows(QModelIndex(), int(m_entries.size()), int(m_entries.size()));
    m_entries.push_back(std::move(entry));
    endInsertRows();
    Q_EMIT countChanged();
    if (inPanel)
        Q_EMIT panelCountChanged();
    setActive(m_active + 1);

    std::thread([shared, self, id] {
        Job::Control control(*shared);
        Job::Worker &worker = *shared->worker;
        const int items = worker.itemCount();
        // Totals come in while the work goes on, so that the work never
        // waits for a count of a slow or huge tree.
        std::thread counting([shared, items] {
            Job::Control counter(*shared);
            for (int i = 0; i < items && !counter.isCancelled(); ++i)
                shared->worker->count(counter, i);
            if (!counter.isCancelled())
                shared->counted = true;
        });
        for (int i = 0; i < items && !control.isCancelled(); ++i)
            worker.run(control, i);
        worker.finish(control);
        // A job done has its totals; a cancelled one does not wait for them.
        if (control.isCancelled())
            counting.detach();
        else
            counting.join();
        shared->over = true;
        post(self, [id](JobQueue *queue) { queue->onFinished(id); });
    }).detach();
    return id;
}

int JobQueue::copy(const QStringList &sources, const QString &folder)
{
    return start(std::make_unique<Transfer>(Job::Copy, sources, folder));
}

int JobQueue::move(const QStringList &sources, const QString &folder)
{
    return start(std::make_unique<Transfer>(Job::Move, sources, folder));
}

int JobQueue::drop(const QStringList &sources, const QString &folder, int modifiers)
{
    if (sources.isEmpty())
        return 0;
    if (modifiers & Qt::ControlModifier)
        return copy(sources, folder);
    auto transfer = std::make_unique<Transfer>(Job::Move, sources, folder);
    // Which file system each lies on is learnt on the job's thread.
    transfer->setCopyAcross(!(modifiers & Qt::ShiftModifier));
    return start(std::move(transfer));
}

void JobQueue::cancel(int id)
{
    const int row = rowOf(id);
    if (row < 0 || !m_entries[row]->isActive())
        return;
    Entry &entry = *m_entries[row];
    entry.shared->cancel = true;
    {
        // A worker between its look at the flag and its wait gets the wake-up.
        std::lock_guard lock(entry.shared->mutex);
    }
    entry.shared->answered.notify_all();
    entry.state = Job::Cancelling;
    entry.question.clear();
    changed(row, {StateRole, QuestionRole});
}

void JobQueue::cancelAll()
{
    for (const auto &entry : m_entries)
        cancel(entry->id);
}

void JobQueue::answer(int id, int choice, bool forAll)
{
    const int row = rowOf(id);
    if (row < 0 || m_entries[row]->state != Job::Asking)
        return;
    Entry &entry = *m_entries[row];
    if (!entry.question.value(QStringLiteral("choices")).toList().contains(choice))
        return;
    {
        std::lock_guard lock(entry.shared->mutex);
        if (!entry.shared->question)
            return;
        entry.shared->answer = Job::Choice(choice);
        entry.shared->answerForAll = forAll;
    }
    entry.shared->answered.notify_all();
    entry.state = choice == Job::Cancel ? Job::Cancelling : Job::Running;
    entry.question.clear();
    changed(row, {StateRole, QuestionRole});
}

void JobQueue::dismiss(int id)
{
    const int row = rowOf(id);
    if (row < 0 || m_entries[row]->isActive())
        return;
    const bool inPanel = !m_entries[row]->apart;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.erase(m_entries.begin() + row);
    endRemoveRows();
    Q_EMIT countChanged();
    if (inPanel)
        Q_EMIT panelCountChanged();
}

void JobQueue::dismissFinished()
{
    for (int row = int(m_entries.size()) - 1; row >= 0; --row) {
        if (!m_entries[row]->isActive())
            dismiss(m_entries[row]->id);
    }
}

int JobQueue::panelCount() const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(),
                             [](const auto &entry) { return !entry->apart; }));
}

int JobQueue::rowOf(int id) const
{
    for (size_t row = 0; row < m_entries.size(); ++row) {
        if (m_entries[row]->id == id)
            return int(row);
    }
    return -1;
}

QVariantMap JobQueue::get(int row) const
{
    QVariantMap map;
    if (row < 0 || row >= rowCount())
        return map;
    const QHash<int, QByteArray> names = roleNames();
    for (auto it = names.begin(); it != names.end(); ++it)
        map.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return map;
}

int JobQueue::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant JobQueue::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Entry &entry = *m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return entry.title;
    case IdRole:
        return entry.id;
    case KindRole:
        return int(entry.kind);
    case StateRole:
        return int(entry.state);
    case CurrentRole:
        return entry.current;
    case FlushingRole:
        return entry.flushing;
    case BytesDoneRole:
        return double(entry.bytesDone);
    case BytesTotalRole:
        return double(entry.bytesTotal);
    case ItemsDoneRole:
        return double(entry.itemsDone);
    case ItemsTotalRole:
        return double(entry.itemsTotal);
    case CountedRole:
        return entry.counted;
    case RateRole:
        return entry.rate;
    case SecondsLeftRole:
        return double(entry.secondsLeft);
    case QuestionRole:
        return entry.question;
    case OutcomeRole:
        return entry.outcome;
    case DestinationRole:
        return entry.destination;
    case ApartRole:
        return entry.apart;
    case HandledRole:
        return entry.handled;
    }
    return QVariant();
}

QHash<int, QByteArray> JobQueue::roleNames() const
{
    return {
        {IdRole, "jobId"},
        {KindRole, "kind"},
        {StateRole, "state"},
        {TitleRole, "title"},
        {CurrentRole, "current"},
        {BytesDoneRole, "bytesDone"},
        {BytesTotalRole, "bytesTotal"},
        {ItemsDoneRole, "itemsDone"},
        {ItemsTotalRole, "itemsTotal"},
        {CountedRole, "counted"},
        {RateRole, "rate"},
        {SecondsLeftRole, "secondsLeft"},
        {QuestionRole, "question"},
        {OutcomeRole, "outcome"},
        {DestinationRole, "destination"},
        {ApartRole, "apart"},
        {HandledRole, "handled"},
        {FlushingRole, "flushing"},
    };
}

void JobQueue::poll()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (size_t row = 0; row < m_entries.size(); ++row) {
        Entry &entry = *m_entries[row];
        if (entry.isActive())
            updateProgress(entry, now);
    }
    if (m_active == 0)
        m_poll.stop();
}

void JobQueue::updateProgress(Entry &entry, qint64 now)
{
    const Job::Shared &shared = *entry.shared;
    const qint64 bytesDone = shared.bytesDone, bytesTotal = shared.bytesTotal;
    const qint64 itemsDone = shared.itemsDone, itemsTotal = shared.itemsTotal;
    const bool counted = shared.counted;
    const bool flushing = shared.flushing;
    QString current;
    {
        std::lock_guard lock(entry.shared->mutex);
        current = shared.current;
    }

    // A job with content to copy goes at the pace of its bytes, a rename at
    // the pace of its entries.
    const bool byBytes = qMax(bytesTotal, bytesDone) > 0;
    const qint64 done = byBytes ? bytesDone : itemsDone;
    const qint64 total = byBytes ? bytesTotal : itemsTotal;
    entry.samples.emplace_back(now, done);
    while (entry.samples.size() > 2 && now - entry.samples[1].first >= RateWindowMs)
        entry.samples.pop_front();
    const qint64 span = now - entry.samples.front().first;
    const double rate = span > 0 ? double(done - entry.samples.front().second) * 1000.0 / span : 0;
    // Nothing to say about the time left until there is a steady figure.
    const qint64 secondsLeft = counted && rate > 0 && entry.clock.elapsed() >= 1000
                                   ? qint64(double(qMax<qint64>(0, total - done)) / rate + 0.5)
                                   : -1;

    QList<int> roles;
    const auto update = [&roles](auto &field, const auto &value, int role) {
        if (field != value) {
            field = value;
            roles << role;
        }
    };
    update(entry.bytesDone, bytesDone, BytesDoneRole);
    update(entry.bytesTotal, bytesTotal, BytesTotalRole);
    update(entry.itemsDone, itemsDone, ItemsDoneRole);
    update(entry.itemsTotal, itemsTotal, ItemsTotalRole);
    update(entry.counted, counted, CountedRole);
    update(entry.rate, rate, RateRole);
    update(entry.secondsLeft, secondsLeft, SecondsLeftRole);
    update(entry.current, current, CurrentRole);
    update(entry.flushing, flushing, FlushingRole);
    if (!roles.isEmpty())
        changed(rowOf(entry.id), roles);
}

void JobQueue::onQuestion(int id)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    Entry &entry = *m_entries[row];
    std::optional<Job::Question> question;
    {
        std::lock_guard lock(entry.shared->mutex);
        question = entry.shared->question;
    }
    if (!question || entry.state != Job::Running)
        return;
    entry.question = question->toMap();
    entry.state = Job::Asking;
    updateProgress(entry, QDateTime::currentMSecsSinceEpoch());
    changed(row, {StateRole, QuestionRole});
    Q_EMIT questionAsked(id);
}

void JobQueue::onFinished(int id)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    Entry &entry = *m_entries[row];
    updateProgress(entry, QDateTime::currentMSecsSinceEpoch());
    const Job::Shared &shared = *entry.shared;
    const Job::Summary &summary = shared.summary;
    if (shared.cancel)
        entry.state = Job::Cancelled;
    else if (summary.items == 0 && summary.refused > 0)
        entry.state = Job::Failed;
    else
        entry.state = Job::Done;
    entry.outcome = shared.worker->outcome(entry.state, summary);
    entry.handled = summary.items;
    entry.question.clear();
    entry.secondsLeft = -1;
    changed(row, {StateRole, QuestionRole, OutcomeRole, SecondsLeftRole, HandledRole});
    setActive(m_active - 1);
    Q_EMIT finished(id, entry.state, entry.outcome);
    if (!shared.undo.steps.isEmpty()) {
        Job::Undo undo = shared.undo;
        undo.job = id;
        undo.kind = entry.kind;
        undo.destination = entry.destination;
        undo.replay = entry.replay;
        Q_EMIT undoReady(undo);
    }
}

void JobQueue::changed(int row, const QList<int> &roles)
{
    const QModelIndex at = index(row);
    Q_EMIT dataChanged(at, at, roles);
}

void JobQueue::setActive(int active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (m_active > 0 && !m_poll.isActive())
        m_poll.start();
    Q_EMIT activeChanged();
}
