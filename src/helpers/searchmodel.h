// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entryrows.h"
#include "searchwalk.h"

#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

// The names below a folder that match a query, as the walk finds them: a
// list the scene shows while it grows, each row with its folder. A new
// search or cancel() drops the walk at once.
class SearchModel : public EntryRows
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString folder READ folder NOTIFY folderChanged)
    Q_PROPERTY(QString query READ query NOTIFY queryChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int foldersSearched READ foldersSearched NOTIFY progressChanged)
    Q_PROPERTY(int foldersSkipped READ foldersSkipped NOTIFY progressChanged)
    // The walk stopped at the most results it keeps.
    Q_PROPERTY(bool truncated READ isTruncated NOTIFY progressChanged)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden NOTIFY showHiddenChanged)
    Q_PROPERTY(bool crossFileSystems READ crossFileSystems WRITE setCrossFileSystems NOTIFY
                   crossFileSystemsChanged)
    // The next search also looks inside text files up to 1 MiB.
    Q_PROPERTY(bool contents READ contents WRITE setContents NOTIFY contentsChanged)
public:
    // Beside the roles every entry has (EntryRows::Role).
    enum OwnRole {
        RelativeFolderRole = FirstOwnRole, // the folder below the one searched, "" for itself
        InContentsRole,                    // found by its text rather than its name
    };
    Q_ENUM(OwnRole)

    explicit SearchModel(QObject *parent = nullptr);
    ~SearchModel() override;

    QString folder() const { return m_folder; }
    QString query() const { return m_query; }
    bool isRunning() const { return bool(m_walk); }
    int count() const { return int(m_hits.size()); }
    int foldersSearched() const { return m_folders; }
    int foldersSkipped() const { return m_skipped; }
    bool isTruncated() const { return m_truncated; }
    bool showHidden() const { return m_showHidden; }
    void setShowHidden(bool show);
    bool crossFileSystems() const { return m_crossFileSystems; }
    void setCrossFileSystems(bool cross);
    bool contents() const { return m_contents; }
    void setContents(bool contents);

    // Starts a walk below folder for query, dropping the one before and its
    // results. An empty query only clears.
    Q_INVOKABLE void search(const QString &folder, const QString &query);
    // Stops the walk; what was found stays.
    Q_INVOKABLE void cancel();
    Q_INVOKABLE void clear();

    // From the walk finding the first result of the last search to that
    // result reaching this thread; negative until one has.
    double firstResultDelayMs() const { return m_firstDelayMs; }
    // Worker threads of the next search.
    void setThreadsForTesting(int threads) { m_threads = threads; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    struct Mailbox;

Q_SIGNALS:
    void folderChanged();
    void queryChanged();
    void runningChanged();
    void countChanged();
    void progressChanged();
    void showHiddenChanged();
    void crossFileSystemsChanged();
    void contentsChanged();
    // The walk ended by itself (not cancelled): every folder was searched.
    void finished();

private:
    void stopWalk();
    void land(bool fromCooldown);

    QString m_folder;
    QString m_query;
    bool m_showHidden = false;
    bool m_crossFileSystems = false;
    bool m_contents = false;
    int m_threads = 2;
    std::vector<SearchWalk::Hit> m_hits;
    int m_folders = 0;
    int m_skipped = 0;
    bool m_truncated = false;
    double m_firstDelayMs = -1;
    std::shared_ptr<SearchWalk> m_walk;
    std::shared_ptr<Mailbox> m_mailbox;
    QTimer m_cooldown; // spaces the batches so a flood of finds never holds the window
};
