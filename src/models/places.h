#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <memory>

class QSocketNotifier;

// The side pane's places: the person's standard folders that exist, the
// shared documents folder, the root, mounted volumes with their free space,
// and bookmarks. Bookmarks are set from outside (the scene keeps them in the
// settings) so that this model never writes anything.
class Places : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList bookmarks READ bookmarks WRITE setBookmarks NOTIFY bookmarksChanged)
    Q_PROPERTY(
        QString sharedFolder READ sharedFolder WRITE setSharedFolder NOTIFY sharedFolderChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        PathRole,
        SectionRole,
        IconRole,
        ExistsRole,
        DetailRole
    };
    Q_ENUM(Role)

    explicit Places(QObject *parent = nullptr);
    ~Places() override;

    QStringList bookmarks() const { return m_bookmarks; }
    void setBookmarks(const QStringList &bookmarks);
    QString sharedFolder() const { return m_sharedFolder; }
    void setSharedFolder(const QString &folder);
    int count() const { return int(m_rows.size()); }

    // Both return whether the list changed.
    Q_INVOKABLE bool addBookmark(const QString &folder);
    Q_INVOKABLE bool removeBookmark(const QString &folder);
    Q_INVOKABLE bool isBookmarked(const QString &folder) const;
    // Reads the mounted volumes again, off the UI thread (a network volume
    // that stopped answering would hold it).
    Q_INVOKABLE void refreshVolumes();

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
    };

Q_SIGNALS:
    void bookmarksChanged();
    void sharedFolderChanged();
    void countChanged();

private:
    void rebuild();
    QList<Row> standardRows() const;
    QList<Row> bookmarkRows() const;

    QStringList m_bookmarks;
    QString m_sharedFolder;
    QList<Row> m_volumes;
    QList<Row> m_rows;
    std::unique_ptr<QSocketNotifier> m_mounts;
    int m_mountsFd = -1;
};
