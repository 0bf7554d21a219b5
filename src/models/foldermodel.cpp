#include "foldermodel.h"

#include "listing.h"
#include "nameorder.h"
#include "pathcodec.h"
#include "paths.h"

#include <QCollatorSortKey>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMimeDatabase>
#include <QStringMatcher>

#include <algorithm>
#include <mutex>
#include <sys/stat.h>
#include <thread>

namespace {

enum Kind : quint8 {
    Folder,
    Text,
    Image,
    Audio,
    Video,
    Archive,
    Program,
    Link,
    BrokenLink,
    Pipe,
    Device,
    Socket,
    File,
    KindCount
};

const QString &kindName(quint8 kind)
{
    static const QString names[KindCount] = {
        QStringLiteral("folder"),  QStringLiteral("text"),   QStringLiteral("image"),
        QStringLiteral("audio"),   QStringLiteral("video"),  QStringLiteral("archive"),
        QStringLiteral("program"), QStringLiteral("link"),   QStringLiteral("brokenLink"),
        QStringLiteral("pipe"),    QStringLiteral("device"), QStringLiteral("socket"),
        QStringLiteral("file"),
    };
    return names[kind < KindCount ? kind : quint8(File)];
}

std::mutex hookMutex;
std::function<void(const QString &)> readHook;

struct MimeKind
{
    quint8 kind = File;
    bool runnable = false; // a program when its execute bit is set
};

MimeKind mimeKind(const QMimeType &type)
{
    static const QStringList archives = {
        QStringLiteral("application/x-archive"),
        QStringLiteral("application/zip"),
        QStringLiteral("application/x-tar"),
        QStringLiteral("application/gzip"),
        QStringLiteral("application/x-bzip"),
        QStringLiteral("application/x-bzip2"),
        QStringLiteral("application/x-xz"),
        QStringLiteral("application/x-lzma"),
        QStringLiteral("application/zstd"),
        QStringLiteral("application/x-7z-compressed"),
        QStringLiteral("application/vnd.rar"),
        QStringLiteral("application/x-rar"),
        QStringLiteral("application/x-compressed-tar"),
        QStringLiteral("application/x-cpio"),
        QStringLiteral("application/x-rpm"),
        QStringLiteral("application/vnd.debian.binary-package"),
        QStringLiteral("application/x-iso9660-image"),
        QStringLiteral("application/java-archive"),
    };
    static const QStringList programs = {
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/vnd.appimage"),
    };
    MimeKind result;
    if (type.isDefault())
        return {File, true};
    const QString name = type.name();
    if (name.startsWith(QLatin1String("image/")))
        return {Image, false};
    if (name.startsWith(QLatin1String("audio/")))
        return {Audio, false};
    if (name.startsWith(QLatin1String("video/")))
        return {Video, false};
    QStringList family = type.allAncestors();
    family.prepend(name);
    for (const QString &member : std::as_const(family)) {
        if (archives.contains(member))
            return {Archive, false};
        if (programs.contains(member))
            result.runnable = true;
    }
    if (name.startsWith(QLatin1String("text/")) || type.inherits(QStringLiteral("text/plain")))
        result.kind = Text;
    return result;
}

// By the name only: reading contents would cost a read per entry. `dotted`
// is the name from its last dot on, empty when it has none.
quint8 kindOf(const Listing::Entry &entry, const QString &dotted, const QMimeDatabase &mimes,
              QHash<QString, MimeKind> &bySuffix)
{
    if (entry.isBrokenLink)
        return BrokenLink;
    if (entry.isLink)
        return Link;
    if (entry.isDir || S_ISDIR(entry.mode))
        return Folder;
    if (S_ISFIFO(entry.mode))
        return Pipe;
    if (S_ISCHR(entry.mode) || S_ISBLK(entry.mode))
        return Device;
    if (S_ISSOCK(entry.mode))
        return Socket;
    QString key;
    if (!dotted.isEmpty()) {
        // Most folders repeat a handful of extensions.
        key = dotted;
    } else if (entry.mode & 0111) {
        return Program; // what fills bin folders; spares a slow lookup each
    } else {
        // Without an extension the lookup tries every pattern of the
        // database; names like "notes1", "notes2" share their answer.
        key.reserve(entry.name.size());
        for (const QChar c : entry.name) {
            if (!c.isDigit())
                key += c;
            else if (!key.endsWith(QLatin1Char('#')))
                key += QLatin1Char('#');
        }
    }
    auto it = bySuffix.constFind(key);
    if (it == bySuffix.cend())
        it = bySuffix.insert(
            key, mimeKind(mimes.mimeTypeForFile(entry.name, QMimeDatabase::MatchExtension)));
    const MimeKind kind = *it;
    if (kind.runnable && (entry.mode & 0111))
        return Program;
    return kind.kind;
}

} // namespace

struct FolderModel::Result
{
    QString path;
    bool ok = false;
    Status failure = Missing;
    std::vector<Row> rows;
    QHash<QString, int> byName;
    std::vector<int> orders[4];  // per sort key, ties by name; empty until made
    std::vector<int> suffixRank; // Row::suffix -> place among the extensions
};

struct FolderModel::Mailbox
{
    std::mutex mutex;
    FolderModel *model = nullptr;

    // Queued while the model is known to live; its destructor drops what
    // has not been delivered.
    template <typename Deliver> void post(Deliver deliver)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!model)
            return;
        FolderModel *target = model;
        QMetaObject::invokeMethod(
            target, [target, deliver = std::move(deliver)] { deliver(target); },
            Qt::QueuedConnection);
    }
};

namespace {

// What orders the entries by a key other than the name; ties by name.
qint64 sortValue(const FolderModel::Row &row, FolderModel::SortKey key,
                 const std::vector<int> &suffixRank)
{
    switch (key) {
    case FolderModel::Size:
        return row.isDir ? qint64(-1) : row.size; // a folder's own size says nothing
    case FolderModel::Date:
        return row.modified;
    case FolderModel::Type:
        return (qint64(row.kind) << 32) + suffixRank[size_t(row.suffix)];
    case FolderModel::Name:
        break;
    }
    return 0;
}

// Sorts compact (value, place by name) pairs: no string and no entry is
// touched while sorting.
std::vector<int> orderByValue(const std::vector<int> &byName, const std::vector<qint64> &values)
{
    const size_t count = byName.size();
    std::vector<std::pair<qint64, int>> pairs(count);
    for (size_t place = 0; place < count; ++place)
        pairs[place] = {values[size_t(byName[place])], int(place)};
    std::sort(pairs.begin(), pairs.end());
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = byName[size_t(pairs[i].second)];
    return order;
}

std::vector<qint64> valuesOf(const std::vector<FolderModel::Row> &rows, FolderModel::SortKey key,
                             const std::vector<int> &suffixRank)
{
    std::vector<qint64> values(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        values[i] = sortValue(rows[i], key, suffixRank);
    return values;
}

// One share of the per-entry work, done on its own thread with its own
// collator and caches: rows, kinds, extensions, collation keys, and the share
// sorted by name.
struct Share
{
    qsizetype from = 0;
    qsizetype to = 0;
    std::vector<QCollatorSortKey> keys; // of entries from..to
    QHash<QString, int> suffixIds;      // ".JPG" -> local id
    QStringList suffixes;               // local id -> "jpg"; 0 is none

    const QCollatorSortKey &key(qsizetype entry) const { return keys[size_t(entry - from)]; }

    void run(Listing::Entry *entries, std::vector<FolderModel::Row> &rows, std::vector<int> &order,
             const std::atomic_bool &cancel)
    {
        const QMimeDatabase mimes;
        QHash<QString, MimeKind> bySuffix;
        const QCollator collator = NameOrder::collator();
        keys.reserve(size_t(to - from));
        suffixes << QString();
        for (qsizetype i = from; i < to; ++i) {
            if ((i & 1023) == 0 && cancel)
                return;
            Listing::Entry &entry = entries[i];
            FolderModel::Row &row = rows[size_t(i)];
            const qsizetype dot = entry.name.lastIndexOf(QLatin1Char('.'));
            const QString dotted = dot > 0 ? entry.name.mid(dot) : QString();
            if (!dotted.isEmpty()) {
                auto it = suffixIds.constFind(dotted);
                if (it == suffixIds.cend()) {
                    it = suffixIds.insert(dotted, int(suffixes.size()));
                    suffixes << dotted.mid(1).toCaseFolded();
                }
                row.suffix = *it;
            }
            row.kind = kindOf(entry, dotted, mimes, bySuffix);
            row.name = std::move(entry.name);
            row.folded = row.name.toCaseFolded();
            if (row.folded == row.name)
                row.folded = row.name; // one shared copy
            row.linkTarget = std::move(entry.linkTarget);
            row.size = entry.size;
            row.modified = entry.modified;
            row.isDir = entry.isDir;
            row.isLink = entry.isLink;
            row.isBrokenLink = entry.isBrokenLink;
            row.isReadable = entry.isReadable;
            row.isWritable = entry.isWritable;
            row.isHidden = row.name.startsWith(QLatin1Char('.'));
            row.hasUndecodable = PathCodec::hasUndecodable(row.name);
            keys.push_back(collator.sortKey(row.name));
        }
        for (qsizetype i = from; i < to; ++i)
            order[size_t(i)] = int(i);
        // Names equal to the collator still get one fixed order.
        std::sort(order.begin() + from, order.begin() + to,
                  [&](int a, int b) { return less(rows, a, b); });
    }

    bool less(const std::vector<FolderModel::Row> &rows, int a, int b) const
    {
        const int c = key(a).compare(key(b));
        return c != 0 ? c < 0 : rows[size_t(a)].name < rows[size_t(b)].name;
    }
};

// Everything that costs per entry happens here, on the worker: the read,
// the kinds, and the collation keys, computed once per name. Only the order
// by name and the one in use are made before the rows go to the screen.
std::shared_ptr<FolderModel::Result> prepare(const QString &path, FolderModel::SortKey inUse,
                                             const std::atomic_bool &cancel)
{
    auto result = std::make_shared<FolderModel::Result>();
    result->path = path;
    QList<Listing::Entry> entries;
    if (!Listing::read(path, Listing::Detail::Full, &entries, &cancel)) {
        if (cancel)
            return nullptr;
        struct stat status;
        const QByteArray encoded = PathCodec::encode(path);
        const int failed = ::stat(encoded.constData(), &status) == 0 ? 0 : errno;
        const bool missing =
            failed == ENOENT || failed == ENOTDIR || (failed == 0 && !S_ISDIR(status.st_mode));
        result->failure = missing ? FolderModel::Missing : FolderModel::Unreadable;
        return result;
    }

    const qsizetype count = entries.size();
    auto &rows = result->rows;
    rows.resize(size_t(count));
    std::vector<int> halves(static_cast<size_t>(count));
    Listing::Entry *data = entries.data();

    // Two shares on two threads for a big folder; a small one is not worth
    // a thread.
    constexpr qsizetype WorthASecondThread = 2048;
    Share shares[2];
    shares[0].to = count;
    std::thread second;
    if (count >= WorthASecondThread) {
        shares[0].to = shares[1].from = count / 2;
        shares[1].to = count;
        try {
            second = std::thread([&] { shares[1].run(data, rows, halves, cancel); });
        } catch (const std::system_error &) {
            shares[0].to = count;
            shares[1].from = shares[1].to = 0;
        }
    }
    shares[0].run(data, rows, halves, cancel);
    if (second.joinable())
        second.join();
    entries.clear();
    if (cancel)
        return nullptr;

    // One id per extension for the whole folder, ranked in text order.
    QHash<QString, int> suffixIds;
    QStringList distinct;
    std::vector<int> local[2];
    for (int s = 0; s < 2; ++s) {
        for (const QString &suffix : std::as_const(shares[s].suffixes)) {
            auto it = suffixIds.constFind(suffix);
            if (it == suffixIds.cend()) {
                it = suffixIds.insert(suffix, int(distinct.size()));
                distinct << suffix;
            }
            local[s].push_back(*it);
        }
    }
    for (int s = 0; s < 2; ++s)
        for (qsizetype i = shares[s].from; i < shares[s].to; ++i)
            rows[size_t(i)].suffix = local[s][size_t(rows[size_t(i)].suffix)];
    QStringList sorted = distinct;
    sorted.sort();
    result->suffixRank.resize(size_t(distinct.size()));
    for (qsizetype place = 0; place < sorted.size(); ++place)
        result->suffixRank[size_t(suffixIds.value(sorted.at(place)))] = int(place);

    // The two sorted shares merged into the order by name, while the other
    // thread indexes the names.
    std::vector<int> &byName = result->orders[FolderModel::Name];
    auto index = [&] {
        result->byName.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            result->byName.insert(rows[size_t(i)].name, int(i));
    };
    try {
        second = std::thread(index);
    } catch (const std::system_error &) {
        index();
    }
    const auto keyOf = [&](int entry) -> const QCollatorSortKey & {
        return entry < shares[0].to ? shares[0].key(entry) : shares[1].key(entry);
    };
    byName.resize(size_t(count));
    std::merge(halves.begin(), halves.begin() + shares[0].to, halves.begin() + shares[0].to,
               halves.end(), byName.begin(), [&](int a, int b) {
                   const int c = keyOf(a).compare(keyOf(b));
                   return c != 0 ? c < 0 : rows[size_t(a)].name < rows[size_t(b)].name;
               });
    if (second.joinable())
        second.join();
    if (cancel)
        return nullptr;
    if (inUse != FolderModel::Name)
        result->orders[inUse] = orderByValue(byName, valuesOf(rows, inUse, result->suffixRank));
    result->ok = true;
    return result;
}

} // namespace

FolderModel::FolderModel(QObject *parent)
    : QAbstractListModel(parent), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->model = this;
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setInterval(300);
    m_staleTimer.setSingleShot(true);
    m_staleTimer.setInterval(200);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderModel::onFolderChanged);
    connect(&m_changeTimer, &QTimer::timeout, this, [this] {
        if (!m_shownPath.isEmpty() && m_shownPath == m_path)
            request(true);
    });
    connect(&m_staleTimer, &QTimer::timeout, this, [this] {
        // A folder that takes this long should not look like the old one.
        if (m_running && m_shownPath != m_path)
            clearRows();
    });
}

FolderModel::~FolderModel()
{
    {
        std::lock_guard<std::mutex> lock(m_mailbox->mutex);
        m_mailbox->model = nullptr;
    }
    // A read held up by a dead mount stays on its own thread; its result
    // goes nowhere.
    if (m_cancel)
        *m_cancel = true;
    if (m_ordersCancel)
        *m_ordersCancel = true;
}

void FolderModel::setReadHookForTesting(std::function<void(const QString &)> hook)
{
    std::lock_guard<std::mutex> lock(hookMutex);
    readHook = std::move(hook);
}

void FolderModel::setFolder(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_path = Paths::clean(folder);
    Q_EMIT folderChanged();
    request(false);
}

void FolderModel::reload()
{
    if (m_path.isEmpty())
        return;
    request(m_path == m_shownPath);
}

void FolderModel::request(bool sameFolder)
{
    if (m_cancel)
        *m_cancel = true;
    if (m_ordersCancel)
        *m_ordersCancel = true;
    m_ordersCancel.reset();
    ++m_generation;
    m_changeTimer.stop();
    m_changedWhileRunning = false;
    if (m_path.isEmpty()) {
        m_cancel.reset();
        clearRows();
        setStatus(Ready);
        setRunning(false);
        return;
    }
    m_cancel = std::make_shared<std::atomic_bool>(false);
    if (!sameFolder)
        m_staleTimer.start();
    setRunning(true);

    try {
        std::thread([mailbox = m_mailbox, generation = m_generation, path = m_path,
                     cancel = m_cancel, inUse = m_sortKey] {
            std::function<void(const QString &)> hook;
            {
                std::lock_guard<std::mutex> lock(hookMutex);
                hook = readHook;
            }
            if (hook)
                hook(path);
            if (*cancel)
                return;
            std::shared_ptr<Result> result = prepare(path, inUse, *cancel);
            if (!result || *cancel)
                return;
            if (!result->ok) {
                mailbox->post(
                    [generation, result](FolderModel *model) { model->land(generation, result); });
                return;
            }
            // The other orders follow the rows; what they need is copied
            // first, as the rows leave with the result.
            std::vector<int> byName = result->orders[Name];
            std::vector<qint64> values[4];
            for (SortKey key : {Size, Date, Type})
                if (key != inUse)
                    values[key] = valuesOf(result->rows, key, result->suffixRank);
            mailbox->post(
                [generation, result](FolderModel *model) { model->land(generation, result); });
            auto orders = std::make_shared<std::array<std::vector<int>, 4>>();
            for (SortKey key : {Size, Date, Type}) {
                if (*cancel)
                    return;
                if (key != inUse)
                    (*orders)[key] = orderByValue(byName, values[key]);
            }
            mailbox->post([generation, orders](FolderModel *model) {
                model->landOrders(generation, std::move(*orders));
            });
        }).detach();
    } catch (const std::system_error &) {
        auto failed = std::make_shared<Result>();
        failed->path = m_path;
        failed->failure = Unreadable;
        land(m_generation, failed);
    }
}

void FolderModel::land(quint64 generation, std::shared_ptr<Result> result)
{
    if (generation != m_generation)
        return; // a newer request took its place
    m_staleTimer.stop();
    const bool sameFolder = result->path == m_shownPath;
    if (result->ok) {
        const int oldCount = count();
        const int oldTotal = totalCount();
        int unfiltered = 0;
        std::vector<int> visible = arrange(
            result->rows, orderOf(result->orders, result->rows, result->suffixRank, m_sortKey),
            &unfiltered);
        const auto takeRows = [&] {
            m_rows = std::move(result->rows);
            m_byName = std::move(result->byName);
            for (int key = 0; key < 4; ++key)
                m_orders[key] = std::move(result->orders[key]);
            m_suffixRank = std::move(result->suffixRank);
            m_rowsGeneration = generation;
            m_shownPath = result->path;
        };
        if (sameFolder) {
            Q_EMIT aboutToReload();
            showRows(std::move(visible), takeRows);
        } else {
            beginResetModel();
            takeRows();
            m_visible = std::move(visible);
            indexRows();
            endResetModel();
            if (count() != oldCount)
                Q_EMIT countChanged();
        }
        if (totalCount() != oldTotal)
            Q_EMIT totalCountChanged();
        setUnfiltered(unfiltered);
        watch(m_shownPath);
        setStatus(m_rows.empty() ? Empty : Ready);
        if (sameFolder)
            Q_EMIT reloaded();
        else
            Q_EMIT loaded();
    } else {
        const bool wasShown = sameFolder || (m_status == Gone && result->path == m_path);
        clearRows();
        watch(QString());
        setStatus(wasShown && result->failure == Missing ? Gone : result->failure);
        if (!sameFolder)
            Q_EMIT loaded();
    }
    m_ordersCancel = std::move(m_cancel);
    setRunning(false);
    if (m_changedWhileRunning) {
        m_changedWhileRunning = false;
        m_changeTimer.start();
    }
}

void FolderModel::clearRows()
{
    const int oldCount = count();
    const int oldTotal = totalCount();
    beginResetModel();
    m_rows.clear();
    m_visible.clear();
    m_rowOf.clear();
    m_byName.clear();
    for (std::vector<int> &order : m_orders)
        order.clear();
    m_suffixRank.clear();
    m_rowsGeneration = 0;
    m_shownPath.clear();
    endResetModel();
    if (oldCount != 0)
        Q_EMIT countChanged();
    if (oldTotal != 0)
        Q_EMIT totalCountChanged();
    setUnfiltered(0);
}

// Which entries show, in which order: a walk over the order the worker made
// for the sort key, each entry dropped into its group (hidden last, folders
// first), so that a new choice costs no comparison at all.
std::vector<int> FolderModel::arrange(const std::vector<Row> &rows, const std::vector<int> &order,
                                      int *unfiltered) const
{
    const bool filtered = !m_filterText.isEmpty();
    const QStringMatcher matcher(m_foldedFilter);
    const bool single = m_foldedFilter.size() == 1; // a plain character search is faster
    const bool hiddenLast = m_hiddenLast && m_showHidden;
    std::vector<int> groups[4];
    const qsizetype size = qsizetype(order.size());
    *unfiltered = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const int entry = order[m_ascending ? i : size - 1 - i];
        const Row &row = rows[entry];
        if (row.isHidden && !m_showHidden)
            continue;
        ++*unfiltered;
        if (filtered && !(single ? row.folded.contains(m_foldedFilter.front())
                                 : matcher.indexIn(row.folded) >= 0))
            continue;
        groups[(hiddenLast && row.isHidden ? 2 : 0) + (m_foldersFirst && !row.isDir ? 1 : 0)]
            .push_back(entry);
    }
    std::vector<int> visible;
    visible.reserve(groups[0].size() + groups[1].size() + groups[2].size() + groups[3].size());
    for (const std::vector<int> &group : groups)
        visible.insert(visible.end(), group.cbegin(), group.cend());
    return visible;
}

void FolderModel::indexRows()
{
    m_rowOf.assign(m_rows.size(), -1);
    for (size_t row = 0; row < m_visible.size(); ++row)
        m_rowOf[size_t(m_visible[row])] = int(row);
}

// Puts a new choice or order of the entries on show without a reset, so
// that a view keeps its delegates and its place and only refreshes what it
// shows: on a big folder, the difference between a stall and none. The count
// changes at the tail first; then a layout change swaps in the entries (and,
// with takeRows, the rows read anew from disk).
void FolderModel::showRows(std::vector<int> visible, const std::function<void()> &takeRows)
{
    const int oldCount = count();
    const int newCount = int(visible.size());
    if (oldCount == 0) {
        if (takeRows)
            takeRows();
        if (newCount > 0)
            beginInsertRows({}, 0, newCount - 1);
        m_visible = std::move(visible);
        indexRows();
        if (newCount > 0) {
            endInsertRows();
            Q_EMIT countChanged();
        }
        return;
    }
    if (newCount < oldCount) {
        beginRemoveRows({}, newCount, oldCount - 1);
        m_visible.resize(size_t(newCount));
        endRemoveRows();
    } else if (newCount > oldCount) {
        // Until the swap below, the new rows show entries of the rows at hand.
        beginInsertRows({}, oldCount, newCount - 1);
        if (takeRows)
            m_visible.resize(size_t(newCount), m_visible.back());
        else
            m_visible.insert(m_visible.cend(), visible.cbegin() + oldCount, visible.cend());
        endInsertRows();
    }
    // Listeners make their own persistent indexes as the change is announced.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The rows added above stand in for others and are not followed.
    const QModelIndexList persistent = persistentIndexList();
    QStringList names;
    for (const QModelIndex &index : persistent)
        names.append(index.row() < oldCount ? m_rows[size_t(m_visible[size_t(index.row())])].name
                                            : QString());
    if (takeRows)
        takeRows();
    m_visible = std::move(visible);
    indexRows();
    QModelIndexList moved;
    for (const QString &name : std::as_const(names)) {
        const int entry = name.isEmpty() ? -1 : m_byName.value(name, -1);
        const int row = entry < 0 ? -1 : m_rowOf[size_t(entry)];
        moved.append(row < 0 ? QModelIndex() : index(row));
    }
    changePersistentIndexList(persistent, moved);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    if (count() != oldCount)
        Q_EMIT countChanged();
}

void FolderModel::setUnfiltered(int unfiltered)
{
    if (unfiltered == m_unfiltered)
        return;
    m_unfiltered = unfiltered;
    Q_EMIT unfilteredCountChanged();
}

void FolderModel::landOrders(quint64 generation, std::array<std::vector<int>, 4> orders)
{
    if (generation != m_rowsGeneration)
        return; // the rows they order are gone
    for (int key = 0; key < 4; ++key)
        if (m_orders[key].size() != m_rows.size() && orders[key].size() == m_rows.size())
            m_orders[key] = std::move(orders[key]);
}

// An order asked for before the worker sent it is made here; it costs a sort
// of plain numbers.
const std::vector<int> &FolderModel::orderOf(std::vector<int> (&orders)[4],
                                             const std::vector<Row> &rows,
                                             const std::vector<int> &suffixRank, SortKey key)
{
    std::vector<int> &order = orders[key];
    if (order.size() != rows.size() && key != Name)
        order = orderByValue(orders[Name], valuesOf(rows, key, suffixRank));
    return order;
}

void FolderModel::applyArrangement()
{
    if (m_rows.empty())
        return;
    Q_EMIT aboutToReload();
    int unfiltered = 0;
    showRows(arrange(m_rows, orderOf(m_orders, m_rows, m_suffixRank, m_sortKey), &unfiltered));
    setUnfiltered(unfiltered);
    Q_EMIT reloaded();
}

void FolderModel::setSortKey(SortKey key)
{
    if (key == m_sortKey)
        return;
    m_sortKey = key;
    applyArrangement();
    Q_EMIT sortKeyChanged();
}

void FolderModel::setAscending(bool ascending)
{
    if (ascending == m_ascending)
        return;
    m_ascending = ascending;
    applyArrangement();
    Q_EMIT ascendingChanged();
}

void FolderModel::setFoldersFirst(bool foldersFirst)
{
    if (foldersFirst == m_foldersFirst)
        return;
    m_foldersFirst = foldersFirst;
    applyArrangement();
    Q_EMIT foldersFirstChanged();
}

void FolderModel::setShowHidden(bool showHidden)
{
    if (showHidden == m_showHidden)
        return;
    m_showHidden = showHidden;
    applyArrangement();
    Q_EMIT showHiddenChanged();
}

void FolderModel::setHiddenLast(bool hiddenLast)
{
    if (hiddenLast == m_hiddenLast)
        return;
    m_hiddenLast = hiddenLast;
    applyArrangement();
    Q_EMIT hiddenLastChanged();
}

void FolderModel::setFilterText(const QString &text)
{
    if (text == m_filterText)
        return;
    const QString folded = text.toCaseFolded();
    const bool narrower = !m_foldedFilter.isEmpty() && folded.contains(m_foldedFilter);
    m_filterText = text;
    m_foldedFilter = folded;
    if (narrower && !m_rows.empty()) {
        // A keystroke that extends the filter can only drop rows: check the
        // ones shown, in their order, instead of every entry.
        Q_EMIT aboutToReload();
        const QStringMatcher matcher(folded);
        std::vector<int> kept;
        kept.reserve(m_visible.size());
        for (const int entry : m_visible) {
            if (matcher.indexIn(m_rows[entry].folded) >= 0)
                kept.push_back(entry);
        }
        showRows(std::move(kept));
        Q_EMIT reloaded();
    } else {
        applyArrangement();
    }
    Q_EMIT filterTextChanged();
}

void FolderModel::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    Q_EMIT runningChanged();
}

void FolderModel::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void FolderModel::watch(const QString &folder)
{
    const QStringList watched = m_watcher.directories();
    if (watched.size() == 1 && watched.first() == folder)
        return;
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!folder.isEmpty())
        m_watcher.addPath(folder);
}

void FolderModel::onFolderChanged()
{
    if (m_shownPath.isEmpty() || m_shownPath != m_path)
        return;
    // A busy folder changes many times a second: one read for a burst, and
    // one more after a read that a change overtook.
    if (m_running)
        m_changedWhileRunning = true;
    else if (!m_changeTimer.isActive())
        m_changeTimer.start();
}

int FolderModel::indexOfPath(const QString &path) const
{
    const QString clean = Paths::clean(path);
    const qsizetype cut = clean.lastIndexOf(QLatin1Char('/'));
    if (cut < 0 || cut == clean.size() - 1 || m_shownPath.isEmpty())
        return -1;
    const QString parent = cut == 0 ? QStringLiteral("/") : clean.left(cut);
    if (parent != m_shownPath)
        return -1;
    const auto it = m_byName.constFind(clean.mid(cut + 1));
    return it == m_byName.cend() ? -1 : m_rowOf[*it];
}

int FolderModel::nextMatch(const QString &prefix, int from) const
{
    const int rows = count();
    if (prefix.isEmpty() || rows == 0)
        return -1;
    if (from < 0 || from >= rows)
        from = 0;
    const QString folded = prefix.toCaseFolded();
    for (int step = 0; step < rows; ++step) {
        const int row = (from + step) % rows;
        if (m_rows[m_visible[row]].folded.startsWith(folded))
            return row;
    }
    return -1;
}

QString FolderModel::displayName(const QString &name)
{
    if (!PathCodec::hasUndecodable(name))
        return name;
    QString shown;
    shown.reserve(name.size() + 8);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name.at(i).unicode();
        if (unit >= 0xDC80 && unit <= 0xDCFF && (i == 0 || !name.at(i - 1).isHighSurrogate()))
            shown += QStringLiteral("\\x") + QString::number(unit - 0xDC00, 16).toUpper();
        else
            shown += name.at(i);
    }
    return shown;
}

int FolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant FolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    const Row &row = m_rows[m_visible[index.row()]];
    switch (role) {
    case Qt::DisplayRole:
    case DisplayNameRole:
        return row.hasUndecodable ? displayName(row.name) : row.name;
    case FileNameRole:
        return row.name;
    case PathRole:
        return m_shownPath;
    case CompletePathRole: {
        QString complete = m_shownPath + QLatin1Char('/') + row.name;
        if (row.isDir)
            complete += QLatin1Char('/');
        return complete;
    }
    case IsDirRole:
        return row.isDir;
    case IsReadableRole:
        return row.isReadable;
    case IsWritableRole:
        return row.isWritable;
    case SizeRole:
        return row.size;
    case ModifiedRole:
        return row.modified != 0 ? QDateTime::fromMSecsSinceEpoch(row.modified) : QDateTime();
    case KindRole:
        return kindName(row.kind);
    case IsLinkRole:
        return row.isLink;
    case IsBrokenLinkRole:
        return row.isBrokenLink;
    case LinkTargetRole:
        return row.linkTarget;
    case IsHiddenRole:
        return row.isHidden;
    case HasUndecodableRole:
        return row.hasUndecodable;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> FolderModel::roleNames() const
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
        {KindRole, "kind"},
        {IsLinkRole, "isLink"},
        {IsBrokenLinkRole, "isBrokenLink"},
        {LinkTargetRole, "linkTarget"},
        {IsHiddenRole, "isHidden"},
        {DisplayNameRole, "displayName"},
        {HasUndecodableRole, "hasUndecodable"},
    };
}

QVariantMap FolderModel::get(int row) const
{
    QVariantMap entry;
    if (row < 0 || row >= count())
        return entry;
    const QModelIndex at = index(row);
    const QHash<int, QByteArray> roles = roleNames();
    for (auto it = roles.cbegin(); it != roles.cend(); ++it)
        entry.insert(QString::fromLatin1(it.value()), data(at, it.key()));
    return entry;
}
