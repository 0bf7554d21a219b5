#include "filetype.h"

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
    const int fd = FileProbe::openRegular(path, &look.openError);
    if (fd < 0)
        return look;
    look.haveContent = FileProbe::readSome(fd, HeadSize, &look.head, &look.openError);
    ::close(fd);
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

    if (on == FileProbe::Kind::Regular)
        type.runs = whatRuns(mime, look.status.st.st_mode, look.head, path);
    type.isExecutable = !type.runs.isEmpty();
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
        {QStringLiteral("isSpecial"), isSpecial},
        {QStringLiteral("mimeType"), mimeType},
        {QStringLiteral("description"), description},
        {QStringLiteral("viewer"), viewerName(viewer)},
        {QStringLiteral("isExecutable"), isExecutable},
        {QStringLiteral("runs"), runs},
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
    if (mime.inherits(QStringLiteral("application/x-desktop"))) {
        const QString exec = desktopExec(head);
        return exec.isEmpty() ? path : exec;
    }
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
