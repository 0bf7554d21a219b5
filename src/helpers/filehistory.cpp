// SPDX-License-Identifier: GPL-3.0-or-later
#include "filehistory.h"
#include "fileprobe.h"
#include "filesteps.h"
#include "jobqueue.h"

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
    disconnect(m_following);
    m_following = connect(queue, &JobQueue::undoReady, this, [this](const Job::Undo &undo) {
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
            m_busy = false;
            if (result.ok()) {
                if (undoing)
                    m_stack.undo();
                else
                    m_stack.redo();
            }
            for (std::shared_ptr<FileStep> &waiting : m_waiting)
                m_stack.push(new StepCommand(std::move(waiting)));
            m_waiting.clear();
            Q_EMIT changed();
            const QString message =
                result.ok() ? QString()
                            : (undoing ? tr("Could not undo %1: %2") : tr("Could not redo %1: %2"))
                                  .arg(text, result.message());
            Q_EMIT finished(undoing, result.ok(), message, step->touched());
        });
}
