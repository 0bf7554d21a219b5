// SPDX-License-Identifier: GPL-3.0-or-later
#include "places.h"

#include "filecopy.h"
#include "fileprobe.h"
#include "mounts.h"
#include "pathcodec.h"
#include "paths.h"
#include "scenetools.h"
#include "shownnames.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
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

struct StandardFolder
{
    QStandardPaths::StandardLocation location;
    const char *icon;
};

const StandardFolder standardFolders[] = {
    {QStandardPaths::HomeLocation, "user-home"},
    {QStandardPaths::DesktopLocation, "user-desktop"},
    {QStandardPaths::DocumentsLocation, "folder-documents"},
    {QStandardPaths::DownloadLocation, "folder-download"},
    {QStandardPaths::PicturesLocation, "folder-pictures"},
    {QStandardPaths::MusicLocation, "folder-music"},
    {QStandardPaths::MoviesLocation, "folder-videos"},
};

QString iconOf(int location)
{
    for (const StandardFolder &standard : standardFolders)
        if (standard.location == location)
            return QString::fromLatin1(standard.icon);
    return QStringLiteral("folder");
}

// The person's standard folders that are there; read on a worker, as the
// home folder itself may be on a mount that does not answer.
QList<Places::Standard> findStandardFolders()
{
    QList<Places::Standard> found;
    const QString home = Paths::folderForm(QDir::homePath());
    for (const StandardFolder &standard : standardFolders) {
        const QString path = QStandardPaths::writableLocation(standard.location);
        // Without XDG folders the desktop names home for most of them.
        if (path.isEmpty() ||
            (standard.location != QStandardPaths::HomeLocation && Paths::folderForm(path) == home))
            continue;
        FileProbe::aboutToLook(path);
        found.append({int(standard.location), Paths::folderForm(path), isFolder(path)});
    }
    return found;
}

} // namespace

Places::Places(QObject *parent)
    : QAbstractListModel(parent), m_sharedFolder(FileCopy::documentsFolder())
{
    // Names of places follow the language the scene switches to.
    QCoreApplication::instance()->installEventFilter(this);
    // A question about free space that has no answer yet is looked at now
    // and then, to show the volume as waiting.
    m_watch.setInterval(500);
    connect(&m_watch, &QTimer::timeout, this, &Places::updateVolumes);
    rebuild();
    recheck();
    refreshVolumes();
    // The kernel marks the mount table with an exceptional condition
    // whenever a volume comes or goes.
    m_mountsFd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (m_mountsFd >= 0) {
        m_mounts = std::make_unique<QSocketNotifier>(m_mountsFd, QSocketNotifier::Exception);
        connect(m_mounts.get(), &QSocketNotifier::activated, this, [this] {
            refreshVolumes();
            recheck();
        });
    }
}

Places::~Places()
{
    m_mounts.reset();
    if (m_mountsFd >= 0)
        ::close(m_mountsFd);
}

bool Places::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        rebuild();
    // Folders another program made or removed while the person was away
    // show when the window is theirs again; nothing tells us otherwise.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationStateChange)
        recheck();
    return QAbstractListModel::eventFilter(watched, event);
}

void Places::setBookmarks(const QStringList &bookmarks)
{
    QStringList folders;
    for (const QString &bookmark : bookmarks) {
        const QString folder = Paths::folderForm(bookmark);
        // Only absolute paths: a relative one would be read against
        // wherever the program happened to start.
        if (folder.startsWith(QLatin1Char('/')) && !folders.contains(folder))
            folders.append(folder);
    }
    if (folders == m_bookmarks)
        return;
    m_bookmarks = folders;
    for (const QString &folder : std::as_const(m_bookmarks))
        if (!m_isFolder.contains(folder))
            lookFor(folder);
    rebuild();
    Q_EMIT bookmarksChanged();
}

void Places::setSharedFolder(const QString &folder)
{
    if (Paths::folderForm(folder) == m_sharedFolder)
        return;
    m_sharedFolder = Paths::folderForm(folder);
    if (!m_sharedFolder.isEmpty())
        lookFor(m_sharedFolder);
    rebuild();
    Q_EMIT sharedFolderChanged();
}

bool Places::addBookmark(const QString &folder)
{
    if (!folder.startsWith(QLatin1Char('/')) || isBookmarked(folder))
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
                volume.free = known.free;
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
                    FileProbe::runOffThread<qint64>(
                        this, volume,
                        [volume] {
                            struct statvfs space;
                            if (::statvfs(PathCodec::encode(volume).constData(), &space) != 0)
                                return qint64(-1);
                            return qint64(space.f_bavail) * qint64(space.f_frsize);
                        },
                        [this, volume](qint64 free) {
                            m_asking.remove(volume);
                            for (qsizetype i = 0; i < m_volumes.size(); ++i) {
                                if (m_volumes[i].path == volume)
                                    m_volumes[i].free = free;
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
                (row.free != volume.free || row.waiting != volume.waiting)) {
                row.free = volume.free;
                row.detail = freeText(volume.free);
                row.waiting = volume.waiting;
                Q_EMIT dataChanged(index(int(i)), index(int(i)), {DetailRole, WaitingRole});
            }
        }
    }
}

QString Places::freeText(qint64 free)
{
    return free < 0 ? QString() : tr("%1 free").arg(SceneTools::sizeText(double(free)));
}

void Places::recheck()
{
    findStandard();
    if (!m_sharedFolder.isEmpty())
        lookFor(m_sharedFolder);
    for (const QString &folder : std::as_const(m_bookmarks))
        lookFor(folder);
}

void Places::findStandard()
{
    if (m_findingStandard) {
        m_findStandardAgain = true;
        return;
    }
    m_findingStandard = true;
    FileProbe::runOffThread<QList<Standard>>(this, QDir::homePath(), &findStandardFolders,
                                             [this](const QList<Standard> &found) {
                                                 m_findingStandard = false;
                                                 m_standard = found;
                                                 rebuild();
                                                 if (std::exchange(m_findStandardAgain, false))
                                                     findStandard();
                                             });
}

void Places::lookFor(const QString &folder)
{
    // One look per folder at a time: a mount that does not answer holds one
    // worker for it, however often the mounts change meanwhile.
    if (m_looking.contains(folder)) {
        m_looking[folder] = true;
        return;
    }
    m_looking.insert(folder, false);
    FileProbe::runOffThread<bool>(
        this, folder,
        [folder] {
            FileProbe::aboutToLook(folder);
            return isFolder(folder);
        },
        [this, folder](bool found) {
            m_isFolder.insert(folder, found);
            const bool again = m_looking.take(folder);
            rebuild();
            if (again)
                lookFor(folder);
        });
}

QString Places::standardName(int location, const QString &path)
{
    // The folder's own name, which the desktop chose in the person's
    // language; the English names it makes by default are translated here.
    if (location == QStandardPaths::HomeLocation)
        return tr("Home");
    const QString name = Paths::lastName(path);
    static const char *const english[] = {
        QT_TR_NOOP("Desktop"), QT_TR_NOOP("Documents"), QT_TR_NOOP("Downloads"),
        QT_TR_NOOP("Music"),   QT_TR_NOOP("Pictures"),  QT_TR_NOOP("Videos"),
    };
    for (const char *word : english)
        if (name == QLatin1String(word))
            return tr(word);
    return name;
}

QList<Places::Row> Places::standardRows() const
{
    QList<Row> rows;
    for (const Standard &standard : m_standard) {
        if (!standard.exists)
            continue;
        Row row;
        row.name = standardName(standard.location, standard.path);
        row.path = standard.path;
        row.section = QStringLiteral("places");
        row.icon = iconOf(standard.location);
        rows.append(row);
    }
    if (m_isFolder.value(m_sharedFolder, false)) {
        Row row;
        row.name = tr("Shared documents");
        row.path = m_sharedFolder;
        row.section = QStringLiteral("places");
        row.icon = QStringLiteral("folder-publicshare");
        rows.append(row);
    }
    Row root;
    root.name = tr("Root folder");
    root.path = QStringLiteral("/");
    root.section = QStringLiteral("places");
    root.icon = QStringLiteral("drive-harddisk");
    rows.append(root);
    // Not a folder: the scene shows every trash together when it is chosen.
    Row trash;
    trash.name = tr("Trash");
    trash.path = trashPath();
    trash.section = QStringLiteral("places");
    trash.icon = QStringLiteral("user-trash");
    rows.append(trash);
    return rows;
}

QList<Places::Row> Places::bookmarkRows() const
{
    QList<Row> rows;
    for (const QString &bookmark : m_bookmarks) {
        Row row;
        row.name = ShownNames::name(Paths::lastName(bookmark));
        row.path = bookmark;
        row.section = QStringLiteral("bookmarks");
        row.icon = QStringLiteral("bookmarks");
        row.waiting = !m_isFolder.contains(bookmark);
        row.exists = m_isFolder.value(bookmark, true);
        rows.append(row);
    }
    return rows;
}

void Places::rebuild()
{
    QList<Row> volumes = m_volumes;
    for (Row &volume : volumes) {
        volume.name = ShownNames::name(volume.name);
        volume.detail = freeText(volume.free);
    }
    show(standardRows() + volumes + bookmarkRows());
}

void Places::show(const QList<Row> &rows)
{
    if (rows == m_rows)
        return;
    const int before = count();
    beginResetModel();
    m_rows = rows;
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
