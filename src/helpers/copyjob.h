// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>

namespace IoLanes {
class Ticket;
}

// Copy to Documents as a job off the UI thread: progress, rate, Cancel, and
// a reason when it fails. Shares its copy with Vantrel::copy. Cancel ends
// the job at once, also when its worker is stuck on a mount that stopped
// answering: the worker removes what it made whenever it comes back, and
// the next copy may start meanwhile. Each copy is also a row of the jobs
// queue, which the jobs panel leaves to the copy's own bar.
class CopyJob : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(QString source READ source NOTIFY runningChanged)
    Q_PROPERTY(double done READ done NOTIFY progressChanged)
    Q_PROPERTY(double total READ total NOTIFY progressChanged)
    // False until the source is open and its size known.
    Q_PROPERTY(bool totalKnown READ isTotalKnown NOTIFY progressChanged)
    // The mount point the copy is waiting for ("/mnt/net"), or "".
    Q_PROPERTY(QString waitingFor READ waitingFor NOTIFY waitingForChanged)
    Q_PROPERTY(double rate READ rate NOTIFY progressChanged)
    Q_PROPERTY(QString destinationFolder READ destinationFolder WRITE setDestinationFolder NOTIFY
                   destinationFolderChanged)
    // The typed side of finished(): where the job is, and why the last
    // copy failed.
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(Reason reason READ reason NOTIFY stateChanged)
public:
    enum State { Idle, Running, Succeeded, Failed };
    Q_ENUM(State)
    // finished()'s reason words, typed: "" NoReason, "exists" NameTaken,
    // "permission" NoPermission, "diskFull" DiskFull, "vanished"
    // SourceVanished, "notRegular" NotRegular, "linkedFolder" LinkedFolder,
    // "cancelled" Cancelled, "other" OtherReason, "changed" SourceChanged (the
    // file was written to while it was copied).
    enum Reason {
        NoReason,
        NameTaken,
        NoPermission,
        DiskFull,
        SourceVanished,
        NotRegular,
        LinkedFolder,
        Cancelled,
        OtherReason,
        SourceChanged
    };
    Q_ENUM(Reason)

    explicit CopyJob(QObject *parent = nullptr);
    ~CopyJob() override;

    bool isRunning() const { return bool(m_state); }
    QString source() const { return m_source; }
    double done() const { return double(m_done); }
    double total() const { return double(m_total); }
    bool isTotalKnown() const { return m_totalKnown; }
    QString waitingFor() const { return m_waitingFor; }
    // Bytes a second over the copy so far.
    double rate() const;
    QString destinationFolder() const { return m_destinationFolder; }
    void setDestinationFolder(const QString &folder);
    State state() const { return m_jobState; }
    Reason reason() const { return m_reason; }

    // False when a copy is running already.
    Q_INVOKABLE bool start(const QString &path);
    Q_INVOKABLE void cancel();

    // Tests hold a copy at its start with this; called on the copy's thread.
    static void setStartHookForTesting(std::function<void()> hook);

Q_SIGNALS:
    void runningChanged();
    void progressChanged();
    void destinationFolderChanged();
    void stateChanged();
    void waitingForChanged();
    // reason is "", "exists", "permission", "diskFull", "vanished",
    // "notRegular", "linkedFolder", "cancelled", "other" or "changed"; text
    // holds the system's words where there are any.
    void finished(bool ok, const QString &reason, const QString &text, const QString &destination);

public:
    // What the copy's thread shares with the job.
    struct Work;

private:
    void poll();
    void finish(const std::shared_ptr<Work> &state);
    void end(bool ok, Reason reason, const QString &text, const QString &destination);

    std::shared_ptr<Work> m_state;
    std::shared_ptr<IoLanes::Ticket> m_ticket;
    int m_job = 0; // its id in the queue
    bool m_totalKnown = false;
    QString m_waitingFor;
    QString m_source;
    QString m_destinationFolder;
    QString m_destination; // of the copy under way
    State m_jobState = Idle;
    Reason m_reason = NoReason;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QElapsedTimer m_clock;
    QTimer m_poll;
};
