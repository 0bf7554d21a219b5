#include "places.h"

#include "filecopy.h"
#include "fileprobe.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDir>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStorageInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isFolder(const QString &path)
{
    struct stat status;
    return !path.contains(QChar(0)) && ::stat(PathCodec::encode(path).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode);
}

// Volumes a person put there: devices and network shares, not the system's
// own pseudo file systems, the root (listed already) or snap loop mounts.
QList<Places::Row> readVolumes()
{
    QList<Places::Row> rows;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const QByteArray device = volume.device();
        const QByteArray type = volume.fileSystemType();
        const bool network = type.startsWith("nfs") || type == "cifs" || type == "smb3" ||
                             type.startsWith("fuse.sshfs");
        if (!volume.isValid() || root == QLatin1String("/") ||
            (!device.startsWith("/dev/") && !network) || device.startsWith("/dev/loop") ||
            root.startsWith(QLatin1String("/boot")) || root.startsWith(QLatin1String("/snap/")))
            continue;
        Places::Row row;
        row.path = Paths::folderForm(root);
        row.name = volume.displayName();
        if (row.name.isEmpty() || row.name == root)
            row.name = Paths::lastName(root);
        row.section = QStringLiteral("volumes");
        row.icon = network ? QStringLiteral("folder-remote") : QStringLiteral("drive-harddisk");
        if (volume.isReady())
            row.detail =
                Places::tr("%1 free").arg(QLocale().formattedDataSize(volume.bytesAvailable()));
        rows.append(row);
    }
    return rows;
}

} // namespace

Places::Places(QObject *parent)
    : QAbstractListModel(parent), m_sharedFolder(FileCopy::documentsFolder())
{
    rebuild();
    refreshVolumes();
    // The kernel marks the mount table with an exceptional condition
    // whenever a volume comes or goes.
    m_mountsFd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountsFd >= 0) {
        m_mounts = std::make_unique<QSocketNotifier>(m_mountsFd, QSocketNotifier::Exception);
        connect(m_mounts.get(), &QSocketNotifier::activated, this, &Places::refreshVolumes);
    }
}

Places::~Places()
{
    m_mounts.reset();
    if (m_mountsFd >= 0)
        ::close(m_mountsFd);
}

void Places::setBookmarks(const QStringList &bookmarks)
{
    QStringList folders;
    for (const QString &bookmark : bookmarks) {
        if (!bookmark.isEmpty() && !folders.contains(Paths::folderForm(bookmark)))
            folders.append(Paths::folderForm(bookmark));
    }
    if (folders == m_bookmarks)
        return;
    m_bookmarks = folders;
    rebuild();
    Q_EMIT bookmarksChanged();
}

void Places::setSharedFolder(const QString &folder)
{
    if (Paths::folderForm(folder) == m_sharedFolder)
        return;
    m_sharedFolder = Paths::folderForm(folder);
    rebuild();
    Q_EMIT sharedFolderChanged();
}

bool Places::addBookmark(const QString &folder)
{
    if (folder.isEmpty() || isBookmarked(folder))
        return false;
    setBookmarks(m_bookmarks + QStringList{folder});
    return true;
}

bool Places::removeBookmark(const QString &folder)
{
    QStringList kept = m_bookmarks;
    if (!kept.removeOne(Paths::folderForm(folder)))
        return false;
    setBookmarks(kept);
    return true;
}

bool Places::isBookmarked(const QString &folder) const
{
    return !folder.isEmpty() && m_bookmarks.contains(Paths::folderForm(folder));
}

void Places::refreshVolumes()
{
    FileProbe::runOffThread<QList<Row>>(this, &readVolumes, [this](const QList<Row> &volumes) {
        m_volumes = volumes;
        rebuild();
    });
}

QList<Places::Row> Places::standardRows() const
{
    struct Standard
    {
        QStandardPaths::StandardLocation location;
        const char *icon;
    };
    static const Standard standards[] = {
        {QStandardPaths::HomeLocation, "user-home"},
        {QStandardPaths::DesktopLocation, "user-desktop"},
        {QStandardPaths::DocumentsLocation, "folder-documents"},
        {QStandardPaths::DownloadLocation, "folder-download"},
        {QStandardPaths::PicturesLocation, "folder-pictures"},
        {QStandardPaths::MusicLocation, "folder-music"},
        {QStandardPaths::MoviesLocation, "folder-videos"},
    };
    QList<Row> rows;
    const QString home = Paths::folderForm(QDir::homePath());
    for (const Standard &standard : standards) {
        const QString path = QStandardPaths::writableLocation(standard.location);
        // Without XDG folders the desktop names home for most of them.
        if (path.isEmpty() ||
            (standard.location != QStandardPaths::HomeLocation &&
             Paths::folderForm(path) == home) ||
            !isFolder(path))
            continue;
        rows.append({QStandardPaths::displayName(standard.location),
                     Paths::folderForm(path),
                     QStringLiteral("places"),
                     QString::fromLatin1(standard.icon),
                     true,
                     {}});
    }
    if (isFolder(m_sharedFolder))
        rows.append({tr("Shared documents"),
                     m_sharedFolder,
                     QStringLiteral("places"),
                     QStringLiteral("folder-publicshare"),
                     true,
                     {}});
    rows.append({tr("Root folder"),
                 QStringLiteral("/"),
                 QStringLiteral("places"),
                 QStringLiteral("drive-harddisk"),
                 true,
                 {}});
    return rows;
}

QList<Places::Row> Places::bookmarkRows() const
{
    QList<Row> rows;
    for (const QString &bookmark : m_bookmarks)
        rows.append({Paths::lastName(bookmark),
                     bookmark,
                     QStringLiteral("bookmarks"),
                     QStringLiteral("bookmarks"),
                     isFolder(bookmark),
                     {}});
    return rows;
}

void Places::rebuild()
{
    const int before = count();
    beginResetModel();
    m_rows = standardRows() + m_volumes + bookmarkRows();
    endResetModel();
    if (count() != before)
        Q_EMIT countChanged();
}

int Places::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant Places::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return row.name;
    case PathRole:
        return row.path;
    case SectionRole:
        return row.section;
    case IconRole:
        return row.icon;
    case ExistsRole:
        return row.exists;
    case DetailRole:
        return row.detail;
    }
    return {};
}

QHash<int, QByteArray> Places::roleNames() const
{
    return {{NameRole, "name"},     {PathRole, "path"},     {SectionRole, "section"},
            {IconRole, "iconName"}, {ExistsRole, "exists"}, {DetailRole, "detail"}};
}
