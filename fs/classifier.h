// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMimeDatabase>
#include <QMimeType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace Listing {
struct Entry;
}

// What an entry is, as a person tells entries apart.
namespace FileKind {
Q_NAMESPACE

enum Kind : quint8 {
    Folder,
    Text,
    Image,
    Audio,
    Video,
    Archive,
    Document, // office documents, PDF, e-books
    Program,
    Link,
    BrokenLink,
    Pipe,
    Device,
    Socket,
    File,
};
Q_ENUM_NS(Kind)

// The picture drawn for an entry when the icon theme has none: a folder, a
// sheet with lines or a picture on it, or a sheet with a symbol (symbol()).
// Named for what is drawn, apart from the kinds' names (QML sees both in
// one scope).
enum class Glyph : quint8 {
    FolderShape,
    Lines,
    Picture,
    Note,
    Play,
    Box,
    Page,
    Gear,
    Bar,
    Bolt,
    Ring,
    Question,
};
Q_ENUM_NS(Glyph)

} // namespace FileKind

// Tells entries apart by the shared MIME database: their kind, their MIME
// type (whose comment() is the kind in the person's words and whose icon
// names the theme knows), and the glyph to draw without a theme. The
// listing, the opener and the icons all ask here. An instance caches what
// it found per extension and is for one thread at a time.
class Classifier
{
public:
    // A kind and a MIME type, held as a number (see mimeType()) so that a
    // listing of a million rows keeps two bytes per row for it.
    struct Match
    {
        FileKind::Kind kind = FileKind::File;
        quint16 mime = 0;
    };

    Classifier();

    // By name and mode only, never reading the file: what a listing can
    // afford per entry. A link is Link (BrokenLink when it leads nowhere)
    // with the MIME type of what it leads to.
    Match classify(const Listing::Entry &entry);
    Match classify(const QString &name, mode_t mode, bool isLink = false,
                   bool isBrokenLink = false);

    // The kind of a MIME type found otherwise (by content), for a regular
    // file of that mode.
    static FileKind::Kind kindOf(const QMimeType &mime, mode_t mode);
    // Whether the desktop would start a program to "open" a file of this
    // type, whatever its mode: executables, Java and Windows programs.
    static bool isProgramType(const QMimeType &mime);
    // Whether the desktop, handed the file, would run what it holds: a
    // program type, or a type (or extension) that it gives to a program that
    // runs it, such as wine for Windows scripts and shortcuts or javaws for
    // Java Web Start; judged by the type, its aliases and its ancestors, and
    // by the types of the name. fileName may be "".
    static bool runsWhenOpened(const QMimeType &mime, const QString &fileName);

    static QMimeType mimeType(quint16 id);
    static quint16 idOf(const QMimeType &mime);

    // "folder", "text", "brokenLink"...: the names the scene uses.
    static QString kindName(FileKind::Kind kind);
    static FileKind::Glyph glyphOf(FileKind::Kind kind, bool isDir);
    // What the glyph shows on its sheet; "" for the drawn shapes.
    static QString symbol(FileKind::Glyph glyph);
    // Theme icon names to try, best first: the type's own, its generic one,
    // then the kind's.
    static QStringList iconNames(const QMimeType &mime, FileKind::Kind kind, bool isDir);

private:
    struct Cached
    {
        quint16 mime = 0;
        FileKind::Kind plain = FileKind::File;
        FileKind::Kind executable = FileKind::File;
    };
    const Cached &byName(const QString &name);

    QMimeDatabase m_db;
    QHash<QString, Cached> m_cache;
};
