// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

// The mount table as the kernel keeps it, read without touching any mounted
// file system (a share that stopped answering must not hold the reader), and
// which mount holds a path by its name alone.
namespace Mounts {

struct Mount
{
    QString point;     // where it is mounted, clean ("/", "/mnt/net")
    QByteArray source; // the device or share ("/dev/sda1", "server:/export")
    QByteArray type;   // "ext4", "nfs4", "fuse.sshfs"
    dev_t device = 0;  // the st_dev of its files
};

// The mounts of this process's namespace, in the order they were made; read
// again only when the kernel says the table changed.
QList<Mount> table();
// The table from /proc/self/mountinfo's text.
QList<Mount> parse(const QByteArray &mountinfo);

// The mount point of the mount that holds path, going by its name: the
// deepest mount point that path lies in. A relative path is taken from the
// current folder.
QString pointOf(const QString &path);
QString pointOf(const QString &path, const QList<Mount> &mounts);

} // namespace Mounts
