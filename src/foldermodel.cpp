#include "foldermodel.h"

#include "listing.h"
#include "pathcodec.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMimeDatabase>
#include <QSet>
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

// The folder as its entries report it: one leading "/", none at the end.
QString cleanFolder(const QString &folder)
{
    return folder.isEmpty() ? folder : QDir::cleanPath(folder);
}

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

// By the name only: reading contents would cost a read per entry.
quint8 kindOf(const Listing::Entry &entry, const QMimeDatabase &mimes,
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
    MimeKind kind;
    const qsizetype dot = entry.name.lastIndexOf(QLatin1Char('.'));
    QString key;
    if (dot > 0) {
        // Most folders repeat a handful of extensions.
        key = entry.name.mid(dot);
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
    kind = *it;
    if (kind.runnable && (entry.mode & 0111))
        return Program;
    return kind.kind;
}

QString suffixOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.mid(dot + 1).toCaseFolded() : QString();
}

} // namespace

struct FolderModel::Result
{
    QString path;
    bool ok = false;
    Status failure = Missing;
    std::vector<Row> rows;
    QHash<QString, int> byName;
    std::vector<int> orders[4]; // per sort key, ties by name
};

struct FolderModel::Mailbox
{
    std::mutex mutex;
    FolderModel *model = nullptr;

    // Queued while the model is known to live; its destructor drops what
    // has not been delivered.
    void post(quint64 generation, std::shared_ptr<Result> result)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!model)
            return;
        FolderModel *target = model;
        QMetaObject::invokeMethod(
            target, [target, generation, result] { target->land(generation, result); },
            Qt::QueuedConnection);
    }
};

namespace {

// Everything that costs per entry happens here, on the worker: the read,
// the kinds, and the collation keys, computed once per name.
std::shared_ptr<FolderModel::Result> prepare(const QString &path, const std::atomic_bool &cancel)
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
    rows.resize(count);
    QMimeDatabase mimes;
    QHash<QString, MimeKind> bySuffix;
    QCollator collator;
    // The C locale's collator ignores numeric mode: "file10" before "file2".
    if (collator.locale().language() == QLocale::C)
        collator.setLocale(QLocale(QLocale::English));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(count);
    std::vector<QString> suffixes(count);
    QSet<QString> suffixSet;
    result->byName.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        if ((i & 1023) == 0 && cancel)
            return nullptr;
        Listing::Entry &entry = entries[i];
        FolderModel::Row &row = rows[i];
        row.kind = kindOf(entry, mimes, bySuffix);
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
        suffixes[i] = suffixOf(row.name);
        suffixSet.insert(suffixes[i]);
        result->byName.insert(row.name, int(i));
    }
    entries.clear();
    if (cancel)
        return nullptr;

    // Every order the person can choose, made here once: on the UI thread a
    // new choice is then a walk over one of them, without a comparison.
    std::vector<int> nameRank(count);
    std::vector<int> &byName = result->orders[FolderModel::Name];
    byName.resize(count);
    for (qsizetype i = 0; i < count; ++i)
        byName[i] = int(i);
    // Names equal to the collator still get one fixed order.
    std::sort(byName.begin(), byName.end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : rows[a].name < rows[b].name;
    });
    keys.clear();
    for (qsizetype i = 0; i < count; ++i)
        nameRank[byName[i]] = int(i);
    if (cancel)
        return nullptr;

    // Each other order sorts compact (key, place by name) pairs: no string
    // and no entry is touched while sorting.
    std::vector<std::pair<qint64, int>> pairs(count);
    auto orderBy = [&](FolderModel::SortKey sortKey, auto keyOf) {
        for (qsizetype i = 0; i < count; ++i)
            pairs[i] = {keyOf(int(i)), nameRank[i]};
        std::sort(pairs.begin(), pairs.end());
        std::vector<int> &order = result->orders[sortKey];
        order.resize(count);
        for (qsizetype i = 0; i < count; ++i)
            order[i] = byName[pairs[i].second];
    };
    // A folder's own size says nothing about what it holds.
    orderBy(FolderModel::Size, [&](int i) { return rows[i].isDir ? qint64(-1) : rows[i].size; });
    orderBy(FolderModel::Date, [&](int i) { return rows[i].modified; });
    QStringList distinct(suffixSet.cbegin(), suffixSet.cend());
    distinct.sort();
    QHash<QString, int> suffixRank;
    for (int i = 0; i < distinct.size(); ++i)
        suffixRank.insert(distinct.at(i), i);
    orderBy(FolderModel::Type,
            [&](int i) { return (qint64(rows[i].kind) << 32) + suffixRank.value(suffixes[i]); });
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
    m_path = cleanFolder(folder);
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
                     cancel = m_cancel] {
            std::function<void(const QString &)> hook;
            {
                std::lock_guard<std::mutex> lock(hookMutex);
                hook = readHook;
            }
            if (hook)
                hook(path);
            if (*cancel)
                return;
            std::shared_ptr<Result> result = prepare(path, *cancel);
            if (result && !*cancel)
                mailbox->post(generation, std::move(result));
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
        if (sameFolder)
            Q_EMIT aboutToReload();
        const int oldCount = count();
        const int oldTotal = totalCount();
        beginResetModel();
        m_rows = std::move(result->rows);
        m_byName = std::move(result->byName);
        for (int key = 0; key < 4; ++key)
            m_orders[key] = std::move(result->orders[key]);
        m_shownPath = result->path;
        arrange();
        endResetModel();
        if (count() != oldCount)
            Q_EMIT countChanged();
        if (totalCount() != oldTotal)
            Q_EMIT totalCountChanged();
        setUnfiltered(m_pendingUnfiltered);
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
    m_cancel.reset();
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
void FolderModel::arrange()
{
    const bool filtered = !m_filterText.isEmpty();
    const QStringMatcher matcher(m_foldedFilter);
    const bool single = m_foldedFilter.size() == 1; // a plain character search is faster
    const bool hiddenLast = m_hiddenLast && m_showHidden;
    std::vector<int> groups[4];
    const std::vector<int> &order = m_orders[m_sortKey];
    const qsizetype size = qsizetype(order.size());
    int unfiltered = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const int entry = order[m_ascending ? i : size - 1 - i];
        const Row &row = m_rows[entry];
        if (row.isHidden && !m_showHidden)
            continue;
        ++unfiltered;
        if (filtered && !(single ? row.folded.contains(m_foldedFilter.front())
                                 : matcher.indexIn(row.folded) >= 0))
            continue;
        groups[(hiddenLast && row.isHidden ? 2 : 0) + (m_foldersFirst && !row.isDir ? 1 : 0)]
            .push_back(entry);
    }
    m_visible.clear();
    m_visible.reserve(groups[0].size() + groups[1].size() + groups[2].size() + groups[3].size());
    for (const std::vector<int> &group : groups)
        m_visible.insert(m_visible.end(), group.cbegin(), group.cend());
    m_rowOf.assign(m_rows.size(), -1);
    for (size_t row = 0; row < m_visible.size(); ++row)
        m_rowOf[m_visible[row]] = int(row);
    m_pendingUnfiltered = unfiltered;
}

void FolderModel::setUnfiltered(int unfiltered)
{
    if (unfiltered == m_unfiltered)
        return;
    m_unfiltered = unfiltered;
    Q_EMIT unfilteredCountChanged();
}

void FolderModel::applyArrangement()
{
    if (m_rows.empty())
        return;
    Q_EMIT aboutToReload();
    const int oldCount = count();
    beginResetModel();
    arrange();
    endResetModel();
    if (count() != oldCount)
        Q_EMIT countChanged();
    setUnfiltered(m_pendingUnfiltered);
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
        const int oldCount = count();
        beginResetModel();
        const QStringMatcher matcher(folded);
        std::vector<int> kept;
        kept.reserve(m_visible.size());
        for (const int entry : m_visible) {
            if (matcher.indexIn(m_rows[entry].folded) >= 0)
                kept.push_back(entry);
            else
                m_rowOf[entry] = -1;
        }
        m_visible = std::move(kept);
        for (size_t row = 0; row < m_visible.size(); ++row)
            m_rowOf[m_visible[row]] = int(row);
        endResetModel();
        if (count() != oldCount)
            Q_EMIT countChanged();
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
    const QString clean = cleanFolder(path);
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
