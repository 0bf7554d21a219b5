// SPDX-License-Identifier: GPL-3.0-or-later
#include "classifier.h"

#include "listing.h"

#include <QMutex>

#include <sys/stat.h>
#include <vector>

using namespace FileKind;

namespace {

bool inList(const QString &name, std::initializer_list<const char *> list)
{
    for (const char *member : list) {
        if (name == QLatin1String(member))
            return true;
    }
    return false;
}

// Whether the type is, or is a kind of, one of the list.
bool inheritsAny(const QMimeType &mime, std::initializer_list<const char *> list)
{
    for (const char *member : list) {
        if (mime.inherits(QLatin1String(member)))
            return true;
    }
    return false;
}

// Started by another program whatever their mode, so a person is asked first.
constexpr std::initializer_list<const char *> LaunchedTypes = {
    "application/x-java-archive",
    "application/x-ms-dos-executable",
    "application/vnd.microsoft.portable-executable",
    "application/x-msdownload",
    "application/x-ms-ne-executable",
    "application/x-msi",
    "application/x-ms-shortcut",
};

// Handed by the desktop to a program that runs what they hold (wine, a
// script host, javaws), whatever their mode, though most are text.
constexpr std::initializer_list<const char *> RunnerTypes = {
    "application/x-bat",      "application/x-java-jnlp-file",
    "application/x-mswinurl", "application/x-ms-application",
    "application/x-ms-xbap",  "application/hta",
    "application/x-hta",      "application/x-wsf",
    "application/x-ms-wsf",   "application/x-powershell",
    "text/vbscript",          "application/x-vbscript",
    "text/x-ms-regedit",
};
// What wine's menu builder registers for every Windows type it opens.
constexpr const char *WineTypes = "application/x-wine-extension-";

// The same by extension, for a shared MIME database that does not know them
// (the desktop's may, once wine or javaws is installed).
constexpr std::initializer_list<const char *> RunnerExtensions = {
    "application", "appref-ms", "bat", "cmd", "com", "cpl", "exe", "gadget", "hta", "jar",
    "jnlp",        "js",        "jse", "lnk", "msc", "msi", "msp", "mst",    "pif", "ps1",
    "psd1",        "psm1",      "reg", "scr", "url", "vbe", "vbs", "ws",     "wsf", "wsh",
};

// Run by the system itself, when their execute bit is set.
constexpr std::initializer_list<const char *> ExecutableTypes = {
    "application/x-executable", "application/x-pie-executable",   "application/x-sharedlib",
    "application/vnd.appimage", "application/x-iso9660-appimage",
};

// Run when executable; otherwise what they hold (text, mostly).
constexpr std::initializer_list<const char *> ScriptTypes = {
    "application/x-executable",
    "application/x-pie-executable",
    "application/x-shellscript",
    "application/vnd.appimage",
};

constexpr std::initializer_list<const char *> ArchiveTypes = {
    "application/x-archive",
    "application/zip",
    "application/x-tar",
    "application/gzip",
    "application/x-bzip",
    "application/x-bzip2",
    "application/x-xz",
    "application/x-lzma",
    "application/zstd",
    "application/x-7z-compressed",
    "application/vnd.rar",
    "application/x-rar",
    "application/x-compressed-tar",
    "application/x-cpio",
    "application/x-rpm",
    "application/vnd.debian.binary-package",
    "application/x-iso9660-image",
    "application/x-cd-image",
};

// Documents the database does not mark with an office icon.
constexpr std::initializer_list<const char *> DocumentTypes = {
    "application/pdf",
    "application/epub+zip",
    "application/x-fictionbook+xml",
    "application/x-mobipocket-ebook",
    "application/vnd.amazon.mobi8-ebook",
    "image/vnd.djvu",
    "image/vnd.djvu+multipage",
};

// MIME types by number, shared by every thread; only ever grows, to the
// number of types the database knows at most.
struct Registry
{
    QMutex mutex;
    std::vector<QMimeType> types;
    QHash<QString, quint16> ids;
};

Registry &registry()
{
    static Registry *r = [] {
        auto *created = new Registry;
        const QMimeType unknown =
            QMimeDatabase().mimeTypeForName(QStringLiteral("application/octet-stream"));
        created->types.push_back(unknown);
        created->ids.insert(unknown.name(), 0);
        return created;
    }();
    return *r;
}

QString inodeType(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("inode/directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("inode/fifo");
    if (S_ISCHR(mode))
        return QStringLiteral("inode/chardevice");
    if (S_ISBLK(mode))
        return QStringLiteral("inode/blockdevice");
    return QStringLiteral("inode/socket");
}

// The part of a name its type is looked up by: from the second-to-last dot
// ("x.tar.gz" is not "x.gz"), with numbers in that part folded so that
// "photo.2023.jpg" and "photo.2024.jpg" share one lookup; for a name without
// an extension, the name with its numbers folded ("notes1", "notes2").
QString cacheKey(const QString &name)
{
    const qsizetype last = name.lastIndexOf(QLatin1Char('.'));
    if (last > 0) {
        const qsizetype before = name.lastIndexOf(QLatin1Char('.'), last - 1);
        if (before <= 0)
            return name.mid(last);
        QString key;
        key.reserve(name.size() - before);
        for (qsizetype i = before; i < last; ++i) {
            const QChar c = name.at(i);
            if (!c.isDigit())
                key += c;
            else if (!key.endsWith(QLatin1Char('#')))
                key += QLatin1Char('#');
        }
        return key + name.mid(last);
    }
    QString key;
    key.reserve(name.size() + 1);
    key += QLatin1Char('/'); // never a dotted key
    for (const QChar c : name) {
        if (!c.isDigit())
            key += c;
        else if (!key.endsWith(QLatin1Char('#')))
            key += QLatin1Char('#');
    }
    return key;
}

} // namespace

Classifier::Classifier() = default;

quint16 Classifier::idOf(const QMimeType &mime)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    const auto it = r.ids.constFind(mime.name());
    if (it != r.ids.cend())
        return *it;
    if (r.types.size() >= 0xFFFF)
        return 0;
    const auto id = quint16(r.types.size());
    r.types.push_back(mime);
    r.ids.insert(mime.name(), id);
    return id;
}

QMimeType Classifier::mimeType(quint16 id)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    return id < r.types.size() ? r.types[id] : r.types.front();
}

bool Classifier::isProgramType(const QMimeType &mime)
{
    // Scripts count as executables to the database; they are text.
    if (mime.inherits(QStringLiteral("text/plain")))
        return false;
    return inheritsAny(mime, LaunchedTypes) || inheritsAny(mime, ExecutableTypes);
}

bool Classifier::runsWhenOpened(const QMimeType &mime, const QString &fileName)
{
    if (mime.isValid() && isProgramType(mime))
        return true;
    QMimeDatabase db;
    QList<QMimeType> types{mime};
    // The name's types too: the content may say only "text".
    if (!fileName.isEmpty())
        types += db.mimeTypesForFileName(fileName);
    for (const QMimeType &type : std::as_const(types)) {
        if (!type.isValid())
            continue;
        const QStringList names = QStringList(type.name()) + type.aliases() + type.allAncestors();
        for (const QString &name : names) {
            if (inList(name, RunnerTypes) || inList(name, LaunchedTypes) ||
                name.startsWith(QLatin1String(WineTypes)))
                return true;
        }
    }
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && inList(fileName.mid(dot + 1).toLower(), RunnerExtensions);
}

Kind Classifier::kindOf(const QMimeType &mime, mode_t mode)
{
    const bool executable = mode & (S_IXUSR | S_IXGRP | S_IXOTH);
    if (!mime.isValid() || mime.isDefault())
        return executable ? Program : File;
    if (inheritsAny(mime, LaunchedTypes) || (executable && inheritsAny(mime, ScriptTypes)))
        return Program;
    const QString name = mime.name();
    // Office files and e-books are zip files inside; PDF and PostScript are
    // no text to read.
    if (mime.genericIconName().startsWith(QLatin1String("x-office-")) ||
        inList(name, DocumentTypes))
        return Document;
    if (name.startsWith(QLatin1String("image/")))
        return Image;
    if (name.startsWith(QLatin1String("audio/")))
        return Audio;
    if (name.startsWith(QLatin1String("video/")))
        return Video;
    if (inheritsAny(mime, ArchiveTypes) ||
        mime.genericIconName() == QLatin1String("package-x-generic"))
        return Archive;
    if (name.startsWith(QLatin1String("text/")) || mime.inherits(QStringLiteral("text/plain")))
        return Text;
    if (name == QLatin1String("application/x-zerosize"))
        return Text;
    return File;
}

const Classifier::Cached &Classifier::byName(const QString &name)
{
    const QString key = cacheKey(name);
    auto it = m_cache.constFind(key);
    if (it != m_cache.cend())
        return *it;
    QMimeType mime = m_db.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    if (mime.isDefault())
        mime = m_db.mimeTypeForFile(name.toLower(), QMimeDatabase::MatchExtension);
    Cached cached;
    cached.mime = idOf(mime);
    cached.plain = kindOf(mime, 0644);
    cached.executable = kindOf(mime, 0755);
    return *m_cache.insert(key, cached);
}

Classifier::Match Classifier::classify(const QString &name, mode_t mode, bool isLink,
                                       bool isBrokenLink)
{
    if (isBrokenLink)
        return {BrokenLink, idOf(m_db.mimeTypeForName(QStringLiteral("inode/symlink")))};
    const bool special =
        S_ISDIR(mode) || S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode) || S_ISSOCK(mode);
    if (special) {
        // One lookup per kind of special entry for the whole run.
        static const quint16 ids[] = {
            idOf(QMimeDatabase().mimeTypeForName(inodeType(S_IFDIR))),
            idOf(QMimeDatabase().mimeTypeForName(inodeType(S_IFIFO))),
            idOf(QMimeDatabase().mimeTypeForName(inodeType(S_IFCHR))),
            idOf(QMimeDatabase().mimeTypeForName(inodeType(S_IFBLK))),
            idOf(QMimeDatabase().mimeTypeForName(inodeType(S_IFSOCK))),
        };
        Kind kind = Folder;
        quint16 mime = ids[0];
        if (S_ISFIFO(mode))
            kind = Pipe, mime = ids[1];
        else if (S_ISCHR(mode))
            kind = Device, mime = ids[2];
        else if (S_ISBLK(mode))
            kind = Device, mime = ids[3];
        else if (S_ISSOCK(mode))
            kind = Socket, mime = ids[4];
        return {isLink ? Link : kind, mime};
    }
    const bool executable = mode & (S_IXUSR | S_IXGRP | S_IXOTH);
    if (!isLink && executable && !name.contains(QLatin1Char('.'))) {
        // What fills bin folders: spares a slow lookup each.
        static const quint16 program =
            idOf(QMimeDatabase().mimeTypeForName(QStringLiteral("application/x-executable")));
        return {Program, program};
    }
    const Cached &cached = byName(name);
    return {isLink ? Link : (executable ? cached.executable : cached.plain), cached.mime};
}

Classifier::Match Classifier::classify(const Listing::Entry &entry)
{
    mode_t mode = entry.mode;
    if (entry.isDir && !S_ISDIR(mode))
        mode = (mode & ~S_IFMT) | S_IFDIR;
    return classify(entry.name, mode, entry.isLink, entry.isBrokenLink);
}

QString Classifier::kindName(Kind kind)
{
    static const QString names[] = {
        QStringLiteral("folder"),     QStringLiteral("text"),    QStringLiteral("image"),
        QStringLiteral("audio"),      QStringLiteral("video"),   QStringLiteral("archive"),
        QStringLiteral("document"),   QStringLiteral("program"), QStringLiteral("link"),
        QStringLiteral("brokenLink"), QStringLiteral("pipe"),    QStringLiteral("device"),
        QStringLiteral("socket"),     QStringLiteral("file"),
    };
    return kind <= File ? names[kind] : names[File];
}

Glyph Classifier::glyphOf(Kind kind, bool isDir)
{
    switch (kind) {
    case Folder:
        return Glyph::FolderShape;
    case Image:
        return Glyph::Picture;
    case Audio:
        return Glyph::Note;
    case Video:
        return Glyph::Play;
    case Archive:
        return Glyph::Box;
    case Document:
        return Glyph::Page;
    case Program:
        return Glyph::Gear;
    case Link:
        return isDir ? Glyph::FolderShape : Glyph::Lines;
    case BrokenLink:
        return Glyph::Question;
    case Pipe:
        return Glyph::Bar;
    case Device:
        return Glyph::Bolt;
    case Socket:
        return Glyph::Ring;
    case Text:
    case File:
        break;
    }
    return Glyph::Lines;
}

QString Classifier::symbol(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Note:
        return QStringLiteral("\u266A");
    case Glyph::Play:
        return QStringLiteral("\u25B6");
    case Glyph::Box:
        return QStringLiteral("\u25A4");
    case Glyph::Page:
        return QStringLiteral("\u00B6");
    case Glyph::Gear:
        return QStringLiteral("\u2699");
    case Glyph::Bar:
        return QStringLiteral("|");
    case Glyph::Bolt:
        return QStringLiteral("\u2301");
    case Glyph::Ring:
        return QStringLiteral("\u2300");
    case Glyph::Question:
        return QStringLiteral("?");
    case Glyph::FolderShape:
    case Glyph::Lines:
    case Glyph::Picture:
        break;
    }
    return QString();
}

QStringList Classifier::iconNames(const QMimeType &mime, Kind kind, bool isDir)
{
    static const char *const byKind[] = {
        "folder",          "text-x-generic",        "image-x-generic",   "audio-x-generic",
        "video-x-generic", "package-x-generic",     "x-office-document", "application-x-executable",
        "inode-symlink",   "emblem-unreadable",     "inode-fifo",        "inode-chardevice",
        "inode-socket",    "application-x-generic",
    };
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    };
    if (kind == BrokenLink) {
        add(QString::fromLatin1(byKind[BrokenLink]));
        return names;
    }
    if (mime.isValid()) {
        add(mime.iconName());
        add(mime.genericIconName());
    }
    add(QString::fromLatin1(kind == Link && isDir ? "folder" : byKind[kind <= File ? kind : File]));
    return names;
}
