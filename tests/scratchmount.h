// SPDX-License-Identifier: GPL-3.0-or-later
// A tmpfs of the test's own, where the machine lets a test mount one: as
// root in a mount namespace of its own, else as root of a new user
// namespace. The namespace must be entered before any thread starts: call
// enterMountNamespace() first thing in main().
#pragma once

#include <QFile>
#include <QString>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// True when mounts may be made; else why in *why.
inline bool enterMountNamespace(QString *why)
{
    static int entered = 0; // 1 done, -1 refused
    static QString reason;
    if (entered == 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        const auto write = [](const char *path, const QByteArray &text) {
            QFile file(QString::fromLatin1(path));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        if (uid == 0 ? ::unshare(CLONE_NEWNS) != 0
                     : ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
                           !write("/proc/self/setgroups", "deny") ||
                           !write("/proc/self/uid_map",
                                  QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
                           !write("/proc/self/gid_map",
                                  QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1")) {
            reason = QStringLiteral("this machine lets no test mount a file system: ") +
                     QString::fromLocal8Bit(strerror(errno));
            entered = -1;
        } else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            reason = QStringLiteral("mounts cannot be kept private: ") +
                     QString::fromLocal8Bit(strerror(errno));
            entered = -1;
        } else {
            entered = 1;
        }
    }
    if (why)
        *why = reason;
    return entered == 1;
}

// Mounts a small tmpfs on the folder; false with the reason in *why.
inline bool mountScratch(const QString &folder, QString *why)
{
    if (!enterMountNamespace(why))
        return false;
    if (::mount("vantrel-test", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=8m") !=
        0) {
        *why =
            QStringLiteral("tmpfs cannot be mounted: ") + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    return true;
}

inline bool remountReadOnly(const QString &folder)
{
    return ::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}
