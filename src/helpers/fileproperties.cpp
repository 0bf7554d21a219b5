// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileproperties.h"

#include "filetype.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDateTime>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileProperties {

namespace {

QString userName(uid_t uid)
{
    struct passwd entry;
    struct passwd *found = nullptr;
    QByteArray buffer(16 * 1024, Qt::Uninitialized);
    if (::getpwuid_r(uid, &entry, buffer.data(), size_t(buffer.size()), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString groupName(gid_t gid)
{
    struct group entry;
    struct group *found = nullptr;
    QByteArray buffer(16 * 1024, Qt::Uninitialized);
    if (::getgrgid_r(gid, &entry, buffer.data(), size_t(buffer.size()), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

QDateTime timeOf(const struct timespec &t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

} // namespace

QString permissionText(mode_t mode)
{
    QString text(9, QLatin1Char('-'));
    const char letters[] = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i) {
        if (mode & (0400 >> i))
            text[i] = QLatin1Char(letters[i]);
    }
    if (mode & S_ISUID)
        text[2] = QLatin1Char(mode & S_IXUSR ? 's' : 'S');
    if (mode & S_ISGID)
        text[5] = QLatin1Char(mode & S_IXGRP ? 's' : 'S');
    if (mode & S_ISVTX)
        text[8] = QLatin1Char(mode & S_IXOTH ? 't' : 'T');
    return text;
}

QVariantMap of(const QString &path)
{
    const FileLook look = FileLook::at(path);
    const QVariantMap type = FileType::from(path, look).toMap();
    QVariantMap map;
    for (const char *key :
         {"path", "kind", "exists", "isBrokenLink", "mimeType", "description", "error"})
        map[QLatin1String(key)] = type.value(QLatin1String(key));
    map[QStringLiteral("isSymLink")] = look.status.isSymLink;
    if (look.status.isSymLink) {
        const QString stored = FileProbe::linkTargetOf(path);
        map[QStringLiteral("linkTarget")] = stored;
        QString absolute = stored;
        if (!stored.startsWith(QLatin1Char('/')))
            absolute = path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + stored;
        map[QStringLiteral("linkTargetPath")] = Paths::clean(absolute);
    }
    if (look.status.kind == FileProbe::Kind::Missing && !look.status.isBrokenLink)
        return map;
    // A broken link's own times and owner: the target has none.
    const struct stat &st = look.status.st;
    map[QStringLiteral("size")] = qint64(st.st_size);
    map[QStringLiteral("modified")] = timeOf(st.st_mtim);
    map[QStringLiteral("accessed")] = timeOf(st.st_atim);
    map[QStringLiteral("owner")] = userName(st.st_uid);
    map[QStringLiteral("group")] = groupName(st.st_gid);
    map[QStringLiteral("permissions")] = permissionText(st.st_mode);
    map[QStringLiteral("octal")] =
        QStringLiteral("%1").arg(uint(st.st_mode & 07777), 4, 8, QLatin1Char('0'));
    return map;
}

} // namespace FileProperties
