// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descriptor.h"
#include "fileresult.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <sys/types.h>

// The small steps of file management, each one system call or a walk of
// calls relative to open folders, so that no link met on the way can send
// them elsewhere. Names are the lossless QString form (see PathCodec); every
// call blocks, so callers run them off the UI thread.
namespace FileActions {

// Which entry a name held at one moment, and what it looked like, to tell
// later whether it is still the same and unchanged.
struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    mode_t mode = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 born = 0;     // likewise, where the file system keeps it; tells a
                         // new file from the one whose freed inode it took
    bool valid = false;

    bool isDir() const;
    bool sameEntry(const Identity &other) const
    {
        return valid && other.valid && device == other.device && inode == other.inode &&
               (born == 0 || other.born == 0 || born == other.born);
    }
    // The same entry, neither written to nor resized since.
    bool unchanged(const Identity &other) const
    {
        return sameEntry(other) && size == other.size && modified == other.modified &&
               mode == other.mode;
    }
};

// Of the entry itself, not of what a link leads to.
Identity identityOf(const QString &path);
Identity identityAt(int folder, const QByteArray &name);

// A name the person typed, before it goes near the system: refused when
// empty, holding "/" or a zero, or "." or "..".
FileResult checkName(const QString &name);

// "/a/b/c" -> "/a/b" and "c"; the root's folder is itself.
QString folderOf(const QString &path);
QString nameOf(const QString &path);
QString joinPath(const QString &folder, const QString &name);

// A name beside name in folder that nothing has, keeping both: "notes.txt"
// -> "notes (2).txt". Taken by a rename that never replaces, so a name
// taken meanwhile is still refused then.
QString freeName(const QString &folder, const QString &name);

// The folder, opened to be worked in (O_PATH); -errno on failure.
int openFolder(const QString &folder);

// Renames without ever replacing: 0 or an errno (EEXIST when the name is
// taken). Where the file system knows no such rename, it looks first.
int renameNoReplace(int fromFolder, const QByteArray &from, int toFolder, const QByteArray &to);

// Gives the entry at path the name newName in the same folder. When
// expected is valid the entry must still be that one (an undo). The entry
// as renamed goes to *renamed.
FileResult rename(const QString &path, const QString &newName, const Identity &expected = {},
                  Identity *renamed = nullptr);

// Makes the folder name in folder; a name that exists is refused.
FileResult makeFolder(const QString &folder, const QString &name, Identity *made = nullptr);

// Removes the folder at path only if it is still the one made (expected)
// and still empty.
FileResult removeEmptyFolder(const QString &path, const Identity &expected);

// Called with the entries removed so far; false stops the walk.
using Progress = std::function<bool(qint64 removed)>;

// Removes the entry, and a folder with all it holds, never following a link
// and never entering another volume mounted inside. Stops at the first entry
// it cannot remove, whose path the result names.
FileResult removeTree(const QString &path, const Progress &progress = {});
// The same for name in the open folder; path names it in the result.
FileResult removeTreeAt(int folder, const QByteArray &name, const QString &path,
                        const Progress &progress = {}, qint64 *removed = nullptr);

} // namespace FileActions
