// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>

// The pieces of a background job that the queue, the scene and the workers
// share. A job is a list of items and a Worker that handles one item at a
// time on the job's own thread; the Control it is handed carries progress,
// questions to the person, cancel and the record that undoes the job.
namespace Job {
Q_NAMESPACE
QML_ELEMENT

// What a job does; a new kind of job adds its name here.
enum Kind {
    Copy,
    Move,
};
Q_ENUM_NS(Kind)

enum State {
    Running,    // working, or counting what there is to do
    Asking,     // waiting for the person's answer to a question
    Cancelling, // Cancel pressed; finishing what must not be left half done
    Done,       // every item handled (some may have been skipped)
    Cancelled,  // stopped by the person
    Failed,     // nothing could be done, or it stopped on an error
};
Q_ENUM_NS(State)

// Answers to a question.
enum Choice {
    Replace,  // the new entry takes the name; the old one stays until then
    KeepBoth, // the new entry takes a free name: "name (2).ext"
    Skip,
    Retry,
    Cancel,
};
Q_ENUM_NS(Choice)

// Why an item was not done.
enum Reason {
    NoReason,
    Exists,          // the name is taken and the job may not replace
    NoPermission,    // reading the source or writing the destination
    DiskFull,        // no space or quota left, or the file is too large there
    NameRefused,     // the destination's file system takes no such name
    SourceGone,      // the entry went away
    SourceChanged,   // the entry changed while it was moved; it stays where it was
    Special,         // a pipe, device or socket: never copied
    IntoItself,      // a folder into itself or a folder below it
    OntoItself,      // an entry onto itself
    LinkLoop,        // a folder that holds itself through a mount or link
    DestinationGone, // the folder to put things in is not there
    Other,           // see the system's words
};
Q_ENUM_NS(Reason)

// The reason for an errno met while reading the source or writing the destination.
Reason reasonOf(int error, bool atSource);
// The reason in a person's words; text, the system's words, for Other.
QString describe(Reason reason, const QString &text = QString());

// A question a worker asks and waits for.
struct Question
{
    enum Type { Conflict, Failure };
    Type type = Failure;
    QString source;      // the entry being handled
    QString destination; // where it was going
    // Conflict: both entries, so the person can tell which to keep.
    qint64 sourceSize = -1;
    qint64 destinationSize = -1;
    qint64 sourceModified = 0; // milliseconds since the epoch
    qint64 destinationModified = 0;
    bool sourceIsDir = false;
    bool destinationIsDir = false;
    bool canReplace = true; // false where one is a folder and the other not
    // Failure: why.
    Reason reason = NoReason;
    QString text; // the system's words, untranslated

    // Keys as the scene reads them: type ("conflict" | "failure"), the
    // fields above by name, reason as the Reason value and reasonText in
    // words, choices (a list of
    // Choice values, the default first).
    QVariantMap toMap() const;
};

// One thing a finished job did, for undoing it: an entry made at `to`
// (copied there, or moved there from `from`). The identity tells whether it
// is still the entry the job made.
struct UndoStep
{
    QString from;
    QString to;
    bool isDir = false;
    bool replaced = false; // an entry of that name was replaced and is gone
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;
};

struct Undo
{
    int job = 0;
    Kind kind = Copy;
    QString destination;
    // In the order they were done: a folder before what was put into it.
    QList<UndoStep> steps;
    // An undo or a redo replayed by a job: a step of no history of its own.
    bool replay = false;
};

// What a finished job did, for its result line.
struct Summary
{
    int items = 0;   // items of the job handled in full
    int skipped = 0; // entries left where they were, by choice or failure
    int refused = 0; // items refused before anything was done
    Reason lastReason = NoReason;
    QString lastText;
};

struct Shared;

// A worker's line to its job, used on the job's threads only.
class Control
{
public:
    explicit Control(Shared &shared) : m_shared(shared) {}

    bool isCancelled() const;
    // The flag behind isCancelled(), for code that polls an atomic.
    const std::atomic_bool *cancelFlag() const;
    // From count(): what there is to do. Items are entries, bytes the
    // content to copy.
    void addToTotal(qint64 bytes, qint64 items);
    void addDone(qint64 bytes, qint64 items);
    void setCurrent(const QString &path);
    // Waiting for the disk to hold what was written: no bytes move meanwhile,
    // and the person is told why.
    void setFlushing(bool flushing);
    // Asks the person and waits. Remembers an answer given "for all" (per
    // kind of question, and per reason for failures) and gives it again
    // without asking; Cancel once the job is cancelled.
    Choice ask(const Question &question);
    // An entry left where it was, and why.
    void skipped(Reason reason, const QString &text = QString());
    void refused(Reason reason, const QString &text = QString());
    void itemDone();
    void record(const UndoStep &step);

private:
    Shared &m_shared;
};

// One kind of job. Made on the UI thread, then used on the job's threads.
class Worker
{
public:
    virtual ~Worker() = default;
    virtual Kind kind() const = 0;
    virtual int itemCount() const = 0;
    // The folder the person may want to see when it is done.
    virtual QString destination() const { return QString(); }
    // Shown by a bar of its own (Copy to Documents), not by the jobs panel.
    virtual bool shownApart() const { return false; }
    // What it does, for the jobs panel ("Copying 3 entries to Music").
    virtual QString title() const = 0;
    // What it did or why it stopped, for the panel once it is over.
    virtual QString outcome(State state, const Summary &summary) const = 0;
    // On a thread of its own, beside run(): adds this item's totals. Reads
    // only, since it runs at the same time as the work.
    virtual void count(Control &control, int item) const = 0;
    virtual void run(Control &control, int item) = 0;
    // After the last item, and after a cancel: completes what must not be
    // left half done.
    virtual void finish(Control &) {}
};

} // namespace Job

Q_DECLARE_METATYPE(Job::Undo)
