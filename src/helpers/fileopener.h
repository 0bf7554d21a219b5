#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <sys/types.h>

class QMimeType;

// Tells what a file is from its content and name, which viewer fits it, and
// hands it to the desktop's application; never runs a program unasked and
// never gives a pipe, a device or a socket to another application.
class FileOpener : public QObject
{
    Q_OBJECT
    QML_ELEMENT
public:
    explicit FileOpener(QObject *parent = nullptr);

    // Keys: "path", "kind" ("file", "folder", "pipe", "character device",
    // "block device", "socket", "missing", "unreadable"), "exists",
    // "isBrokenLink", "mimeType", "description", "viewer" ("text", "image",
    // "hex", "external", "folder", "none"), "isExecutable", "runs" (what
    // would run, for the confirmation), "isSpecial", "error". Reads at most
    // the first 16 KiB; a file on a stalled mount is better asked with
    // requestFileType().
    Q_INVOKABLE QVariantMap fileType(const QString &path) const;
    Q_INVOKABLE void requestFileType(const QString &path);

    // Keys: "path", "kind", "exists", "size", "modified", "accessed",
    // "owner", "group", "permissions" ("rwxr-xr-x"), "octal" ("0755"),
    // "mimeType", "description", "isSymLink", "linkTarget" (as stored),
    // "linkTargetPath" (absolute), "isBrokenLink", "error".
    Q_INVOKABLE QVariantMap properties(const QString &path) const;
    Q_INVOKABLE void requestProperties(const QString &path);

    // Keys: "ok", "needsConfirmation", "runs", "isSpecial", "missing",
    // "noApplication", "mimeType", "description", "reason" (untranslated).
    // A program, a script or a desktop entry is not opened: the answer asks
    // for a confirmation naming what would run.
    Q_INVOKABLE QVariantMap openExternally(const QString &path);
    // After the person confirmed; still never a pipe, device or socket.
    Q_INVOKABLE QVariantMap openExternallyConfirmed(const QString &path);

    // The name of the desktop's default application for a MIME type, from
    // the mimeapps.list files and the desktop's MIME cache; "" when none.
    Q_INVOKABLE QString defaultApplicationFor(const QString &mimeType) const;

    // The MIME type by content first, then by name (case-insensitive).
    static QMimeType mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent);
    // What would run if the desktop opened the file, or "" when it is no
    // program: an executable, a desktop entry, a shell script, a script
    // with an execute bit.
    static QString whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                            const QString &path);
    static QString viewerFor(const QMimeType &mime);
    // A URL that names the file's bytes exactly, also for undecodable names.
    static QUrl fileUrl(const QString &path);

    // Replaces QDesktopServices::openUrl, for tests.
    void setLauncher(std::function<bool(const QUrl &)> launcher) { m_launcher = launcher; }

Q_SIGNALS:
    void fileTypeReady(const QString &path, const QVariantMap &type);
    void propertiesReady(const QString &path, const QVariantMap &properties);

private:
    QVariantMap open(const QString &path, bool confirmed);

    std::function<bool(const QUrl &)> m_launcher;
};
