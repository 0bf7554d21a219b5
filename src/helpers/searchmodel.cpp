// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchmodel.h"

#include "foldermodel.h"

#include <QDir>
#include <QThread>

#include <mutex>

struct SearchModel::Mailbox
{
    std::mutex mutex;
    SearchModel *model = nullptr;

    void post()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (model)
            QMetaObject::invokeMethod(
                model, [target = model] { target->land(false); }, Qt::QueuedConnection);
    }
    void close()
    {
        std::lock_guard<std::mutex> lock(mutex);
        model = nullptr;
    }
};

namespace {

// Often enough to look live, seldom enough that inserting rows never
// crowds out drawing.
constexpr int CooldownMs = 50;

} // namespace

SearchModel::SearchModel(QObject *parent)
    : EntryRows(parent), m_threads(std::max(2, QThread::idealThreadCount()))
{
    m_cooldown.setSingleShot(true);
    m_cooldown.setInterval(CooldownMs);
    connect(&m_cooldown, &QTimer::timeout, this, [this] { land(true); });
}

SearchModel::~SearchModel()
{
    stopWalk();
}

void SearchModel::setShowHidden(bool show)
{
    if (m_showHidden == show)
        return;
    m_showHidden = show;
    Q_EMIT showHiddenChanged();
}

void SearchModel::setCrossFileSystems(bool cross)
{
    if (m_crossFileSystems == cross)
        return;
    m_crossFileSystems = cross;
    Q_EMIT crossFileSystemsChanged();
}

void SearchModel::setContents(bool contents)
{
    if (m_contents == contents)
        return;
    m_contents = contents;
    Q_EMIT contentsChanged();
}

void SearchModel::stopWalk()
{
    m_cooldown.stop();
    if (m_mailbox)
        m_mailbox->close();
    m_mailbox.reset();
    if (m_walk)
        m_walk->cancel();
    m_walk.reset();
}

void SearchModel::search(const QString &folder, const QString &query)
{
    const bool wasRunning = isRunning();
    stopWalk();
    clear();
    if (m_folder != folder) {
        m_folder = folder;
        Q_EMIT folderChanged();
    }
    if (m_query != query) {
        m_query = query;
        Q_EMIT queryChanged();
    }
    m_firstDelayMs = -1;
    if (!query.trimmed().isEmpty() && !folder.isEmpty()) {
        SearchWalk::Options options;
        options.root = folder;
        options.query = query;
        options.includeHidden = m_showHidden;
        options.crossFileSystems = m_crossFileSystems;
        options.contents = m_contents;
        options.threads = m_threads;
        m_mailbox = std::make_shared<Mailbox>();
        m_mailbox->model = this;
        m_walk = SearchWalk::start(options, [mailbox = m_mailbox] { mailbox->post(); });
    }
    if (wasRunning != isRunning())
        Q_EMIT runningChanged();
}

void SearchModel::cancel()
{
    if (!m_walk)
        return;
    stopWalk();
    Q_EMIT runningChanged();
}

void SearchModel::clear()
{
    if (!m_hits.empty()) {
        beginResetModel();
        m_hits.clear();
        endResetModel();
        Q_EMIT countChanged();
    }
    if (m_folders || m_skipped || m_truncated) {
        m_folders = m_skipped = 0;
        m_truncated = false;
        Q_EMIT progressChanged();
    }
}

void SearchModel::land(bool fromCooldown)
{
    if (!m_walk)
        return;
    SearchWalk::Batch batch = m_walk->take(fromCooldown);
    if (batch.isEmpty())
        return; // rearmed: the next find wakes this again
    if (!batch.hits.empty()) {
        if (m_firstDelayMs < 0)
            m_firstDelayMs = std::chrono::duration<double, std::milli>(
                                 std::chrono::steady_clock::now() - batch.firstFound)
                                 .count();
        const int first = count();
        beginInsertRows(QModelIndex(), first, first + int(batch.hits.size()) - 1);
        m_hits.reserve(m_hits.size() + batch.hits.size());
        for (SearchWalk::Hit &hit : batch.hits)
            m_hits.push_back(std::move(hit));
        endInsertRows();
        Q_EMIT countChanged();
    }
    if (batch.folders != m_folders || batch.skipped != m_skipped ||
        batch.truncated != m_truncated) {
        m_folders = batch.folders;
        m_skipped = batch.skipped;
        m_truncated = batch.truncated;
        Q_EMIT progressChanged();
    }
    if (batch.finished) {
        const bool byItself = !m_walk->isCancelled() || batch.truncated;
        stopWalk();
        Q_EMIT runningChanged();
        if (byItself)
            Q_EMIT finished();
        return;
    }
    m_cooldown.start();
}

int SearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return QVariant();
    const SearchWalk::Hit &hit = m_hits[size_t(index.row())];
    const Listing::Entry &entry = hit.entry;
    switch (role) {
    case PathRole:
        return hit.folder;
    case CompletePathRole: {
        QString complete = hit.folder;
        if (!complete.endsWith(QLatin1Char('/')))
            complete += QLatin1Char('/');
        complete += entry.name;
        if (entry.isDir)
            complete += QLatin1Char('/');
        return complete;
    }
    case InContentsRole:
        return hit.inContents;
    case RelativeFolderRole: {
        // The walk names folders from the cleaned root ("/" alone keeps its slash).
        const QString root = QDir::cleanPath(m_folder);
        if (hit.folder.size() <= root.size())
            return QString();
        return FolderModel::displayName(hit.folder.mid(root.size() + (root.endsWith('/') ? 0 : 1)));
    }
    default:
        return entryData(entry, role);
    }
}

QHash<int, QByteArray> SearchModel::roleNames() const
{
    QHash<int, QByteArray> names = entryRoleNames();
    names.insert(QHash<int, QByteArray>{{RelativeFolderRole, "relativeFolder"},
                                        {InContentsRole, "inContents"}});
    return names;
}
