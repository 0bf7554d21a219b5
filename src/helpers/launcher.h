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
};
Q_ENUM_NS(Outcome)

// The answer before anything is started. Keys: "ok", "needsConfirmation",
// "runs", "isSpecial", "missing", "noApplication", "mimeType",
// "description", "reason" (untranslated), "outcome" (an Outcome). *go is
// set when the file may be handed out now.
QVariantMap decide(const FileType &type, bool confirmed, bool *go);
// Completes the answer after the desktop was asked to open the file.
void launched(QVariantMap *answer, bool started, const QString &defaultApplication);

// A URL that names the file's bytes exactly, also for undecodable names.
QUrl fileUrl(const QString &path);

// The name of the desktop's default application for a MIME type, "" when
// it has none or cannot say. Asks the desktop's own tool (gio, else
// xdg-mime) and waits for it up to a few seconds: never on the UI thread.
QString defaultApplication(const QString &mimeType);

} // namespace Launcher
