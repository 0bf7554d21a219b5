// SPDX-License-Identifier: GPL-3.0-or-later
#include "trashmodel.h"

#include "fileprobe.h"
#include "pathcodec.h"

#include <algorithm>

TrashModel::TrashModel(QObject *parent) : QAbstractListModel(parent)
{
    m_again.setSingleShot(true);
    m_again.setInterval(200);
    connect(&m_again, &QTimer::timeout, this, &TrashModel::reload);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_again,
            qOverload<>(&QTimer::start));
    reload();
}

void TrashModel::reload()
{
    if (m_loading) {
        m_pending = true;
        return;
    }
    m_loading = true;
    Q_EMIT loadingChanged();
    using Listing = std::pair<QList<Trash::Item>, QList<Trash::Can>>;
    FileProbe::runOffThread<Listing>(
        this,
        [] {
            const QList<Trash::Can> cans = Trash::reachable();
            QList<Trash::Item> items;
            for (const Trash::Can &can : cans)
                items += Trash::list(can);
            std::sort(items.begin(), items.end(), [](const Trash::Item &a, const Trash::Item &b) {
                return a.deleted > b.deleted;
            });
            return Listing{items, cans};
        },
        [this](const Listing &listing) {
            m_loading = false;
            apply(listing.first, listing.second);
            Q_EMIT loadingChanged();
            if (m_pending) {
                m_pending = false;
                reload();
            }
        });
}

void TrashModel::apply(const QList<Trash::Item> &items, const QList<Trash::Can> &cans)
{
    QStringList watched;
    for (const Trash::Can &can : cans)
        watched << can.path + QStringLiteral("/files") << can.path + QStringLiteral("/info");
    const QStringList old = m_watcher.directories();
    QStringList gone;
    for (const QString &folder : old) {
        if (!watched.contains(folder))
            gone << folder;
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    QStringList added;
    for (const QString &folder : std::as_const(watched)) {
        if (!old.contains(folder))
            added << folder;
    }
    if (!added.isEmpty())
        m_watcher.addPaths(added);

    const int before = count();
    beginResetModel();
    m_items = items;
    endResetModel();
    if (count() != before)
        Q_EMIT countChanged();
}

int TrashModel::indexOf(const QString &trashedPath) const
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].trashedPath == trashedPath)
            return int(i);
    }
    return -1;
}

int TrashModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant TrashModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Trash::Item &item = m_items[index.row()];
    const QString origin = item.originalPath;
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return PathCodec::shown(FileActions::nameOf(origin.isEmpty() ? item.trashedPath : origin));
    case TrashedPathRole:
        return item.trashedPath;
    case OriginalPathRole:
        return origin;
    case OriginalFolderRole:
        return origin.isEmpty() ? QString() : PathCodec::shown(FileActions::folderOf(origin));
    case DeletedRole:
        return item.deleted;
    case SizeRole:
        return double(item.size);
    case IsDirRole:
        return item.identity.isDir();
    }
    return {};
}

QHash<int, QByteArray> TrashModel::roleNames() const
{
    return {{NameRole, "name"},
            {TrashedPathRole, "trashedPath"},
            {OriginalPathRole, "originalPath"},
            {OriginalFolderRole, "originalFolder"},
            {DeletedRole, "deleted"},
            {SizeRole, "size"},
            {IsDirRole, "isDir"}};
}
