#include "fileopener.h"

#include "fileprobe.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

// Magic rules look within the first few KiB (tar's at 257, ISO 9660's
// deeper still but those are not worth a slower look).
constexpr qint64 HeadSize = 16 * 1024;

struct Sniff
{
    FileProbe::Status status;
    QByteArray head;
    bool haveContent = false;
    int openError = 0;
};

Sniff sniff(const QString &path)
{
    Sniff s;
    s.status = FileProbe::statusOf(path);
    if (s.status.kind != FileProbe::Kind::Regular)
        return s;
    const int fd = FileProbe::openRegular(path, &s.openError);
    if (fd < 0)
        return s;
    s.haveContent = FileProbe::readSome(fd, HeadSize, &s.head, &s.openError);
    ::close(fd);
    return s;
}

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool inheritsAny(const QMimeType &mime, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (mime.inherits(QLatin1String(name)))
            return true;
    }
    return false;
}

const QSet<QString> &pictureTypes()
{
    static const QSet<QString> types = [] {
        QSet<QString> set;
        for (const QByteArray &name : QImageReader::supportedMimeTypes())
            set.insert(QString::fromLatin1(name));
        return set;
    }();
    return types;
}

// The command of a desktop entry's main section.
QString desktopExec(const QByteArray &head)
{
    bool inEntry = false;
    for (const QByteArray &rawLine : head.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.startsWith("Exec") && line.mid(4).trimmed().startsWith('='))
            return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
    }
    return QString();
}

QString permissionText(mode_t mode)
{
    QString text(9, QLatin1Char('-'));
    const char letters[] = "rwxrwxrwx";
    for (int i = 0; i < 9; ++i) {
        if (mode & (0400 >> i))
            text[i] = QLatin1Char(letters[i]);
    }
    if (mode & S_ISUID)
        text[2] = QLatin1Char(mode & S_IXUSR ? 's' : 'S');
    if (mode & S_ISGID)
        text[5] = QLatin1Char(mode & S_IXGRP ? 's' : 'S');
    if (mode & S_ISVTX)
        text[8] = QLatin1Char(mode & S_IXOTH ? 't' : 'T');
    return text;
}

QString userName(uid_t uid)
{
    struct passwd entry;
    struct passwd *found = nullptr;
    QByteArray buffer(16 * 1024, Qt::Uninitialized);
    if (::getpwuid_r(uid, &entry, buffer.data(), size_t(buffer.size()), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString groupName(gid_t gid)
{
    struct group entry;
    struct group *found = nullptr;
    QByteArray buffer(16 * 1024, Qt::Uninitialized);
    if (::getgrgid_r(gid, &entry, buffer.data(), size_t(buffer.size()), &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

QDateTime timeOf(const struct timespec &t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

// Values of key in the section of an ini-style file.
QStringList iniList(const QString &file, const QByteArray &section, const QString &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wanted = key.toUtf8();
    bool inSection = false;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().trimmed();
        if (line.startsWith('[')) {
            inSection = line == section;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inSection || eq < 0 || line.left(eq).trimmed() != wanted)
            continue;
        QStringList ids;
        for (const QByteArray &id : line.mid(eq + 1).split(';')) {
            if (!id.trimmed().isEmpty())
                ids << QString::fromUtf8(id.trimmed());
        }
        return ids;
    }
    return {};
}

QVariantMap typeMap(const QString &path, const Sniff &s)
{
    QVariantMap map;
    map[QStringLiteral("path")] = path;
    map[QStringLiteral("kind")] = QString::fromLatin1(FileProbe::kindName(s.status.kind));
    const bool exists =
        s.status.kind != FileProbe::Kind::Missing && s.status.kind != FileProbe::Kind::Unreadable;
    map[QStringLiteral("exists")] = exists;
    map[QStringLiteral("isBrokenLink")] = s.status.isBrokenLink;
    const bool special = FileProbe::isSpecial(s.status.kind);
    map[QStringLiteral("isSpecial")] = special;

    QMimeDatabase db;
    QMimeType mime;
    switch (s.status.kind) {
    case FileProbe::Kind::Directory:
        mime = db.mimeTypeForName(QStringLiteral("inode/directory"));
        break;
    case FileProbe::Kind::Pipe:
        mime = db.mimeTypeForName(QStringLiteral("inode/fifo"));
        break;
    case FileProbe::Kind::CharDevice:
        mime = db.mimeTypeForName(QStringLiteral("inode/chardevice"));
        break;
    case FileProbe::Kind::BlockDevice:
        mime = db.mimeTypeForName(QStringLiteral("inode/blockdevice"));
        break;
    case FileProbe::Kind::Socket:
        mime = db.mimeTypeForName(QStringLiteral("inode/socket"));
        break;
    default:
        mime = FileOpener::mimeTypeOf(fileNameOf(path), s.head, s.haveContent);
    }
    map[QStringLiteral("mimeType")] = mime.name();
    map[QStringLiteral("description")] = mime.comment();

    QString viewer;
    if (s.status.kind == FileProbe::Kind::Directory)
        viewer = QStringLiteral("folder");
    else if (!exists || special)
        viewer = QStringLiteral("none");
    else
        viewer = FileOpener::viewerFor(mime);
    map[QStringLiteral("viewer")] = viewer;

    const QString runs = s.status.kind == FileProbe::Kind::Regular
                             ? FileOpener::whatRuns(mime, s.status.st.st_mode, s.head, path)
                             : QString();
    map[QStringLiteral("isExecutable")] = !runs.isEmpty();
    map[QStringLiteral("runs")] = runs;

    int error = s.status.error ? s.status.error : s.openError;
    map[QStringLiteral("error")] = error ? FileProbe::errorText(error) : QString();
    return map;
}

} // namespace

FileOpener::FileOpener(QObject *parent)
    : QObject(parent), m_launcher([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
}

QMimeType FileOpener::mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent)
{
    QMimeDatabase db;
    QMimeType byName = db.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    if (byName.isDefault())
        byName = db.mimeTypeForFile(fileName.toLower(), QMimeDatabase::MatchExtension);
    const bool named = byName.isValid() && !byName.isDefault();
    if (!haveContent)
        return named ? byName : db.mimeTypeForName(QStringLiteral("application/octet-stream"));

    const QMimeType content = db.mimeTypeForData(head);
    const QString plain = QStringLiteral("text/plain");
    if (content.name() == plain) {
        // Source code, data formats: the name says more about which text.
        return named && byName.inherits(plain) ? byName : content;
    }
    if (content.isDefault()) {
        // No magic, not text: trust the name unless it claims text.
        return named && !byName.inherits(plain) ? byName : content;
    }
    // A zip that is an office document, XML that is a picture.
    return named && byName.inherits(content.name()) ? byName : content;
}

QString FileOpener::whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                             const QString &path)
{
    if (mime.inherits(QStringLiteral("application/x-desktop"))) {
        const QString exec = desktopExec(head);
        return exec.isEmpty() ? path : exec;
    }
    // Scripts count as executables to the MIME database; they are told
    // apart by what their first line names.
    const bool text = mime.inherits(QStringLiteral("text/plain"));
    const bool program =
        !text &&
        inheritsAny(mime, {"application/x-executable", "application/x-pie-executable",
                           "application/x-sharedlib", "application/x-ms-dos-executable",
                           "application/vnd.microsoft.portable-executable",
                           "application/x-msdownload", "application/vnd.appimage",
                           "application/x-iso9660-appimage", "application/x-java-archive"});
    if (program)
        return path;
    const bool executable = mode & (S_IXUSR | S_IXGRP | S_IXOTH);
    const bool shell = mime.inherits(QStringLiteral("application/x-shellscript"));
    if (head.startsWith("#!") && (shell || executable)) {
        const QString interpreter =
            QString::fromUtf8(head.mid(2, head.indexOf('\n') - 2)).trimmed();
        return interpreter + QLatin1Char(' ') + path;
    }
    if (shell)
        return QStringLiteral("sh ") + path;
    return QString();
}

QString FileOpener::viewerFor(const QMimeType &mime)
{
    for (const QString &name : QStringList(mime.name()) + mime.aliases() + mime.allAncestors()) {
        if (pictureTypes().contains(name))
            return QStringLiteral("image");
    }
    if (mime.inherits(QStringLiteral("text/plain")) ||
        mime.name() == QLatin1String("application/x-zerosize"))
        return QStringLiteral("text");
    if (mime.isDefault() ||
        inheritsAny(mime,
                    {"application/x-executable", "application/x-pie-executable",
                     "application/x-sharedlib", "application/x-object", "application/x-core"}))
        return QStringLiteral("hex");
    return QStringLiteral("external");
}

QUrl FileOpener::fileUrl(const QString &path)
{
    if (!PathCodec::hasUndecodable(path))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded("file://" + PathCodec::encode(path).toPercentEncoding("/"));
}

QVariantMap FileOpener::fileType(const QString &path) const
{
    return typeMap(path, sniff(path));
}

void FileOpener::requestFileType(const QString &path)
{
    FileProbe::runOffThread<QVariantMap>(
        this, [path] { return typeMap(path, sniff(path)); },
        [this, path](const QVariantMap &type) { Q_EMIT fileTypeReady(path, type); });
}

namespace {

QVariantMap propertiesMap(const QString &path)
{
    const Sniff s = sniff(path);
    const QVariantMap type = typeMap(path, s);
    QVariantMap map;
    for (const char *key :
         {"path", "kind", "exists", "isBrokenLink", "mimeType", "description", "error"})
        map[QLatin1String(key)] = type.value(QLatin1String(key));
    map[QStringLiteral("isSymLink")] = s.status.isSymLink;
    if (s.status.isSymLink) {
        const QByteArray name = PathCodec::encode(path);
        QByteArray target(4096, Qt::Uninitialized);
        const ssize_t size = ::readlink(name.constData(), target.data(), size_t(target.size()));
        target.resize(qMax<ssize_t>(size, 0));
        const QString stored = PathCodec::decode(target);
        map[QStringLiteral("linkTarget")] = stored;
        QString absolute = stored;
        if (!stored.startsWith(QLatin1Char('/')))
            absolute = path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + stored;
        map[QStringLiteral("linkTargetPath")] = Paths::clean(absolute);
    }
    if (s.status.kind == FileProbe::Kind::Missing && !s.status.isBrokenLink)
        return map;
    // A broken link's own times and owner: the target has none.
    const struct stat &st = s.status.st;
    map[QStringLiteral("size")] = qint64(st.st_size);
    map[QStringLiteral("modified")] = timeOf(st.st_mtim);
    map[QStringLiteral("accessed")] = timeOf(st.st_atim);
    map[QStringLiteral("owner")] = userName(st.st_uid);
    map[QStringLiteral("group")] = groupName(st.st_gid);
    map[QStringLiteral("permissions")] = permissionText(st.st_mode);
    map[QStringLiteral("octal")] =
        QStringLiteral("%1").arg(uint(st.st_mode & 07777), 4, 8, QLatin1Char('0'));
    return map;
}

} // namespace

QVariantMap FileOpener::properties(const QString &path) const
{
    return propertiesMap(path);
}

void FileOpener::requestProperties(const QString &path)
{
    FileProbe::runOffThread<QVariantMap>(
        this, [path] { return propertiesMap(path); },
        [this, path](const QVariantMap &map) { Q_EMIT propertiesReady(path, map); });
}

QVariantMap FileOpener::openExternally(const QString &path)
{
    return open(path, false);
}

QVariantMap FileOpener::openExternallyConfirmed(const QString &path)
{
    return open(path, true);
}

QVariantMap FileOpener::open(const QString &path, bool confirmed)
{
    const QVariantMap type = fileType(path);
    QVariantMap result;
    for (const char *key : {"mimeType", "description", "runs", "isSpecial"})
        result[QLatin1String(key)] = type.value(QLatin1String(key));
    result[QStringLiteral("ok")] = false;
    result[QStringLiteral("needsConfirmation")] = false;
    result[QStringLiteral("noApplication")] = false;
    result[QStringLiteral("missing")] = false;
    const QString kind = type.value(QStringLiteral("kind")).toString();
    if (kind == QLatin1String("missing")) {
        result[QStringLiteral("missing")] = true;
        result[QStringLiteral("reason")] = type.value(QStringLiteral("error"));
        return result;
    }
    if (type.value(QStringLiteral("isSpecial")).toBool()) {
        result[QStringLiteral("reason")] =
            QStringLiteral("A %1 is never handed to another application").arg(kind);
        return result;
    }
    if (!confirmed && type.value(QStringLiteral("isExecutable")).toBool()) {
        result[QStringLiteral("needsConfirmation")] = true;
        return result;
    }
    if (m_launcher(fileUrl(path))) {
        result[QStringLiteral("ok")] = true;
        return result;
    }
    const QString mime = type.value(QStringLiteral("mimeType")).toString();
    const bool none = defaultApplicationFor(mime).isEmpty();
    result[QStringLiteral("noApplication")] = none;
    result[QStringLiteral("reason")] =
        none ? QStringLiteral("No application is set to open %1 files").arg(mime)
             : QStringLiteral("The desktop could not start the application");
    return result;
}

QString FileOpener::defaultApplicationFor(const QString &mimeType) const
{
    if (mimeType.isEmpty())
        return QString();
    QStringList names = {mimeType};
    names += QMimeDatabase().mimeTypeForName(mimeType).aliases();

    const QStringList appDirs =
        QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    auto nameOf = [&appDirs](const QString &id) -> QString {
        // "vendor-app.desktop" may live in vendor/app.desktop.
        const QString nested = QString(id).replace(QLatin1Char('-'), QLatin1Char('/'));
        for (const QString &dir : appDirs) {
            for (const QString &candidate : {id, nested}) {
                const QString file = dir + QLatin1Char('/') + candidate;
                if (!QFile::exists(file))
                    continue;
                const QStringList name = iniList(file, "[Desktop Entry]", QStringLiteral("Name"));
                return name.isEmpty() ? id : name.join(QLatin1Char(';'));
            }
        }
        return QString();
    };

    QStringList lists;
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower();
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString &desktop : desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            lists << dir + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
        lists << dir + QStringLiteral("/mimeapps.list");
    }
    for (const QString &dir : appDirs)
        lists << dir + QStringLiteral("/mimeapps.list");
    for (const QString &list : lists) {
        for (const QString &name : names) {
            for (const QString &id : iniList(list, "[Default Applications]", name)) {
                const QString app = nameOf(id);
                if (!app.isEmpty())
                    return app;
            }
        }
    }
    for (const QString &dir : appDirs) {
        for (const QString &name : names) {
            for (const QString &id :
                 iniList(dir + QStringLiteral("/mimeinfo.cache"), "[MIME Cache]", name)) {
                const QString app = nameOf(id);
                if (!app.isEmpty())
                    return app;
            }
        }
    }
    return QString();
}
