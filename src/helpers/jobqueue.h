// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "job.h"

#include <QAbstractListModel>
#include <QElapsedTimer>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <deque>
#include <memory>

class QJSEngine;
class QQmlEngine;

// The jobs of the whole program, as the jobs panel shows them: running ones
// with their progress and questions, finished ones with what they did. Each
// running job has a thread of its own (and one more while it counts), never
// the UI thread and never the pool of reads that a stalled mount can fill.
class JobQueue : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    // Jobs not over yet: running, asking or cancelling.
    Q_PROPERTY(int active READ activeCount NOTIFY activeChanged)
    // Jobs the jobs panel lists: every one, running or over, not shown apart.
    Q_PROPERTY(int panelCount READ panelCount NOTIFY panelCountChanged)
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        KindRole,
        StateRole,
        TitleRole,     // what it does
        CurrentRole,   // the entry it is at
        BytesDoneRole, // double, as QML numbers are
        BytesTotalRole,
        ItemsDoneRole,
        ItemsTotalRole,
        CountedRole,     // the totals are complete
        RateRole,        // bytes a second (entries a second for a job with no content to copy)
        SecondsLeftRole, // -1 while unknown
        QuestionRole,    // Job::Question::toMap(), empty while none
        OutcomeRole,     // what it did or why it stopped, once over
        DestinationRole, // the folder to show
        ApartRole,       // shown by a bar of its own, not by the jobs panel
        HandledRole,     // items handled in full, once over: 0 when nothing was done
        FlushingRole,    // waiting for the disk to hold the copies
    };
    Q_ENUM(Role)

    // Not default-constructible, so that the scene takes the program's
    // queue from create() rather than a queue of its own.
    explicit JobQueue(QObject *parent);
    ~JobQueue() override;

    // The program's queue, made on first use and owned by the application.
    static JobQueue *instance();
    static JobQueue *create(QQmlEngine *, QJSEngine *);

    // Starts a job at once on a thread of its own; its id. A replay is an
    // undo or a redo that the history hands over: its undoReady() says so.
    int start(std::unique_ptr<Job::Worker> worker, bool replay = false);

    // Copies or moves entries (paths) into a folder, merging folders and
    // asking about names that are taken.
    Q_INVOKABLE int copy(const QStringList &sources, const QString &folder);
    Q_INVOKABLE int move(const QStringList &sources, const QString &folder);
    // Entries dropped on a folder: Ctrl copies, Shift moves; without either
    // they move within one file system and are copied to another.
    Q_INVOKABLE int drop(const QStringList &sources, const QString &folder, int modifiers);

    Q_INVOKABLE void cancel(int id);
    Q_INVOKABLE void cancelAll();
    // Answers the question job id asks; forAll gives the same answer to the
    // questions of its kind still to come in this job.
    Q_INVOKABLE void answer(int id, int choice, bool forAll = false);
    // Takes a finished job off the list.
    Q_INVOKABLE void dismiss(int id);
    Q_INVOKABLE void dismissFinished();
    Q_INVOKABLE int rowOf(int id) const;
    Q_INVOKABLE QVariantMap get(int row) const;

    int activeCount() const { return m_active; }
    int panelCount() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();
    void activeChanged();
    void panelCountChanged();
    void questionAsked(int id);
    void finished(int id, Job::State state, const QString &outcome);
    // A finished job's steps, for an undo stack; only when it did something.
    void undoReady(const Job::Undo &undo);

private:
    struct Entry;
    void poll();
    void updateProgress(Entry &entry, qint64 now);
    void onQuestion(int id);
    void onFinished(int id);
    void changed(int row, const QList<int> &roles);
    void setActive(int active);

    std::deque<std::unique_ptr<Entry>> m_entries;
    int m_nextId = 1;
    int m_active = 0;
    QTimer m_poll;
};
