// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descriptor.h"

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

// The pieces a copy is made of, all relative to open folders: a file's
// content (holes kept), a new file that has no name yet, a tree taken away.
namespace ContentCopy {

// Called after every piece with how far the copy got (a hole counts as
// copied); false stops the copy.
using Progress = std::function<bool(qint64 done)>;

// What copyContent() answers when the source was written to, grown or cut
// while it was copied: the copy would hold bytes the source never held
// together. No errno has this value.
constexpr int SourceChanged = -1000;

// What one copy learns that spares the next a failed attempt: whether the
// kernel copies between these two file systems.
struct Channel
{
    bool inKernel = true;
};

// Copies the content of from, whose status was before when the copy began,
// into the new, empty file to: data only where from has data, up to the
// size from had then. Large files are put on their way to the disk while
// they are copied, so that the last sync is short. 0, an errno (ECANCELED
// when progress said stop) or SourceChanged.
int copyContent(int from, const struct stat &before, int to, Channel *channel,
                const Progress &progress);

// A new regular file in a folder, not yet under its name: unnamed where the
// file system allows it, else under a hidden name nobody else uses.
struct Temporary
{
    Descriptor fd;
    QByteArray name; // empty while the file has no name
};

// Opens a temporary file of that mode (the umask applies) in folder; 0 or
// an errno. Hidden, it is made under a hidden name at once: the cheaper
// way in a folder nobody sees yet, as a file system keeps a nameless file
// on a list it must journal.
int createTemporary(int folder, mode_t mode, Temporary *file, bool hidden = false);
// Gives the unnamed file open as fd a hidden name in folder.
int nameTemporary(int folder, int fd, QByteArray *name);
// A hidden name for something being made in a folder.
QByteArray hiddenName();

// Removes name from folder with everything under it, never following a
// link; 0 or an errno.
int removeTree(int folder, const QByteArray &name);

// The process's umask, read without changing it.
mode_t currentUmask();

// "/proc/self/fd/N": the open file by a name linkat() can follow.
QByteArray procPath(int fd);

} // namespace ContentCopy
