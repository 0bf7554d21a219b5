// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

// Copies files, links and whole folders, working relative to open folders
// so that a name swapped for a link midway never sends the copy elsewhere.
// Links are copied as links and never followed; pipes, devices and sockets
// are skipped. Each file is written under no name (or a hidden one), put on
// disk, and only then takes its name, so a partial file never sits under a
// real name; a new folder is filled under a hidden name and takes its own
// at the end. A copy keeps permissions (less the umask, never set-user-ID
// or set-group-ID), modification times and the holes of sparse files.
//
// A job runner counts first (count()), then copies, told of progress and
// asked what to do when a name is taken or an item fails; a cancel stops
// between pieces and leaves nothing half made. A file written to while it
// is copied fails with SourceChanged rather than give a copy that holds
// what the source never held.
class CopyEngine
{
public:
    // The error of an item whose source changed while it was copied; no
    // errno has this value. Retry copies it again.
    static constexpr int SourceChanged = -1000;

    // What to do about a problem with one item.
    enum class Action {
        Fail,     // stop the whole copy with the item's error
        Replace,  // put the copy in place of what has the name, in one step
        KeepBoth, // give the copy a free name: "name (2).ext", "name (3).ext"...
        Merge,    // copy a folder's content into the folder of that name
        Skip,     // leave this item out and go on
        Retry,    // try the item again
        Cancel,   // stop, as if cancelled
    };

    struct Stats
    {
        qint64 bytes = 0; // of regular files; a hole counts as copied
        qint64 items = 0; // files, links, folders, and the items left out
    };

    struct Problem
    {
        QString source;      // the item's path
        QString destination; // the path it was to take
        int error = 0;       // EEXIST when the name is taken, else why the item failed (an errno
                             // or SourceChanged)
        bool sourceIsFolder = false;
        bool destinationIsFolder = false; // what has the name, for EEXIST
    };

    struct Skipped
    {
        QString source;
        mode_t type = 0; // the item's file type (S_IFIFO...)
        int error = 0;   // 0 for a pipe, device or socket, which are never copied
    };

    struct Result
    {
        int error = 0;       // 0, ECANCELED, SourceChanged, or the errno that stopped the copy
        QString failed;      // the item where it stopped
        QString destination; // the path the copy took (another name with KeepBoth)
        Stats done;
        QList<Skipped> skipped;
        bool ok() const { return error == 0; }
    };

    // An item that took its name: for a runner that removes sources once
    // their copies are safe, or undoes a copy.
    struct Made
    {
        QString source;
        QString destination;
        struct stat sourceStatus; // the source as it was copied
        struct stat status;       // what now has the destination's name
        bool inNewFolder;         // inside a folder this copy made, which takes its name last
        bool merged;              // a folder whose content went into one already there
    };

    // Asked on the copy's thread; Replace and KeepBoth answer a taken name,
    // Merge only two folders.
    using Ask = std::function<Action(const Problem &)>;
    // Told after every piece and item; false cancels.
    using Progress = std::function<bool(const Stats &done)>;
    // Told of every item as it takes its name, on the copy's thread; a
    // folder after what went into it.
    using Done = std::function<void(const Made &item)>;

    // What a taken name does when nobody is asked: Fail, Replace, KeepBoth
    // or Skip. With mergeFolders, a folder meeting a folder merges into it.
    void setConflictAction(Action action) { m_conflict = action; }
    void setMergeFolders(bool merge) { m_mergeFolders = merge; }
    // Asked about every taken name and every failed item; without it, a
    // failed item stops the copy.
    void setAsk(Ask ask) { m_ask = std::move(ask); }
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    void setCancel(const std::atomic_bool *cancel) { m_cancel = cancel; }
    void setDone(Done done) { m_done = std::move(done); }
    // Asked on the copy's thread once a finished item is about to take its
    // name; false cancels the copy there, and the item is removed. A job
    // whose cancel must end at once decides here, in one step with its
    // cancel, whether the item may still appear.
    void setBeforeName(std::function<bool()> beforeName) { m_beforeName = std::move(beforeName); }

    // Items and bytes under the sources, links not followed: the totals of
    // a progress bar. Stops early (partial totals) when cancel is set.
    static Stats count(const QStringList &sources, const std::atomic_bool *cancel = nullptr);

    // Copies source (a file, a link or a folder; a link in its folder path
    // is followed, the item itself never) into destinationFolder under name,
    // or under its own name.
    Result copy(const QString &source, const QString &destinationFolder,
                const QString &name = QString());
    // Copies the regular file open for reading as sourceFd into the open
    // folder under name; folderPath and sourcePath only name them in
    // problems and results.
    Result copyFile(int sourceFd, const QString &sourcePath, int folder, const QString &folderPath,
                    const QString &name);

    // "name (2).ext" for the second copy of "name.ext" ("name (3).ext" when
    // that is "name (2).ext"); a folder's name has no extension.
    static QString numberedName(const QString &name, int number, bool isFolder);

    // Tests: called before an item takes its name, with that name; an errno
    // to fail with, as a file system that refuses such a name would.
    static void setNameCheckForTesting(std::function<int(const QByteArray &name)> check);

private:
    struct Walk;

    Action m_conflict = Action::Fail;
    bool m_mergeFolders = false;
    Ask m_ask;
    Progress m_progress;
    Done m_done;
    const std::atomic_bool *m_cancel = nullptr;
    std::function<bool()> m_beforeName;
};
