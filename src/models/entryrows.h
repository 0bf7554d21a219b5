// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entryorder.h"
#include "listing.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QHash>
#include <QVariant>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// What every list of entries answers alike, the folder's and the search's,
// so that one delegate shows a row of either: the roles of an entry by the
// same numbers and names, the answers an entry gives by itself, and get().
class EntryRows : public QAbstractListModel
{
    Q_OBJECT
    QML_ANONYMOUS
public:
    enum Role {
        FileNameRole = Qt::UserRole + 1,
        PathRole, // the folder holding the entry
        CompletePathRole,
        IsDirRole,
        IsReadableRole,
        IsWritableRole,
        SizeRole,
        ModifiedRole,
        IsLinkRole,
        IsBrokenLinkRole,
        LinkTargetRole,
        IsHiddenRole,
        DisplayNameRole,
        HasUndecodableRole,
        FirstOwnRole, // a model's own roles start here
    };
    Q_ENUM(Role)

    using QAbstractListModel::QAbstractListModel;

    // Every role of the row by name; empty for a row out of range.
    Q_INVOKABLE QVariantMap get(int row) const;

protected:
    // The names of the roles above; a model adds its own.
    static QHash<int, QByteArray> entryRoleNames();
    // A role the entry answers by itself (not where it sits): a folder's
    // row, which keeps what it costs to work out, or a listing's entry.
    static QVariant entryData(const EntryOrder::Row &row, int role);
    static QVariant entryData(const Listing::Entry &entry, int role);

private:
    template <class Entry> static QVariant common(const Entry &entry, int role);
};
