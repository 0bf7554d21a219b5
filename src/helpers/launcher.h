// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filetype.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// Handing a file to the desktop's application: never a program unasked,
// never a pipe, a device or a socket, and, when the desktop cannot open it,
// whether it has no application for the type at all.
namespace Launcher {
Q_NAMESPACE
QML_ELEMENT

// How a hand-off ended (the answer's "outcome"; Launcher.NoApplication...).
enum class Outcome {
    Opened,
    NeedsConfirmation, // a program, a script or a desktop entry: ask first
    Missing,
    Special,       // a pipe, a device or a socket is never handed out
    NoApplication, // nothing is set to open the type
    NotStarted,    // the desktop could not start its application
    Refused,       // a desktop entry the desktop might read otherwise than shown: never run
    Unsupported,   // the platform hands no file to another application
    Changed,       // the file changed after it was shown: shown anew, not run
};
Q_ENUM_NS(Outcome)

// The answer before anything is started. Keys: "ok", "needsConfirmation",
// "runs", "isSpecial", "missing", "noApplication", "mimeType",
// "description", "reason" (untranslated), "outcome" (an Outcome),
// "fingerprint" (of what was looked at), "refused". *go is set when the
// file may be handed out now.
QVariantMap decide(const FileType &type, bool confirmed, bool *go);
// Completes the answer after the desktop was asked to open the file;
// unsupported says that the platform itself refused the hand-off.
void launched(QVariantMap *answer, bool started, const QString &defaultApplication,
              bool unsupported = false);
// The answer to "Run it" for what was shown (FileType::fingerprint): when
// the file is no longer what was shown, a new confirmation of what it holds
// now ("changed" set), else decide() as confirmed.
QVariantMap decideShown(const FileType &type, const QString &shownFingerprint, bool *go);

// Hands url to the desktop (QDesktopServices::openUrl); *unsupported tells
// whether the platform said it opens no documents at all.
bool openUrl(const QUrl &url, bool *unsupported);

// A URL that names the file's bytes exactly, also for undecodable names.
QUrl fileUrl(const QString &path);

// The name of the desktop's default application for a MIME type, "" when
// it has none or cannot say. Asks the desktop's own tool (gio, else
// xdg-mime) and waits for it up to a few seconds: never on the UI thread.
QString defaultApplication(const QString &mimeType);

} // namespace Launcher
