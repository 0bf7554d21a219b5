// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entryorder.h"
#include "entryrows.h"
#include "folderworker.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// The scene's listing of one folder: read on a worker thread so that a big
// folder or a mount that stopped answering never holds up the window, kept
// sorted and filtered as the person chooses, and watched for changes.
class FolderModel : public EntryRows
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString folder READ folder WRITE setFolder NOTIFY folderChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int totalCount READ totalCount NOTIFY totalCountChanged)
    // The rows the hidden choice lets through, before the filter: the "m" of "n of m".
    Q_PROPERTY(int unfilteredCount READ unfilteredCount NOTIFY unfilteredCountChanged)
    Q_PROPERTY(SortKey sortKey READ sortKey WRITE setSortKey NOTIFY sortKeyChanged)
    Q_PROPERTY(bool ascending READ ascending WRITE setAscending NOTIFY ascendingChanged)
    Q_PROPERTY(bool foldersFirst READ foldersFirst WRITE setFoldersFirst NOTIFY foldersFirstChanged)
    Q_PROPERTY(bool showHidden READ showHidden WRITE setShowHidden NOTIFY showHiddenChanged)
    Q_PROPERTY(bool hiddenLast READ hiddenLast WRITE setHiddenLast NOTIFY hiddenLastChanged)
    Q_PROPERTY(QString filterText READ filterText WRITE setFilterText NOTIFY filterTextChanged)
public:
    enum Status {
        Ready,      // listed, with entries
        Empty,      // listed, the folder holds nothing
        Missing,    // no such folder (or not a folder)
        Unreadable, // there, but cannot be read
        Gone,       // was listed, then deleted while open
    };
    Q_ENUM(Status)
    enum SortKey {
        Name = EntryOrder::Name,
        Size = EntryOrder::Size,
        Date = EntryOrder::Date,
        Type = EntryOrder::Type
    };
    Q_ENUM(SortKey)
    // Beside the roles every entry has (EntryRows::Role).
    enum OwnRole {
        KindRole = FirstOwnRole,
        // The typed side of "kind", and what the MIME database says of it.
        FileKindRole,    // a FileKind::Kind
        MimeTypeRole,    // "application/pdf"
        KindWordsRole,   // "PDF document", in the person's language
        IconNamesRole,   // theme icon names to try, best first
        GlyphRole,       // a FileKind::Glyph, drawn when the theme has no icon
        GlyphTextRole,   // the symbol such a glyph shows, "" for a drawn shape
        NameAlteredRole, // displayName shows some characters of the name as codes
    };
    Q_ENUM(OwnRole)

    explicit FolderModel(QObject *parent = nullptr);
    ~FolderModel() override;

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    bool isRunning() const { return m_running; }
    Status status() const { return m_status; }
    int count() const { return int(m_visible.size()); }
    int totalCount() const { return int(m_rows.size()); }
    int unfilteredCount() const { return m_unfiltered; }

    SortKey sortKey() const { return m_sortKey; }
    void setSortKey(SortKey key);
    bool ascending() const { return m_ascending; }
    void setAscending(bool ascending);
    bool foldersFirst() const { return m_foldersFirst; }
    void setFoldersFirst(bool foldersFirst);
    bool showHidden() const { return m_showHidden; }
    void setShowHidden(bool showHidden);
    bool hiddenLast() const { return m_hiddenLast; }
    void setHiddenLast(bool hiddenLast);
    QString filterText() const { return m_filterText; }
    void setFilterText(const QString &text);

    // Reads the folder again; the scene keeps its selection across it.
    Q_INVOKABLE void reload();
    // The row of the entry at path, -1 when it is not shown. "//usr/", "/usr"
    // and "/usr/" are one place.
    Q_INVOKABLE int indexOfPath(const QString &path) const;
    // The first row from `from` on, wrapping, whose name starts with prefix
    // (case-insensitive); -1 when none does.
    Q_INVOKABLE int nextMatch(const QString &prefix, int from) const;
    // The pictures next to path among the rows shown, in their order (the
    // person's sort and filter): keys "previous", "next" ("" at either end),
    // "index" and "count", as ImageLoader::neighbours gives them. Pictures are
    // the rows whose kind is image, and path itself.
    Q_INVOKABLE QVariantMap pictureNeighbours(const QString &path) const;
    // The rows after path (direction 1) or before it (-1), in the order
    // shown, that may be pictures: up to and including the first one named
    // as a decodable picture, and those whose names tell no type (a photo
    // without an extension), at most MaxPictureCandidates. Their content is
    // looked at off the UI thread (ImageLoader::requestStep).
    Q_INVOKABLE QStringList pictureCandidates(const QString &path, int direction) const;
    static constexpr int MaxPictureCandidates = 256;

    // A name as the screen shows it everywhere (see ShownNames): each byte
    // that is not UTF-8 as "\xNN", control and reordering characters as codes.
    static QString displayName(const QString &name);

    // Called on the worker before every read, with the folder: lets a test
    // hold a read as a mount that stopped answering would.
    static void setReadHookForTesting(std::function<void(const QString &)> hook);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    using Row = EntryOrder::Row;
    struct Mailbox;

Q_SIGNALS:
    void folderChanged();
    void runningChanged();
    void statusChanged();
    void countChanged();
    void totalCountChanged();
    void unfilteredCountChanged();
    void sortKeyChanged();
    void ascendingChanged();
    void foldersFirstChanged();
    void showHiddenChanged();
    void hiddenLastChanged();
    void filterTextChanged();
    // Around every change of the rows of the folder already shown (a change
    // on disk, reload(), a new sort or filter): the scene notes its selection
    // before and finds it again by path after.
    void aboutToReload();
    void reloaded();
    // The rows of a newly requested folder have arrived.
    void loaded();

private:
    void request(bool sameFolder);
    void land(quint64 generation, std::shared_ptr<FolderWorker::Result> result);
    void landOrders(quint64 generation, std::shared_ptr<FolderWorker::Orders> orders);
    EntryOrder::Arrangement arrangement() const;
    void indexRows();
    void showRows(std::vector<int> visible, const std::function<void()> &takeRows = {});
    void applyArrangement();
    void setRunning(bool running);
    void setStatus(Status status);
    void clearRows();
    void setUnfiltered(int unfiltered);
    void watch(const QString &folder);
    void onFolderChanged();
    void onParentChanged();

    QString m_folder;
    QString m_path; // the folder as entries report it: clean, no trailing "/"
    QString m_shownPath;
    bool m_running = false;
    Status m_status = Ready;
    SortKey m_sortKey = Name;
    bool m_ascending = true;
    bool m_foldersFirst = true;
    bool m_showHidden = false;
    bool m_hiddenLast = false;
    QString m_filterText;
    QString m_foldedFilter;
    int m_unfiltered = 0;

    std::vector<Row> m_rows;
    std::vector<int> m_visible;                       // row -> entry
    std::vector<int> m_rowOf;                         // entry -> row, -1 when not shown
    QHash<QString, int> m_byName;                     // name -> entry
    EntryOrder::Order m_orders[EntryOrder::KeyCount]; // ascending, per sort key
    std::vector<int> m_suffixRank;                    // Row::suffix -> place among the extensions
    quint64 m_rowsGeneration = 0;                     // the request the rows came from

    quint64 m_generation = 0;
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<std::atomic_bool> m_ordersCancel; // of the orders following the rows
    std::shared_ptr<Mailbox> m_mailbox;
    QFileSystemWatcher m_watcher;
    QTimer m_changeTimer; // coalesces changes on disk
    QTimer m_staleTimer;  // clears the old rows when a read takes long
    bool m_changedWhileRunning = false;
    quint64 m_identity = 0; // of the folder the rows came from
    QString m_parent;       // watched for the folder's being moved, replaced or opened up
    bool m_checkingParent = false;
};
