// SPDX-License-Identifier: GPL-3.0-or-later
#include "filehistory.h"
#include "fileprobe.h"
#include "filesteps.h"
#include "jobqueue.h"
#include "transfer.h"

#include <QSet>

namespace {

// The stack's entry: the work is done before it moves, not by it.
class StepCommand : public QUndoCommand
{
public:
    explicit StepCommand(std::shared_ptr<FileStep> step) : m_step(std::move(step))
    {
        setText(m_step->text());
    }
    void undo() override {}
    void redo() override {}
    std::shared_ptr<FileStep> step() const { return m_step; }

private:
    std::shared_ptr<FileStep> m_step;
};

} // namespace

FileHistory::FileHistory(QObject *parent) : QObject(parent)
{
    connect(&m_stack, &QUndoStack::indexChanged, this, &FileHistory::changed);
    follow(JobQueue::instance());
}

void FileHistory::follow(JobQueue *queue)
{
    for (const QMetaObject::Connection &connection : std::as_const(m_following))
        disconnect(connection);
    m_following.clear();
    m_queue = queue;
    if (!queue)
        return;
    m_following << connect(queue, &JobQueue::undoReady, this, [this](const Job::Undo &undo) {
        // Replayed steps are steps of the history already.
        if (undo.replay) {
            if (undo.job == m_job)
                m_jobMade += undo.steps;
            return;
        }
        // What lies inside a folder goes with it. Looked up by each
        // folder above, not against every other entry: a tree holds many.
        QSet<QString> all;
        for (const Job::UndoStep &step : undo.steps)
            all.insert(step.from);
        QStringList from, to;
        for (const Job::UndoStep &step : undo.steps) {
            bool inside = false;
            for (qsizetype at = step.from.lastIndexOf(QLatin1Char('/')); at > 0 && !inside;
                 at = step.from.lastIndexOf(QLatin1Char('/'), at - 1))
                inside = all.contains(step.from.left(at));
            // Removing a copy that replaced an entry would leave neither.
            if (inside || (undo.kind == Job::Copy && step.replaced))
                continue;
            from.append(step.from);
            to.append(step.to);
        }
        recordTransfers(undo.kind == Job::Move, from, to);
    });
    m_following << connect(queue, &JobQueue::finished, this,
                           [this](int id, Job::State, const QString &outcome) {
                               if (id != m_job || !m_jobOver)
                                   return;
                               // What it made comes just after.
                               QMetaObject::invokeMethod(
                                   this,
                                   [this, outcome, then = std::exchange(m_jobOver, {})] {
                                       m_job = 0;
                                       then(outcome);
                                   },
                                   Qt::QueuedConnection);
                           });
}

FileHistory::~FileHistory() = default;

bool FileHistory::canUndo() const
{
    return !m_busy && m_stack.canUndo();
}

bool FileHistory::canRedo() const
{
    return !m_busy && m_stack.canRedo();
}

QString FileHistory::undoText() const
{
    return m_stack.canUndo() ? tr("Undo %1").arg(m_stack.undoText()) : tr("Undo");
}

QString FileHistory::redoText() const
{
    return m_stack.canRedo() ? tr("Redo %1").arg(m_stack.redoText()) : tr("Redo");
}

void FileHistory::record(std::shared_ptr<FileStep> step)
{
    if (!step)
        return;
    if (m_busy) {
        m_waiting.append(std::move(step));
        return;
    }
    m_stack.push(new StepCommand(std::move(step)));
}

void FileHistory::recordMoves(const QStringList &from, const QStringList &to)
{
    recordTransfers(true, from, to);
}

void FileHistory::recordCopies(const QStringList &from, const QStringList &to)
{
    recordTransfers(false, from, to);
}

void FileHistory::recordTransfers(bool move, const QStringList &from, const QStringList &to)
{
    if (from.isEmpty() || from.size() != to.size())
        return;
    FileStep::Pairs pairs;
    for (qsizetype i = 0; i < from.size(); ++i)
        pairs.append({from[i], to[i]});
    FileProbe::runOffThread<std::shared_ptr<FileStep>>(
        this, [pairs, move] { return move ? FileStep::move(pairs) : FileStep::copy(pairs); },
        [this](const std::shared_ptr<FileStep> &step) { record(step); });
}

void FileHistory::undo()
{
    run(true);
}

void FileHistory::redo()
{
    run(false);
}

void FileHistory::clear()
{
    if (m_busy)
        return;
    m_stack.clear();
    Q_EMIT changed();
}

void FileHistory::run(bool undoing)
{
    if (m_busy || !(undoing ? m_stack.canUndo() : m_stack.canRedo()))
        return;
    const int index = undoing ? m_stack.index() - 1 : m_stack.index();
    const auto *command = static_cast<const StepCommand *>(m_stack.command(index));
    const std::shared_ptr<FileStep> step = command->step();
    const QString text = command->text();
    m_busy = true;
    Q_EMIT changed();
    FileProbe::runOffThread<FileResult>(
        this, [step, undoing] { return undoing ? step->undo() : step->redo(); },
        [this, step, undoing, text](const FileResult &result) {
            if (result.ok() && !step->handover().pairs.isEmpty())
                handOver(undoing, text, step);
            else
                over(undoing, result.ok(), text, result.message(), step);
        });
}

void FileHistory::handOver(bool undoing, const QString &text, const std::shared_ptr<FileStep> &step)
{
    const auto settle = [this, step, undoing, text](const QList<Job::UndoStep> &made,
                                                    const QString &why) {
        FileProbe::runOffThread<bool>(
            this, [step, made] { return step->settle(made); },
            [this, step, undoing, text, why](bool done) { over(undoing, done, text, why, step); });
    };
    const FileStep::Handover &handover = step->handover();
    if (!m_queue) {
        settle(
            {},
            FileResult::failure(FileResult::CrossDevice, handover.pairs.first().first).message());
        return;
    }
    QList<Transfer::Item> items;
    for (const auto &[from, to] : handover.pairs)
        items.append({from, FileActions::folderOf(to), FileActions::nameOf(to)});
    m_jobMade.clear();
    m_jobOver = [this, settle](const QString &outcome) {
        settle(std::exchange(m_jobMade, {}), outcome);
    };
    m_job = m_queue->start(std::make_unique<Transfer>(handover.move ? Job::Move : Job::Copy, items),
                           true);
}

void FileHistory::over(bool undoing, bool ok, const QString &text, const QString &why,
                       const std::shared_ptr<FileStep> &step)
{
    m_busy = false;
    if (ok) {
        if (undoing)
            m_stack.undo();
        else
            m_stack.redo();
    } else if (step->text() != text) {
        // Part of it was done: the step names what is left.
        for (int i = 0; i < m_stack.count(); ++i) {
            const auto *command = static_cast<const StepCommand *>(m_stack.command(i));
            if (command->step() == step)
                const_cast<StepCommand *>(command)->setText(step->text());
        }
    }
    for (std::shared_ptr<FileStep> &waiting : m_waiting)
        m_stack.push(new StepCommand(std::move(waiting)));
    m_waiting.clear();
    Q_EMIT changed();
    const QString message =
        ok ? QString()
           : (undoing ? tr("Could not undo %1: %2") : tr("Could not redo %1: %2")).arg(text, why);
    Q_EMIT finished(undoing, ok, message, step->touched());
}
