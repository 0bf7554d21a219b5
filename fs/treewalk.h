// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <sys/stat.h>

// A walk through an entry and all it holds, folder by open folder: never
// through a link, never into another volume mounted inside. Deleting,
// counting and telling whether a tree changed all walk this way.
namespace TreeWalk {

struct Entry
{
    int folder;                 // the open folder holding the entry
    const QByteArray &name;     // in that folder
    const QByteArray &relative; // from the walk's start, its name first
    const struct stat &status;  // of the entry itself; see Flags
    bool isDir;
    bool leaving;     // a folder's second visit, once all it holds was visited
    bool otherVolume; // a folder on another volume: it is not entered
    int opened = -1;  // a folder about to be entered, open
};

// An errno stops the walk with it; Skip leaves a folder unentered.
constexpr int Continue = 0;
constexpr int Skip = -1;
using Visitor = std::function<int(const Entry &)>;

enum Flag {
    Status = 1,         // every entry's status is read (else only the mode's kind is known)
    SkipUnreadable = 2, // a folder that may not be read is visited, not entered
};

struct Failure
{
    int error = 0;
    QByteArray relative; // the entry the walk stopped at
};

Failure walk(int folder, const QByteArray &name, const Visitor &visitor, int flags = 0);

// How many entries a set of trees holds and how big they are, hard links
// once, as the Properties of several entries show them.
struct Totals
{
    qint64 files = 0;     // everything that is not a folder, links included
    qint64 folders = 0;   // the trees' folders, their tops included
    qint64 bytes = 0;     // the sizes of the files
    qint64 diskBytes = 0; // the blocks taken, folders included ("du -B1")
};

class Counter
{
public:
    // Adds the tree at path (or name in folder); progress is called now and
    // then with the totals so far, and returning false stops it. 0 or an errno.
    int add(const QString &path, const std::function<bool(const Totals &)> &progress = {});
    int add(int folder, const QByteArray &name,
            const std::function<bool(const Totals &)> &progress = {});
    const Totals &totals() const { return m_totals; }

private:
    Totals m_totals;
    QSet<QPair<quint64, quint64>> m_seen; // files with more than one link
};

// A digest of a tree's names, inodes, kinds, sizes and modification times,
// to tell later whether anything in it was changed, added or removed.
// Empty when it cannot be read.
QByteArray fingerprint(const QString &path);

} // namespace TreeWalk
