// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileactions.h"
#include "fileresult.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The desktop's trash, shared with every other freedesktop file manager: a
// trash folder holds files/NAME and info/NAME.trashinfo. Entries of the home
// volume go to $XDG_DATA_HOME/Trash, entries of another volume to the trash
// at that volume's top ($topdir/.Trash/$uid when an administrator made a safe
// .Trash there, else $topdir/.Trash-$uid), always by a rename, never a copy.
// Names keep their bytes all the way, into the info file and files/.
// Every call blocks; callers run them off the UI thread.
namespace Trash {

// One trash folder.
struct Can
{
    QString path;   // holds files/ and info/
    QString topdir; // what relative Path= lines start from
    bool home = false;
};

// One trashed entry.
struct Item
{
    QString trashedPath;  // <can>/files/<name>, where the entry is now
    QString originalPath; // where it came from; empty when its info is lost
    QDateTime deleted;    // invalid when its info is lost
    FileActions::Identity identity;
    qint64 size = -1; // a file's size, a folder's from the size cache, else -1
};

QString homeTrash();
// The trash folder that holds trashedPath, or an empty Can.
Can canOf(const QString &trashedPath);
// True for the trash folders themselves and everything in them.
bool isInTrash(const QString &path);

// The trash an entry of path's folder goes to, made if missing.
FileResult canFor(const QString &path, Can *can);

// Moves the entry into its trash; the trashed path goes to *trashedPath.
// NoTrash when its volume has none that may be used (delete it instead).
FileResult moveToTrash(const QString &path, QString *trashedPath = nullptr);

// The trash folders of the home volume and of every mounted local volume
// that exist now.
QList<Can> reachable();
QList<Item> list(const Can &can);
QList<Item> listAll();

// Puts the entry back where it came from, or at asPath when given; the
// folders on the way are made again if they went. Exists (naming the target)
// when the name is taken: nothing is ever replaced.
FileResult restore(const QString &trashedPath, const QString &asPath = {},
                   QString *restoredPath = nullptr);
// Deletes a trashed entry for good, what it holds first and its info last.
FileResult erase(const QString &trashedPath, const FileActions::Progress &progress = {});

// Deletes everything in the trash folder, and the info files and size
// cache left without an entry.
FileResult emptyCan(const Can &can, const FileActions::Progress &progress = {});

// The info file's text and its reading. The path is the entry's bytes,
// absolute or relative to the trash's topdir.
QByteArray infoText(const QByteArray &path, const QDateTime &deleted);
bool parseInfo(const QByteArray &text, QByteArray *path, QDateTime *deleted);
// Percent-encoding as in URLs, byte for byte; "/" stays.
QByteArray encodePath(const QByteArray &bytes);
QByteArray decodePath(const QByteArray &text);

} // namespace Trash
