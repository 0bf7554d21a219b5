// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trash.h"

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// The entries of every trash the person can reach, newest first, with where
// they came from and when they were trashed; read off the UI thread and
// again whenever a trash changes.
class TrashModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1, // the original name, as shown
        TrashedPathRole,             // where it is now: pass it to restore and delete
        OriginalPathRole,
        OriginalFolderRole, // as shown
        DeletedRole,        // a QDateTime, invalid when not known
        SizeRole,           // bytes, -1 when not known
        IsDirRole,
    };
    Q_ENUM(Role)

    explicit TrashModel(QObject *parent = nullptr);

    int count() const { return int(m_items.size()); }
    bool isLoading() const { return m_loading; }
    Q_INVOKABLE void reload();
    Q_INVOKABLE int indexOf(const QString &trashedPath) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();
    void loadingChanged();

private:
    void apply(const QList<Trash::Item> &items, const QList<Trash::Can> &cans);

    QList<Trash::Item> m_items;
    QFileSystemWatcher m_watcher;
    QTimer m_again; // gathers a burst of changes into one read
    bool m_loading = false;
    bool m_pending = false;
};
