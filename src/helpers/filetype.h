// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classifier.h"
#include "fileprobe.h"

#include <QByteArray>
#include <QMimeType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <sys/types.h>

// A look at a path that never waits on a pipe or a device: its status, and
// the first 16 KiB of a regular file (magic rules look within the first few
// KiB; tar's at 257), or the whole of a desktop entry (up to
// DesktopEntry::MaxSize), whose command may stand anywhere in it.
struct FileLook
{
    FileProbe::Status status;
    QByteArray head;
    bool haveContent = false;
    bool complete = false; // head is the whole file
    int openError = 0;
    // The file that was read and what was read of it, in a few bytes: the
    // same again only if nothing of it changed.
    QByteArray fingerprint;

    static FileLook at(const QString &path);
};

// What a path names on disk, and where a file opens: FileType's enums,
// for the scene as FileTypes.Pipe, FileTypes.TextViewer...
namespace FileTypes {
Q_NAMESPACE
QML_ELEMENT

// What the path names on disk (the map's "kind").
enum Entry { Missing, Unreadable, Regular, Directory, Pipe, CharDevice, BlockDevice, Socket };
Q_ENUM_NS(Entry)
// Where it opens (the map's "viewer"): nowhere (a pipe, a device, a socket,
// nothing), as text, as a picture, as a hex dump, in the desktop's
// application, or as a folder in the browser.
enum Viewer { NoViewer, TextViewer, ImageViewer, HexViewer, ExternalViewer, FolderViewer };
Q_ENUM_NS(Viewer)

} // namespace FileTypes

// What a file is, for the opener: its MIME type by content first and name
// second, its kind, the viewer that fits it and what would run if the
// desktop opened it. FileOpener answers it beside the map the scene reads
// today (toMap()).
class FileType
{
    Q_GADGET
    QML_VALUE_TYPE(fileType)
    Q_PROPERTY(QString path MEMBER path)
    Q_PROPERTY(FileTypes::Entry entry MEMBER entry)
    Q_PROPERTY(bool exists MEMBER exists)
    Q_PROPERTY(bool isBrokenLink MEMBER isBrokenLink)
    Q_PROPERTY(QString linkTarget MEMBER linkTarget)
    Q_PROPERTY(bool isSpecial MEMBER isSpecial)
    Q_PROPERTY(QString mimeType MEMBER mimeType)
    Q_PROPERTY(QString description MEMBER description)
    Q_PROPERTY(FileKind::Kind kind MEMBER kind)
    Q_PROPERTY(QStringList iconNames MEMBER iconNames)
    Q_PROPERTY(FileTypes::Viewer viewer MEMBER viewer)
    Q_PROPERTY(bool isExecutable MEMBER isExecutable)
    Q_PROPERTY(QString runs MEMBER runs)
    Q_PROPERTY(QString refusal MEMBER refusal)
    Q_PROPERTY(QString fingerprint MEMBER fingerprint)
    Q_PROPERTY(QString error MEMBER error)
public:
    using Entry = FileTypes::Entry;
    using Viewer = FileTypes::Viewer;

    QString path;
    Entry entry = FileTypes::Missing;
    bool exists = false;
    bool isBrokenLink = false;
    QString linkTarget; // what a broken link leads to, as stored
    bool isSpecial = false;
    QString mimeType;
    QString description; // the MIME type's comment, in the person's language
    FileKind::Kind kind = FileKind::File;
    QStringList iconNames;
    Viewer viewer = FileTypes::NoViewer;
    bool isExecutable = false;
    QString runs;    // what would run, for the confirmation
    QString refusal; // why it is never run (a desktop entry read otherwise than shown)
    // What was looked at: handed back with a confirmation, it tells whether
    // the file is still what the person was shown.
    QString fingerprint;
    QString error;

    static FileType of(const QString &path);
    static FileType from(const QString &path, const FileLook &look);
    // Keys: "path", "kind" ("file", "folder", "pipe", "character device",
    // "block device", "socket", "missing", "unreadable"), "exists",
    // "isBrokenLink", "linkTarget" (of a broken link), "mimeType", "description", "viewer" ("text",
    // "image", "hex", "external", "folder", "none"), "isExecutable", "runs", "refusal",
    // "fingerprint", "isSpecial", "error"; and "fileKind", "iconNames" as the listing names them.
    QVariantMap toMap() const;
    static QString viewerName(Viewer viewer);

    // The MIME type by content first, then by name (case-insensitive).
    static QMimeType mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent);
    // What would run if the desktop opened the file, or "" when it is no
    // program: an executable, a desktop entry, a shell script, a script
    // with an execute bit, a type the desktop hands to a program that runs
    // it (Classifier::runsWhenOpened()). head is the file from its start.
    static QString whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                            const QString &path);
    static Viewer viewerFor(const QMimeType &mime);
};
