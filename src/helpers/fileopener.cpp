// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileopener.h"

#include "fileprobe.h"
#include "fileproperties.h"
#include "iolanes.h"
#include "launcher.h"

#include <QMimeType>

FileOpener::FileOpener(QObject *parent)
    : QObject(parent),
      m_launcher([this](const QUrl &url) { return Launcher::openUrl(url, &m_unsupported); })
{
}

QMimeType FileOpener::mimeTypeOf(const QString &fileName, const QByteArray &head, bool haveContent)
{
    return FileType::mimeTypeOf(fileName, head, haveContent);
}

QString FileOpener::whatRuns(const QMimeType &mime, mode_t mode, const QByteArray &head,
                             const QString &path)
{
    return FileType::whatRuns(mime, mode, head, path);
}

QString FileOpener::viewerFor(const QMimeType &mime)
{
    return FileType::viewerName(FileType::viewerFor(mime));
}

QUrl FileOpener::fileUrl(const QString &path)
{
    return Launcher::fileUrl(path);
}

QVariantMap FileOpener::fileType(const QString &path) const
{
    return FileType::of(path).toMap();
}

FileType FileOpener::type(const QString &path) const
{
    return FileType::of(path);
}

void FileOpener::requestFileType(const QString &path)
{
    FileProbe::runOffThread<FileType>(
        this, path, [path] { return FileType::of(path); },
        [this, path](const FileType &type) {
            Q_EMIT fileTypeReady(path, type.toMap());
            Q_EMIT typeReady(path, type);
        });
}

QVariantMap FileOpener::properties(const QString &path) const
{
    return FileProperties::of(path);
}

void FileOpener::requestProperties(const QString &path)
{
    FileProbe::runOffThread<QVariantMap>(
        this, path, [path] { return FileProperties::of(path); },
        [this, path](const QVariantMap &map) { Q_EMIT propertiesReady(path, map); });
}

QVariantMap FileOpener::openExternally(const QString &path)
{
    return open(path, false);
}

QVariantMap FileOpener::openExternallyConfirmed(const QString &path)
{
    return open(path, true);
}

QVariantMap FileOpener::open(const QString &path, bool confirmed)
{
    bool go = false;
    QVariantMap answer = Launcher::decide(FileType::of(path), confirmed, &go);
    if (!go)
        return answer;
    m_unsupported = false;
    const bool started = m_launcher(fileUrl(path));
    Launcher::launched(
        &answer, started,
        started || m_unsupported
            ? QString()
            : defaultApplicationFor(answer.value(QStringLiteral("mimeType")).toString()),
        m_unsupported);
    return answer;
}

void FileOpener::requestOpenExternally(const QString &path, bool confirmed)
{
    FileProbe::runOffThread<FileType>(
        this, path, [path] { return FileType::of(path); },
        [this, path, confirmed](const FileType &type) {
            bool go = false;
            QVariantMap answer = Launcher::decide(type, confirmed, &go);
            handOut(path, type, answer, go);
        });
}

void FileOpener::requestRunShown(const QString &path, const QString &fingerprint)
{
    FileProbe::runOffThread<FileType>(
        this, path, [path] { return FileType::of(path); },
        [this, path, fingerprint](const FileType &type) {
            bool go = false;
            QVariantMap answer = Launcher::decideShown(type, fingerprint, &go);
            handOut(path, type, answer, go);
        });
}

void FileOpener::handOut(const QString &path, const FileType &type, QVariantMap answer, bool go)
{
    // The desktop is asked on this thread, as it wants.
    if (go) {
        m_unsupported = false;
        const bool started = m_launcher(fileUrl(path));
        if (started || m_unsupported) {
            Launcher::launched(&answer, started, QString(), m_unsupported);
            go = false;
        }
    }
    if (!go) {
        Q_EMIT openedExternally(path, answer);
        return;
    }
    FileProbe::runOffThread<QString>(
        this, [mime = type.mimeType] { return Launcher::defaultApplication(mime); },
        [this, path, answer](const QString &application) {
            QVariantMap result = answer;
            Launcher::launched(&result, false, application);
            Q_EMIT openedExternally(path, result);
        });
}

QString FileOpener::waitingFor(const QString &path) const
{
    return IoLanes::waitingFor(path);
}

QString FileOpener::defaultApplicationFor(const QString &mimeType) const
{
    return Launcher::defaultApplication(mimeType);
}

void FileOpener::requestDefaultApplication(const QString &mimeType)
{
    FileProbe::runOffThread<QString>(
        this, [mimeType] { return Launcher::defaultApplication(mimeType); },
        [this, mimeType](const QString &name) { Q_EMIT defaultApplicationFound(mimeType, name); });
}
