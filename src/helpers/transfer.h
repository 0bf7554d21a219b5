// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "job.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>
#include <sys/stat.h>
#include <vector>

// Copies and moves entries into folders: the job behind paste, drag and
// drop and Copy to Documents. Folders merge into folders of the same name;
// links are copied as links and never followed; pipes, devices and sockets
// are skipped. A move within one file system is a rename that never
// replaces; across file systems it is a copy, and a source is removed only
// once its copy is complete and on disk, so that an interruption at any
// moment leaves every file whole where it was or whole where it went.
class Transfer : public Job::Worker
{
public:
    struct Item
    {
        QString source; // an absolute path
        QString folder; // where it goes
        QString name;   // its name there; empty for the source's own
    };
    enum class Conflicts {
        Ask,  // ask about a name that is taken
        Fail, // a taken name fails the item ("exists"), as Copy to Documents does
    };

    Transfer(Job::Kind kind, const QStringList &sources, const QString &folder);
    Transfer(Job::Kind kind, const QList<Item> &items);
    ~Transfer() override;

    void setConflicts(Conflicts conflicts) { m_conflicts = conflicts; }

    Job::Kind kind() const override { return m_kind; }
    int itemCount() const override { return int(m_items.size()); }
    QString destination() const override;
    QString title() const override;
    QString outcome(Job::State state, const Job::Summary &summary) const override;
    void count(Job::Control &control, int item) const override;
    void run(Job::Control &control, int item) override;
    void finish(Job::Control &control) override;

    // The name a copy takes beside an entry of the same name: "name (2).ext",
    // "name (3).ext"... the first not taken in the folder. Bytes, as names are.
    static QByteArray freeName(int folder, const QByteArray &name, bool isDir);

    // Tests: called before any name is made in a destination, with the name;
    // an errno to fail with, as a file system that refuses the name would.
    static void setNameCheckForTesting(std::function<int(const QByteArray &name)> check);

private:
    enum class Outcome { Done, Skipped, Cancelled, CrossDevice };
    struct Fd;
    struct Source;
    struct Target;
    struct Pending;

    Outcome transfer(Job::Control &control, const Source &source, Target &target);
    Outcome rename(Job::Control &control, const Source &source, Target &target);
    Outcome mergeByRename(Job::Control &control, const Source &source, const Target &target);
    Outcome copyTree(Job::Control &control, const Source &source, Target &target);
    Outcome copyFolder(Job::Control &control, const Source &source, Target &target);
    Outcome copyFile(Job::Control &control, const Source &source, Target &target);
    // A name taken at the destination: what the person wants done.
    Job::Choice conflict(Job::Control &control, const Source &source, const Target &target,
                         const struct stat &existing);
    // A failed step: Skip, Retry or Cancel.
    Job::Choice failure(Job::Control &control, int error, bool atSource, const QString &path,
                        const QString &destination);
    // Names the copies written so far, once they are on disk, then gives
    // the folders made their mode and time.
    void nameCopies(Job::Control &control);
    // Then removes the sources whose copies are complete, once the names
    // are on disk too.
    void flush(Job::Control &control);
    void syncLater(const std::shared_ptr<Fd> &folder, dev_t device);

    Job::Kind m_kind;
    QList<Item> m_items;
    Conflicts m_conflicts = Conflicts::Ask;
    // Folders this job made, by (device, inode): a source folder that is
    // one of them is the copy itself, met again through a mount.
    QSet<QPair<quint64, quint64>> m_made;
    // Device pairs where a rename is known to fail with EXDEV.
    QSet<QPair<quint64, quint64>> m_crossDevice;
    // Source folders the walk is in, by (device, inode).
    QSet<QPair<quint64, quint64>> m_ancestors;
    // Depth of folders made by this move around the entry at hand: what is
    // inside one goes back with it, so it needs no undo step of its own.
    int m_insideMade = 0;
    std::vector<Pending> m_pending;
    qint64 m_pendingBytes = 0;
    // A folder per file system written to, for syncfs.
    std::vector<std::pair<dev_t, std::shared_ptr<Fd>>> m_toSync;
    // Folders made, with the source's status: mode and time come last.
    std::vector<std::pair<std::shared_ptr<Fd>, struct stat>> m_folders;
};
