// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetype.h"

#include "desktopentry.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 HeadSize = 16 * 1024;

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

// Whether a file may be a desktop entry, to be read whole.
bool mayBeDesktopEntry(const QString &path, const QByteArray &head)
{
    return path.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive) ||
           head.contains("[Desktop Entry]");
}

QByteArray fingerprintOf(const struct stat &st, const QByteArray &content)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const qint64 fields[] = {qint64(st.st_dev),          qint64(st.st_ino),
                             qint64(st.st_size),         qint64(st.st_mtim.tv_sec),
                             qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_sec),
                             qint64(st.st_ctim.tv_nsec), qint64(st.st_mode)};
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(fields), sizeof fields));
    hash.addData(content);
    return hash.result().left(16).toHex();
}

QString inodeType(FileProbe::Kind kind)
{
    switch (kind) {
    case FileProbe::Kind::Directory:
        return QStringLiteral("inode/directory");
    case FileProbe::Kind::Pipe:
        return QStringLiteral("inode/fifo");
    case FileProbe::Kind::CharDevice:
        return QStringLiteral("inode/chardevice");
    case FileProbe::Kind::BlockDevice:
        return QStringLiteral("inode/blockdevice");
    case FileProbe::Kind::Socket:
        return QStringLiteral("inode/socket");
    default:
        return QString();
    }
}

} // namespace

FileLook FileLook::at(const QString &path)
{
    FileLook look;
    look.status = FileProbe::statusOf(path);
    if (look.status.kind != FileProbe::Kind::Regular)
        return look;
    struct stat opened;
    const int fd = FileProbe::openRegular(path, &look.openError, &opened);
    if (fd < 0)
        return look;
    look.haveContent = FileProbe::readSome(fd, HeadSize, &look.head, &look.openError);
    look.complete = look.haveContent && look.head.size() < HeadSize;
    if (look.haveContent && !look.complete && mayBeDesktopEntry(path, look.head)) {
        QByteArray rest;
        look.haveContent =
            FileProbe::readSome(fd, DesktopEntry::MaxSize + 1 - HeadSize, &rest, &look.openError);
        look.head += rest;
        look.complete = look.haveContent && look.head.size() <= DesktopEntry::MaxSize;
    }
    ::close(fd);
    if (look.haveContent)
        look.fingerprint = fingerprintOf(opened, look.head);
    return look;
}

FileType FileType::of(const QString &path)
{
    return from(path, FileLook::at(path));
}

FileType FileType::from(const QString &path, const FileLook &look)
{
    FileType type;
    type.path = path;
    const FileProbe::Kind on = look.status.kind;
    type.entry = Entry(on);
    type.exists = on != FileProbe::Kind::Missing && on != FileProbe::Kind::Unreadable;
    type.isBrokenLink = look.status.isBrokenLink;
    if (type.isBrokenLink)
        type.linkTarget = FileProbe::linkTargetOf(path);
    type.isSpecial = FileProbe::isSpecial(on);

    const QString inode = inodeType(on);
    const QMimeType mime = inode.isEmpty()
                               ? mimeTypeOf(fileNameOf(path), look.head, look.haveContent)
                               : QMimeDatabase().mimeTypeForName(inode);
    type.mimeType = mime.name();
    type.description = mime.comment();

    if (on == FileProbe::Kind::Directory)
        type.viewer = FileTypes::FolderViewer;
    else if (!type.exists || type.isSpecial)
        type.viewer = FileTypes::NoViewer;
    else
        type.viewer = viewerFor(mime);

    if (on == FileProbe::Kind::Regular && mime.inherits(QStringLiteral("application/x-desktop"))) {
        const DesktopEntry entry = DesktopEntry::read(look.head, look.complete);
        type.runs = entry.runs();
        type.refusal = entry.refusal;
    } else if (on == FileProbe::Kind::Regular) {
        type.runs = whatRuns(mime, look.status.st.st_mode, look.head, path);
    }
    type.isExecutable = !type.runs.isEmpty() || !type.refusal.isEmpty();
    type.fingerprint = QString::fromLatin1(look.fingerprint);
    // The listing's kind, with what the content said: what the opener would
    // ask about before running it is a program.
    switch (on) {
    case FileProbe::Kind::Regular:
        type.kind = type.isExecutable && !mime.inherits(QStringLiteral("text/plain"))
                        ? FileKind::Program
                        : Classifier::kindOf(mime, look.status.st.st_mode);
        break;
    case FileProbe::Kind::Directory:
        type.kind = FileKind::Folder;
        break;
    case FileProbe::Kind::Pipe:
        type.kind = FileKind::Pipe;
        break;
    case FileProbe::Kind::CharDevice:
    case FileProbe::Kind::BlockDevice:
        type.kind = FileKind::Device;
        break;
    case FileProbe::Kind::Socket:
        type.kind = FileKind::Socket;
        break;
    case FileProbe::Kind::Missing:
    case FileProbe::Kind::Unreadable:
        type.kind = type.isBrokenLink ? FileKind::BrokenLink : FileKind::File;
        break;
    }
    type.iconNames = Classifier::iconNames(mime, type.kind, on == FileProbe::Kind::Directory);

    const int error = look.status.error ? look.status.error : look.openError;
    type.error = error ? FileProbe::errorText(error) : QString();
    return type;
}

QString FileType::viewerName(Viewer viewer)
{
    switch (viewer) {
    case FileTypes::TextViewer:
        return QStringLiteral("text");
    case FileTypes::ImageViewer:
        return QStringLiteral("image");
    case FileTypes::HexViewer:
        return QStringLiteral("hex");
    case FileTypes::ExternalViewer:
        return QStringLiteral("external");
    case FileTypes::FolderViewer:
        return QStringLiteral("folder");
    case FileTypes::NoViewer:
        break;
    }
    return QStringLiteral("none");
}

QVariantMap FileType::toMap() const
{
    return {
        {QStringLiteral("path"), path},
        {QStringLiteral("kind"), QString::fromLatin1(FileProbe::kindName(FileProbe::Kind(entry)))},
        {QStringLiteral("exists"), exists},
        {QStringLiteral("isBrokenLink"), isBrokenLink},
        {QStringLiteral("linkTarget"), linkTarget},
        {QStringLiteral("isSpecial"), isSpecial},
        {QStringLiteral("mimeType"), mimeType},
        {QStringLiteral("description"), description},
        {QStringLiteral("viewer"), viewerName(viewer)},
        {QStringLiteral("isExecutable"), isExecutable},
        {QStringLiteral("runs"), runs},
        {QStringLiteral("refusal"), refusal},
        {QStringLiteral("fingerprint"), fingerprint},
        {QStringLiteral("error"), error},
        {QStringLiteral("fileKind"), Classifier::kindName(kind)},
        {QStringLiteral("iconNames"), iconNames},
    };
}

QMimeType FileType::mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent)
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

QString FileType::whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                           const QString &path)
{
    if (mime.inherits(QStringLiteral("application/x-desktop")))
        return DesktopEntry::read(head, head.size() < DesktopEntry::MaxSize).runs();
    // The same programs the listing calls programs.
    if (Classifier::isProgramType(mime))
        return path;
    // Scripts count as executables to the MIME database; they are told
    // apart by what their first line names.
    const bool executable = mode & (S_IXUSR | S_IXGRP | S_IXOTH);
    const bool shell = mime.inherits(QStringLiteral("application/x-shellscript"));
    if (head.startsWith("#!") && (shell || executable)) {
        const QString interpreter =
            QString::fromUtf8(head.mid(2, head.indexOf('\n') - 2)).trimmed();
        return interpreter + QLatin1Char(' ') + path;
    }
    if (shell)
        return QStringLiteral("sh ") + path;
    // Handed by the desktop to a program that runs it (wine, javaws...).
    if (Classifier::runsWhenOpened(mime, fileNameOf(path)))
        return path;
    return QString();
}

FileTypes::Viewer FileType::viewerFor(const QMimeType &mime)
{
    for (const QString &name : QStringList(mime.name()) + mime.aliases() + mime.allAncestors()) {
        if (pictureTypes().contains(name))
            return FileTypes::ImageViewer;
    }
    if (mime.inherits(QStringLiteral("text/plain")) ||
        mime.name() == QLatin1String("application/x-zerosize"))
        return FileTypes::TextViewer;
    if (mime.isDefault() ||
        inheritsAny(mime,
                    {"application/x-executable", "application/x-pie-executable",
                     "application/x-sharedlib", "application/x-object", "application/x-core"}))
        return FileTypes::HexViewer;
    return FileTypes::ExternalViewer;
}
