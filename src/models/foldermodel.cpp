// SPDX-License-Identifier: GPL-3.0-or-later
#include "foldermodel.h"

#include "classifier.h"
#include "fileprobe.h"
#include "paths.h"
#include "shownnames.h"

#include <QImageReader>
#include <QMimeType>
#include <QSet>

#include <mutex>
#include <system_error>

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

FolderModel::FolderModel(QObject *parent)
    : EntryRows(parent), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->model = this;
    m_changeTimer.setSingleShot(true);
    m_changeTimer.setInterval(300);
    m_staleTimer.setSingleShot(true);
    m_staleTimer.setInterval(200);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString &path) {
        if (path == m_parent)
            onParentChanged();
        else
            onFolderChanged();
    });
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
    FolderWorker::setReadHook(std::move(hook));
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
        const quint64 generation = m_generation;
        std::shared_ptr<Mailbox> mailbox = m_mailbox;
        FolderWorker::start(
            m_path, EntryOrder::Key(m_sortKey), m_cancel,
            [mailbox, generation](std::shared_ptr<FolderWorker::Result> result) {
                mailbox->post(
                    [generation, result](FolderModel *model) { model->land(generation, result); });
            },
            [mailbox, generation](std::shared_ptr<FolderWorker::Orders> orders) {
                mailbox->post([generation, orders](FolderModel *model) {
                    model->landOrders(generation, orders);
                });
            });
    } catch (const std::system_error &) {
        auto failed = std::make_shared<FolderWorker::Result>();
        failed->path = m_path;
        failed->missing = false;
        land(m_generation, failed);
    }
}

void FolderModel::land(quint64 generation, std::shared_ptr<FolderWorker::Result> result)
{
    if (generation != m_generation)
        return; // a newer request took its place
    m_staleTimer.stop();
    const bool sameFolder = result->path == m_shownPath;
    if (result->ok) {
        const int oldCount = count();
        const int oldTotal = totalCount();
        int unfiltered = 0;
        EntryOrder::Order visible =
            EntryOrder::arrange(result->rows,
                                EntryOrder::orderOf(result->orders, result->rows,
                                                    result->suffixRank, EntryOrder::Key(m_sortKey)),
                                arrangement(), &unfiltered);
        const auto takeRows = [&] {
            m_rows = std::move(result->rows);
            m_byName = std::move(result->byName);
            for (int key = 0; key < EntryOrder::KeyCount; ++key)
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
        m_identity = result->identity;
        watch(m_shownPath);
        setStatus(m_rows.empty() ? Empty : Ready);
        if (sameFolder)
            Q_EMIT reloaded();
        else
            Q_EMIT loaded();
    } else {
        const bool wasShown = sameFolder || (m_status == Gone && result->path == m_path);
        clearRows();
        m_identity = 0;
        watch(QString());
        const Status failure = result->missing ? Missing : Unreadable;
        setStatus(wasShown && failure == Missing ? Gone : failure);
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

EntryOrder::Arrangement FolderModel::arrangement() const
{
    return {m_ascending, m_foldersFirst, m_showHidden, m_hiddenLast, m_foldedFilter};
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

void FolderModel::landOrders(quint64 generation, std::shared_ptr<FolderWorker::Orders> orders)
{
    if (generation != m_rowsGeneration)
        return; // the rows they order are gone
    for (int key = 0; key < EntryOrder::KeyCount; ++key)
        if (m_orders[key].size() != m_rows.size() && (*orders)[key].size() == m_rows.size())
            m_orders[key] = std::move((*orders)[key]);
}

void FolderModel::applyArrangement()
{
    if (m_rows.empty())
        return;
    Q_EMIT aboutToReload();
    int unfiltered = 0;
    showRows(EntryOrder::arrange(
        m_rows, EntryOrder::orderOf(m_orders, m_rows, m_suffixRank, EntryOrder::Key(m_sortKey)),
        arrangement(), &unfiltered));
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
        EntryOrder::Order kept = EntryOrder::narrow(m_rows, m_visible, folded);
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
    // The folder's parent tells when the folder is moved away, replaced (by
    // a link, say) or made readable again, which the folder's own watch
    // cannot: it follows the old folder, or cannot be set at all.
    m_parent = m_path.isEmpty() || m_path == QLatin1String("/")
                   ? QString()
                   : Paths::clean(Paths::parentOf(m_path));
    QStringList wanted;
    for (const QString &path : {folder, m_parent})
        if (!path.isEmpty())
            wanted.append(path);
    const QStringList watched = m_watcher.directories();
    if (watched == wanted)
        return;
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

void FolderModel::onParentChanged()
{
    if (m_path.isEmpty() || m_running || m_checkingParent)
        return;
    if (m_status == Missing || m_status == Unreadable || m_status == Gone) {
        request(false);
        return;
    }
    // A change beside the folder is common; only another folder in its
    // place is read again. Asked on a worker, as the mount may not answer.
    m_checkingParent = true;
    const QString path = m_path;
    FileProbe::runOffThread<quint64>(
        this, [path] { return FolderWorker::identityOf(path); },
        [this, path](quint64 identity) {
            m_checkingParent = false;
            if (path == m_path && path == m_shownPath && !m_running && identity != m_identity)
                request(true);
        });
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
    return ShownNames::name(name);
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
    case PathRole:
        return m_shownPath;
    case CompletePathRole: {
        QString complete = m_shownPath + QLatin1Char('/') + row.name;
        if (row.isDir)
            complete += QLatin1Char('/');
        return complete;
    }
    case KindRole:
        return Classifier::kindName(FileKind::Kind(row.kind));
    case FileKindRole:
        return int(row.kind);
    case MimeTypeRole:
        return Classifier::mimeType(row.mime).name();
    case KindWordsRole:
        return Classifier::mimeType(row.mime).comment();
    case IconNamesRole:
        return Classifier::iconNames(Classifier::mimeType(row.mime), FileKind::Kind(row.kind),
                                     row.isDir);
    case GlyphRole:
        return int(Classifier::glyphOf(FileKind::Kind(row.kind), row.isDir));
    case GlyphTextRole:
        return Classifier::symbol(Classifier::glyphOf(FileKind::Kind(row.kind), row.isDir));
    case NameAlteredRole:
        return row.nameAltered;
    default:
        return entryData(row, role);
    }
}

QHash<int, QByteArray> FolderModel::roleNames() const
{
    QHash<int, QByteArray> names = entryRoleNames();
    names.insert(QHash<int, QByteArray>{
        {KindRole, "kind"},
        {FileKindRole, "fileKind"},
        {MimeTypeRole, "mimeType"},
        {KindWordsRole, "kindWords"},
        {IconNamesRole, "iconNames"},
        {GlyphRole, "glyph"},
        {GlyphTextRole, "glyphText"},
        {NameAlteredRole, "nameAltered"},
    });
    return names;
}

namespace {

// Types this build decodes, by MIME name.
bool decodable(const QString &mime)
{
    static const QSet<QString> decoded = [] {
        QSet<QString> names;
        for (const QByteArray &name : QImageReader::supportedMimeTypes())
            names.insert(QString::fromLatin1(name));
        return names;
    }();
    return decoded.contains(mime);
}

} // namespace

QStringList FolderModel::pictureCandidates(const QString &path, int direction) const
{
    const int own = indexOfPath(path);
    const QString folder = Paths::folderForm(m_shownPath);
    const int step = direction < 0 ? -1 : 1;
    QStringList candidates;
    if (own < 0 && step < 0)
        return candidates;
    QHash<quint16, bool> named;
    for (int row = own < 0 ? 0 : own + step;
         row >= 0 && row < count() && candidates.size() < MaxPictureCandidates; row += step) {
        const Row &entry = m_rows[size_t(m_visible[size_t(row)])];
        if (entry.kind == FileKind::Image) {
            auto it = named.constFind(entry.mime);
            if (it == named.cend())
                it = named.insert(entry.mime, decodable(Classifier::mimeType(entry.mime).name()));
            if (*it) {
                candidates << folder + entry.name;
                break;
            }
        } else if (entry.kind == FileKind::File && Classifier::mimeType(entry.mime).isDefault()) {
            candidates << folder + entry.name;
        }
    }
    return candidates;
}

QVariantMap FolderModel::pictureNeighbours(const QString &path) const
{
    QHash<quint16, bool> readable;
    const int own = indexOfPath(path);
    const QString folder = Paths::folderForm(m_shownPath);
    QString previous, next;
    int index = -1;
    int count = 0;
    for (int row = 0; row < this->count(); ++row) {
        const Row &entry = m_rows[size_t(m_visible[size_t(row)])];
        bool picture = row == own;
        if (!picture && entry.kind == FileKind::Image) {
            auto it = readable.constFind(entry.mime);
            if (it == readable.cend())
                it =
                    readable.insert(entry.mime, decodable(Classifier::mimeType(entry.mime).name()));
            picture = *it;
        }
        if (!picture)
            continue;
        if (row == own)
            index = count;
        else if (own < 0 || row < own)
            previous = entry.name;
        else if (next.isEmpty())
            next = entry.name;
        ++count;
    }
    if (own < 0)
        previous.clear();
    return {{QStringLiteral("previous"), previous.isEmpty() ? QString() : folder + previous},
            {QStringLiteral("next"), next.isEmpty() ? QString() : folder + next},
            {QStringLiteral("index"), index},
            {QStringLiteral("count"), count}};
}
