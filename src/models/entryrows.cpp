// SPDX-License-Identifier: GPL-3.0-or-later
#include "entryrows.h"

#include "pathcodec.h"
#include "shownnames.h"

#include <QDateTime>

QVariantMap EntryRows::get(int row) const
{
    QVariantMap entry;
    if (row < 0 || row >= rowCount())
        return entry;
    const QModelIndex at = index(row);
    const QHash<int, QByteArray> roles = roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        entry.insert(QString::fromLatin1(it.value()), data(at, it.key()));
    return entry;
}

QHash<int, QByteArray> EntryRows::entryRoleNames()
{
    return {
        {FileNameRole, "fileName"},
        {PathRole, "path"},
        {CompletePathRole, "completePath"},
        {IsDirRole, "isDir"},
        {IsReadableRole, "isReadable"},
        {IsWritableRole, "isWritable"},
        {SizeRole, "size"},
        {ModifiedRole, "modified"},
        {IsLinkRole, "isLink"},
        {IsBrokenLinkRole, "isBrokenLink"},
        {LinkTargetRole, "linkTarget"},
        {IsHiddenRole, "isHidden"},
        {DisplayNameRole, "displayName"},
        {HasUndecodableRole, "hasUndecodable"},
    };
}

template <class Entry> QVariant EntryRows::common(const Entry &entry, int role)
{
    switch (role) {
    case FileNameRole:
        return entry.name;
    case IsDirRole:
        return entry.isDir;
    case IsReadableRole:
        return entry.isReadable;
    case IsWritableRole:
        return entry.isWritable;
    case SizeRole:
        return entry.size;
    case ModifiedRole:
        return entry.modified != 0 ? QDateTime::fromMSecsSinceEpoch(entry.modified) : QDateTime();
    case IsLinkRole:
        return entry.isLink;
    case IsBrokenLinkRole:
        return entry.isBrokenLink;
    case LinkTargetRole:
        return entry.linkTarget;
    default:
        return QVariant();
    }
}

QVariant EntryRows::entryData(const EntryOrder::Row &row, int role)
{
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return row.nameAltered ? ShownNames::name(row.name) : row.name;
    case IsHiddenRole:
        return row.isHidden;
    case HasUndecodableRole:
        return row.hasUndecodable;
    default:
        return common(row, role);
    }
}

QVariant EntryRows::entryData(const Listing::Entry &entry, int role)
{
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return ShownNames::name(entry.name);
    case IsHiddenRole:
        return entry.name.startsWith(QLatin1Char('.'));
    case HasUndecodableRole:
        return PathCodec::hasUndecodable(entry.name);
    default:
        return common(entry, role);
    }
}
