// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "job.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>

#include <atomic>
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

    Transfer(Job::Kind kind, const QStringList &sources, const QString &folder);
    Transfer(Job::Kind kind, const QList<Item> &items);
    ~Transfer() override;

    // A move that copies, and keeps the source, where a rename cannot reach:
    // what a drop does without a key held.
    void setCopyAcross(bool copyAcross) { m_copyAcross = copyAcross; }

    Job::Kind kind() const override { return m_kind; }
    int itemCount() const override { return int(m_items.size()); }
    QString destination() const override;
    QString title() const override;
    QString outcome(Job::State state, const Job::Summary &summary) const override;
    void count(Job::Control &control, int item) const override;
    void run(Job::Control &control, int item) override;
    void finish(Job::Control &control) override;

    // The first free "name (2).ext", "name (3).ext"... in an open folder.
    static QByteArray freeName(int folder, const QByteArray &name, bool isDir);

    // Tests: called before any entry takes a name in a destination, with the
    // name; an errno to fail with, as a file system that refuses the name would.
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
    Outcome copy(Job::Control &control, const Source &source, const Target &target);
    // A name taken at the destination: what the person wants done.
    Job::Choice conflict(Job::Control &control, const QString &source, const QString &destination);
    // A failed step: Skip, Retry or Cancel.
    Job::Choice failure(Job::Control &control, int error, const QString &path,
                        const QString &destination);
    // Puts the copies made so far on disk, then removes the sources of those
    // still as they were copied.
    void flush(Job::Control &control);
    void syncLater(dev_t device, const QString &folder);

    Job::Kind m_kind;
    bool m_copyAcross = false;
    std::atomic_int m_copiedAcross{0}; // items copied rather than moved
    QList<Item> m_items;
    // Device pairs where a rename is known to fail with EXDEV.
    QSet<QPair<quint64, quint64>> m_crossDevice;
    std::vector<Pending> m_pending;
    qint64 m_pendingBytes = 0;
    // The devices of the folders count() last looked at; count()'s own.
    mutable QString m_countedFolder, m_countedParent;
    mutable dev_t m_countedDevice = 0, m_countedParentDevice = 0;
    // The folders of the last item, open, and what lies above the target.
    std::shared_ptr<Fd> m_parent, m_folder;
    QByteArray m_parentPath;
    QString m_folderPath;
    struct stat m_parentSt = {}, m_folderSt = {};
    std::vector<std::pair<dev_t, ino_t>> m_ancestors;
    // A folder per file system written to, for syncfs.
    std::vector<std::pair<dev_t, QString>> m_toSync;
};
