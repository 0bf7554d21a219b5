#include "places.h"

#include "filecopy.h"
#include "fileprobe.h"
#include "mounts.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDir>
#include <QLocale>
#include <QSet>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool isFolder(const QString &path)
{
    struct stat status;
    return !path.contains(QChar(0)) && ::stat(PathCodec::encode(path).constData(), &status) == 0 &&
           S_ISDIR(status.st_mode);
}

// The udev label of a device ("/dev/sdb1" -> "USB STICK"), or "".
QString labelOf(const QByteArray &device)
{
    const QDir labels(QStringLiteral("/dev/disk/by-label"));
    for (const QFileInfo &entry : labels.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.canonicalFilePath().toLocal8Bit() != device)
            continue;
        // udev writes a label's odd bytes as \xNN.
        QByteArray label = PathCodec::encode(entry.fileName());
        for (qsizetype at = label.indexOf("\\x"); at >= 0 && at + 3 < label.size();
             at = label.indexOf("\\x", at + 1)) {
            bool ok = false;
            const char byte = char(label.mid(at + 2, 2).toInt(&ok, 16));
            if (ok)
                label.replace(at, 4, QByteArray(1, byte));
        }
        return QString::fromUtf8(label);
    }
    return QString();
}

// Volumes a person put there: devices and network shares, not the system's
// own pseudo file systems, the root (listed already) or snap loop mounts.
// Read from the mount table alone: a share that stopped answering is listed
// all the same, and only its free space waits.
QList<Places::Row> readVolumes()
{
    QList<Places::Row> rows;
    QSet<QString> seen;
    const QList<Mounts::Mount> mounts = Mounts::table();
    // The later of two mounts on one point is the one seen there.
    for (auto mount = mounts.crbegin(); mount != mounts.crend(); ++mount) {
        const QString &root = mount->point;
        const QByteArray &device = mount->source;
        const QByteArray &type = mount->type;
        const bool network = type.startsWith("nfs") || type == "cifs" || type == "smb3" ||
                             type.startsWith("fuse.sshfs");
        if (root == QLatin1String("/") || (!device.startsWith("/dev/") && !network) ||
            device.startsWith("/dev/loop") || root.startsWith(QLatin1String("/boot")) ||
            root.startsWith(QLatin1String("/snap/")) || seen.contains(root))
            continue;
        seen.insert(root);
        Places::Row row;
        row.path = Paths::folderForm(root);
        row.name = network ? QString() : labelOf(device);
        if (row.name.isEmpty())
            row.name = Paths::lastName(root);
        row.section = QStringLiteral("volumes");
        row.icon = network ? QStringLiteral("folder-remote") : QStringLiteral("drive-harddisk");
        rows.prepend(row);
    }
    return rows;
}

} // namespace

Places::Places(QObject *parent)
    : QAbstractListModel(parent), m_sharedFolder(FileCopy::documentsFolder())
{
    // A question about free space that has no answer yet is looked at now
    // and then, to show the volume as waiting.
    m_watch.setInterval(500);
    connect(&m_watch, &QTimer::timeout, this, &Places::updateVolumes);
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
    QList<Row> volumes = readVolumes();
    for (Row &volume : volumes) {
        // What was known stays until a new answer comes.
        for (const Row &known : std::as_const(m_volumes)) {
            if (known.path == volume.path)
                volume.detail = known.detail;
        }
        askFreeSpace(volume.path);
    }
    m_volumes = volumes;
    rebuild();
}

void Places::askFreeSpace(const QString &volume)
{
    // Never asked again while the last question has no answer: a share that
    // stopped answering would collect one stuck worker per change of the
    // mount table.
    if (m_asking.contains(volume))
        return;
    m_asking.insert(volume,
                    FileProbe::runOffThread<QString>(
                        this, volume,
                        [volume] {
                            struct statvfs space;
                            if (::statvfs(PathCodec::encode(volume).constData(), &space) != 0)
                                return QString();
                            return tr("%1 free").arg(QLocale().formattedDataSize(
                                qint64(space.f_bavail) * qint64(space.f_frsize)));
                        },
                        [this, volume](const QString &free) {
                            m_asking.remove(volume);
                            for (qsizetype i = 0; i < m_volumes.size(); ++i) {
                                if (m_volumes[i].path == volume)
                                    m_volumes[i].detail = free;
                            }
                            updateVolumes();
                        }));
    m_watch.start();
}

void Places::updateVolumes()
{
    bool asking = false;
    for (qsizetype i = 0; i < m_volumes.size(); ++i) {
        Row &volume = m_volumes[i];
        const auto ticket = m_asking.value(volume.path);
        volume.waiting = ticket && ticket->isWaiting();
        asking = asking || ticket;
    }
    if (!asking)
        m_watch.stop();
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        for (const Row &volume : std::as_const(m_volumes)) {
            Row &row = m_rows[i];
            if (row.section == volume.section && row.path == volume.path &&
                (row.detail != volume.detail || row.waiting != volume.waiting)) {
                row.detail = volume.detail;
                row.waiting = volume.waiting;
                Q_EMIT dataChanged(index(int(i)), index(int(i)), {DetailRole, WaitingRole});
            }
        }
    }
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
                     {},
                     false});
    }
    if (isFolder(m_sharedFolder))
        rows.append({tr("Shared documents"),
                     m_sharedFolder,
                     QStringLiteral("places"),
                     QStringLiteral("folder-publicshare"),
                     true,
                     {},
                     false});
    rows.append({tr("Root folder"),
                 QStringLiteral("/"),
                 QStringLiteral("places"),
                 QStringLiteral("drive-harddisk"),
                 true,
                 {},
                 false});
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
                     {},
                     false});
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
    case WaitingRole:
        return row.waiting;
    }
    return {};
}

QHash<int, QByteArray> Places::roleNames() const
{
    return {{NameRole, "name"},      {PathRole, "path"},     {SectionRole, "section"},
            {IconRole, "iconName"},  {ExistsRole, "exists"}, {DetailRole, "detail"},
            {WaitingRole, "waiting"}};
}
