// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher.h"

#include "pathcodec.h"

#include <QDesktopServices>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>

namespace Launcher {

namespace {

// Long enough for a desktop's first start of its MIME cache, short enough
// that an answer that never comes does not keep the person waiting.
constexpr int ToolTimeout = 3000;

QString run(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return QString();
    QProcess process;
    // Its words in English, whatever the person's language: they are parsed.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(found, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(ToolTimeout)) {
        process.kill();
        process.waitForFinished(ToolTimeout);
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The desktop entry that opens the type by default, as an id ("foo.desktop").
QString defaultEntry(const QString &mimeType)
{
    // "Default application for “TYPE”: foo.desktop", or no such line.
    const QString gio = run(QStringLiteral("gio"), {QStringLiteral("mime"), mimeType});
    for (const QString &line : gio.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Default application for"))) {
            const qsizetype colon = line.lastIndexOf(QLatin1String(": "));
            if (colon > 0)
                return line.mid(colon + 2).trimmed();
        }
    }
    if (!QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
        return QString();
    return run(QStringLiteral("xdg-mime"),
               {QStringLiteral("query"), QStringLiteral("default"), mimeType})
        .trimmed();
}

// The entry's name, untranslated, from the first applications folder that
// holds it ("vendor-app.desktop" may live in vendor/app.desktop).
QString entryName(const QString &id)
{
    const QString nested = QString(id).replace(QLatin1Char('-'), QLatin1Char('/'));
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        for (const QString &candidate : {id, nested}) {
            QFile file(dir + QLatin1Char('/') + candidate);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            bool inEntry = false;
            while (!file.atEnd()) {
                const QByteArray line = file.readLine().trimmed();
                if (line.startsWith('['))
                    inEntry = line == "[Desktop Entry]";
                else if (inEntry && line.startsWith("Name") &&
                         line.mid(4).trimmed().startsWith('='))
                    return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
            }
            return id;
        }
    }
    return id;
}

} // namespace

QVariantMap decide(const FileType &type, bool confirmed, bool *go)
{
    *go = false;
    QVariantMap answer = {
        {QStringLiteral("mimeType"), type.mimeType},
        {QStringLiteral("description"), type.description},
        {QStringLiteral("runs"), type.runs},
        {QStringLiteral("isSpecial"), type.isSpecial},
        {QStringLiteral("ok"), false},
        {QStringLiteral("needsConfirmation"), false},
        {QStringLiteral("noApplication"), false},
        {QStringLiteral("missing"), false},
        {QStringLiteral("refused"), false},
        {QStringLiteral("fingerprint"), type.fingerprint},
    };
    if (type.entry == FileTypes::Missing) {
        answer[QStringLiteral("missing")] = true;
        answer[QStringLiteral("reason")] = type.error;
        answer[QStringLiteral("outcome")] = int(Outcome::Missing);
    } else if (type.isSpecial) {
        answer[QStringLiteral("reason")] =
            QStringLiteral("A %1 is never handed to another application")
                .arg(QString::fromLatin1(FileProbe::kindName(FileProbe::Kind(type.entry))));
        answer[QStringLiteral("outcome")] = int(Outcome::Special);
    } else if (!type.refusal.isEmpty()) {
        // Confirmed or not: what would run is not what could be shown.
        answer[QStringLiteral("refused")] = true;
        answer[QStringLiteral("reason")] = type.refusal;
        answer[QStringLiteral("outcome")] = int(Outcome::Refused);
    } else if (!confirmed && type.isExecutable) {
        answer[QStringLiteral("needsConfirmation")] = true;
        answer[QStringLiteral("outcome")] = int(Outcome::NeedsConfirmation);
    } else {
        *go = true;
    }
    return answer;
}

QVariantMap decideShown(const FileType &type, const QString &shownFingerprint, bool *go)
{
    if (type.fingerprint.isEmpty() || type.fingerprint != shownFingerprint) {
        QVariantMap answer = decide(type, false, go);
        *go = false;
        answer[QStringLiteral("changed")] = true;
        if (!answer.contains(QStringLiteral("outcome")) ||
            answer.value(QStringLiteral("needsConfirmation")).toBool()) {
            // Asked again about what it holds now, whatever that is.
            answer[QStringLiteral("needsConfirmation")] = true;
            if (type.runs.isEmpty())
                answer[QStringLiteral("runs")] = type.path;
            answer[QStringLiteral("outcome")] = int(Outcome::Changed);
            answer[QStringLiteral("reason")] =
                QStringLiteral("The file changed after it was shown");
        }
        return answer;
    }
    return decide(type, true, go);
}

void launched(QVariantMap *answer, bool started, const QString &defaultApplication,
              bool unsupported)
{
    if (started) {
        (*answer)[QStringLiteral("ok")] = true;
        (*answer)[QStringLiteral("outcome")] = int(Outcome::Opened);
        return;
    }
    if (unsupported) {
        (*answer)[QStringLiteral("noApplication")] = false;
        (*answer)[QStringLiteral("outcome")] = int(Outcome::Unsupported);
        (*answer)[QStringLiteral("reason")] =
            QStringLiteral("This desktop does not hand files to other applications");
        return;
    }
    const bool none = defaultApplication.isEmpty();
    (*answer)[QStringLiteral("noApplication")] = none;
    (*answer)[QStringLiteral("outcome")] = int(none ? Outcome::NoApplication : Outcome::NotStarted);
    (*answer)[QStringLiteral("reason")] =
        none ? QStringLiteral("No application is set to open %1 files")
                   .arg(answer->value(QStringLiteral("mimeType")).toString())
             : QStringLiteral("The desktop could not start the application");
}

namespace {
// What the platform said while a hand-off was asked on this thread.
QtMessageHandler previousHandler = nullptr;
bool *refusedNow = nullptr;
QMutex handlerMutex;

void noteRefusal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt's words when the platform has no services for documents or URLs.
    if (refusedNow && type == QtWarningMsg &&
        message.contains(QLatin1String("does not support QPlatformServices")))
        *refusedNow = true;
    if (previousHandler)
        previousHandler(type, context, message);
}
} // namespace

bool openUrl(const QUrl &url, bool *unsupported)
{
    QMutexLocker lock(&handlerMutex);
    *unsupported = false;
    refusedNow = unsupported;
    previousHandler = qInstallMessageHandler(noteRefusal);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(previousHandler);
    refusedNow = nullptr;
    return opened;
}

QUrl fileUrl(const QString &path)
{
    if (!PathCodec::hasUndecodable(path))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded("file://" + PathCodec::encode(path).toPercentEncoding("/"));
}

QString defaultApplication(const QString &mimeType)
{
    if (mimeType.isEmpty())
        return QString();
    const QString id = defaultEntry(mimeType);
    return id.isEmpty() ? QString() : entryName(id);
}

} // namespace Launcher
