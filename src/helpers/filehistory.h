// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include "job.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>

class FileStep;
class JobQueue;

// Undo and redo of the person's own steps in this run, in the order they
// were made. The stack keeps the order and the texts; the disk work of an
// undo or a redo runs off the UI thread, and the stack moves only once it
// has succeeded, so a step that can no longer apply changes nothing and
// stays where it was.
class FileHistory : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY changed)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY changed)
    Q_PROPERTY(QString undoText READ undoText NOTIFY changed)
    Q_PROPERTY(QString redoText READ redoText NOTIFY changed)
    Q_PROPERTY(bool busy READ isBusy NOTIFY changed)
public:
    explicit FileHistory(QObject *parent = nullptr);
    ~FileHistory() override;

    bool canUndo() const;
    bool canRedo() const;
    // "Undo rename “a.txt” → “b.txt”", or "Undo" when there is nothing.
    QString undoText() const;
    QString redoText() const;
    bool isBusy() const { return m_busy; }

    // Moves and copies that queue finishes become steps too: the entries the
    // person chose, each with what it held. Made to follow the program's queue.
    // An undo or a redo that must move or copy to another volume runs there
    // as a job of its own, with the questions of a paste.
    void follow(JobQueue *queue);

    // A step already made, to be undone later. Recorded once an undo or a
    // redo under way is over.
    void record(std::shared_ptr<FileStep> step);
    const QUndoStack &stack() const { return m_stack; }
    // Moves or copies a job made, each from[i] now at to[i]. The step is
    // read off the UI thread (a copy's content is fingerprinted, to tell
    // later whether it changed) and recorded once read.
    Q_INVOKABLE void recordMoves(const QStringList &from, const QStringList &to);
    Q_INVOKABLE void recordCopies(const QStringList &from, const QStringList &to);

    Q_INVOKABLE void undo();
    Q_INVOKABLE void redo();
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void changed();
    // After an undo or a redo: ok, or why not in message; paths are the
    // entries to show selected.
    void finished(bool undone, bool ok, const QString &message, const QStringList &paths);

private:
    void run(bool undoing);
    // Runs what a step left to the job engine, then lets the step settle.
    void handOver(bool undoing, const QString &text, const std::shared_ptr<FileStep> &step);
    void over(bool undoing, bool ok, const QString &text, const QString &why,
              const std::shared_ptr<FileStep> &step);
    void recordTransfers(bool move, const QStringList &from, const QStringList &to);

    QUndoStack m_stack;
    QList<std::shared_ptr<FileStep>> m_waiting;
    bool m_busy = false;
    QPointer<JobQueue> m_queue;
    QList<QMetaObject::Connection> m_following;
    // The job an undo or a redo handed over, and what it has made so far.
    int m_job = 0;
    QList<Job::UndoStep> m_jobMade;
    std::function<void(const QString &outcome)> m_jobOver;
};
