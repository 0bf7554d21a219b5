// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetype.h"

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
// never gives a pipe, a device or a socket to another application. The
// requests answer off the UI thread; the calls of the same name read the
// file on the caller's thread.
class FileOpener : public QObject
{
    Q_OBJECT
    QML_ELEMENT
public:
    explicit FileOpener(QObject *parent = nullptr);

    // FileType::toMap()'s keys. Reads at most the first 16 KiB; a file on a
    // stalled mount is better asked with requestFileType().
    Q_INVOKABLE QVariantMap fileType(const QString &path) const;
    // The same, typed.
    Q_INVOKABLE FileType type(const QString &path) const;
    // Answers with fileTypeReady() and typeReady().
    Q_INVOKABLE void requestFileType(const QString &path);

    // FileProperties::of()'s keys.
    Q_INVOKABLE QVariantMap properties(const QString &path) const;
    Q_INVOKABLE void requestProperties(const QString &path);

    // Keys: "ok", "needsConfirmation", "runs", "isSpecial", "missing",
    // "noApplication", "mimeType", "description", "reason" (untranslated),
    // "outcome" (a Launcher::Outcome). A program, a script or a desktop
    // entry is not opened: the answer asks for a confirmation naming what
    // would run.
    Q_INVOKABLE QVariantMap openExternally(const QString &path);
    // After the person confirmed; still never a pipe, device or socket.
    Q_INVOKABLE QVariantMap openExternallyConfirmed(const QString &path);
    // Both, with the file looked at and the desktop asked off the UI
    // thread; answers with openedExternally().
    Q_INVOKABLE void requestOpenExternally(const QString &path, bool confirmed = false);
    // "Run it" for what the confirmation showed (its answer's "fingerprint"):
    // runs only if the file is still what was read then, else answers with a
    // new confirmation of what it holds now ("changed"). Answers with
    // openedExternally().
    Q_INVOKABLE void requestRunShown(const QString &path, const QString &fingerprint);

    // The mount point that work on path is waiting for because it does not
    // answer ("/mnt/net"), or "": for a busy page to say what it waits for.
    Q_INVOKABLE QString waitingFor(const QString &path) const;

    // The name of the desktop's default application for a MIME type; ""
    // when none. Waits for the desktop's answer (a few seconds at most):
    // the scene asks with requestDefaultApplication().
    Q_INVOKABLE QString defaultApplicationFor(const QString &mimeType) const;
    Q_INVOKABLE void requestDefaultApplication(const QString &mimeType);

    static QMimeType mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent);
    static QString whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                            const QString &path);
    // "text", "image", "hex", "external" (FileType::viewerName()).
    static QString viewerFor(const QMimeType &mime);
    static QUrl fileUrl(const QString &path);

    // Replaces QDesktopServices::openUrl, for tests.
    void setLauncher(std::function<bool(const QUrl &)> launcher) { m_launcher = launcher; }

Q_SIGNALS:
    void fileTypeReady(const QString &path, const QVariantMap &type);
    void typeReady(const QString &path, const FileType &type);
    void propertiesReady(const QString &path, const QVariantMap &properties);
    void openedExternally(const QString &path, const QVariantMap &result);
    void defaultApplicationFound(const QString &mimeType, const QString &name);

private:
    QVariantMap open(const QString &path, bool confirmed);
    // Hands the file out on this thread as answer allows, or finds why not.
    void handOut(const QString &path, const FileType &type, QVariantMap answer, bool go);

    std::function<bool(const QUrl &)> m_launcher;
    bool m_unsupported = false; // the last hand-off was refused by the platform
};
