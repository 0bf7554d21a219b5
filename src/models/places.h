// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace IoLanes {
class Ticket;
}

class QSocketNotifier;

// The side pane's places: the person's standard folders that exist, the
// shared documents folder, the root, mounted volumes with their free space,
// and bookmarks. Bookmarks are set from outside (the scene keeps them in the
// settings) so that this model never writes anything. Whether a place is
// there is asked on a worker, one look per place at a time, so that a place
// on a mount that does not answer never holds up the window: such a place
// shows as waiting until its look answers.
class Places : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList bookmarks READ bookmarks WRITE setBookmarks NOTIFY bookmarksChanged)
    Q_PROPERTY(
        QString sharedFolder READ sharedFolder WRITE setSharedFolder NOTIFY sharedFolderChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // The path of the Trash place, which is no folder.
    Q_PROPERTY(QString trashPath READ trashPath CONSTANT)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        PathRole,
        SectionRole,
        IconRole,
        ExistsRole,
        DetailRole,
        // A bookmark or folder whose look has not answered yet, or a volume
        // whose free space was asked and waits on its mount.
        WaitingRole,
    };
    Q_ENUM(Role)

    explicit Places(QObject *parent = nullptr);
    ~Places() override;

    QStringList bookmarks() const { return m_bookmarks; }
    void setBookmarks(const QStringList &bookmarks);
    QString sharedFolder() const { return m_sharedFolder; }
    void setSharedFolder(const QString &folder);
    int count() const { return int(m_rows.size()); }
    static QString trashPath() { return QStringLiteral("trash:///"); }

    // Both return whether the list changed.
    Q_INVOKABLE bool addBookmark(const QString &folder);
    Q_INVOKABLE bool removeBookmark(const QString &folder);
    Q_INVOKABLE bool isBookmarked(const QString &folder) const;
    // Reads the mounted volumes again from the mount table; their free space
    // is asked off the UI thread, one volume at a time on its own workers,
    // and never again while a question is unanswered (a network volume that
    // stopped answering would hold it).
    Q_INVOKABLE void refreshVolumes();
    // Looks again whether each place is there: after a copy made the shared
    // documents folder, say. Done by itself whenever the mounts change.
    Q_INVOKABLE void recheck();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    struct Row
    {
        QString name;
        QString path;    // ends in "/"
        QString section; // "places", "volumes" or "bookmarks"
        QString icon;    // a name from the desktop's icon theme
        bool exists = true;
        QString detail; // free space of a volume
        bool waiting = false;
        qint64 free = -1; // bytes free on a volume, -1 when unknown
        bool operator==(const Row &other) const
        {
            return name == other.name && path == other.path && section == other.section &&
                   icon == other.icon && exists == other.exists && detail == other.detail &&
                   waiting == other.waiting && free == other.free;
        }
    };
    // A standard folder as the worker found it.
    struct Standard
    {
        int location = 0; // a QStandardPaths::StandardLocation
        QString path;     // ends in "/"
        bool exists = false;
    };

Q_SIGNALS:
    void bookmarksChanged();
    void sharedFolderChanged();
    void countChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void show(const QList<Row> &rows);
    QList<Row> standardRows() const;
    QList<Row> bookmarkRows() const;
    void lookFor(const QString &folder);
    void findStandard();
    static QString standardName(int location, const QString &path);
    static QString freeText(qint64 free);
    void askFreeSpace(const QString &volume);
    void updateVolumes();

    QStringList m_bookmarks;
    QString m_sharedFolder;
    QList<Standard> m_standard;
    bool m_findingStandard = false;
    bool m_findStandardAgain = false;
    QHash<QString, bool> m_isFolder; // folder -> whether it is one, as last seen
    QHash<QString, bool> m_looking;  // folder being looked at -> look again after
    QList<Row> m_volumes;
    QList<Row> m_rows;
    std::unique_ptr<QSocketNotifier> m_mounts;
    int m_mountsFd = -1;
    QHash<QString, std::shared_ptr<IoLanes::Ticket>> m_asking; // free space asked, per volume
    QTimer m_watch;
};
