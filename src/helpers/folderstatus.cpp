// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderstatus.h"

#include "pathcodec.h"
#include "scenetools.h"

#include <mutex>
#include <sys/statvfs.h>
#include <system_error>
#include <thread>

struct FolderStatus::Mailbox
{
    std::mutex mutex;
    FolderStatus *status = nullptr;
};

FolderStatus::FolderStatus(QObject *parent)
    : QObject(parent), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->status = this;
    m_timer.setInterval(5000);
    connect(&m_timer, &QTimer::timeout, this, &FolderStatus::refresh);
}

FolderStatus::~FolderStatus()
{
    std::lock_guard<std::mutex> lock(m_mailbox->mutex);
    m_mailbox->status = nullptr;
}

void FolderStatus::setFolder(const QString &folder)
{
    if (m_folder == folder)
        return;
    m_folder = folder;
    Q_EMIT folderChanged();
    if (m_folder.isEmpty()) {
        m_timer.stop();
        land(QString(), false, -1, -1);
        return;
    }
    m_timer.start();
    refresh();
}

QString FolderStatus::freeText() const
{
    return m_free < 0 ? QString() : tr("%1 free").arg(SceneTools::sizeText(double(m_free)));
}

QString FolderStatus::countText(int shown, int hidden)
{
    const QString entries = tr("%Ln entries", nullptr, shown);
    return hidden > 0 ? tr("%1, %Ln hidden", nullptr, hidden).arg(entries) : entries;
}

QString FolderStatus::selectionText(int count, qint64 bytes)
{
    if (count <= 0)
        return QString();
    const QString selected = tr("%Ln selected", nullptr, count);
    return bytes > 0 ? tr("%1 (%2)").arg(selected, SceneTools::sizeText(double(bytes))) : selected;
}

void FolderStatus::refresh()
{
    if (m_folder.isEmpty())
        return;
    if (m_asking) {
        m_askAgain = true;
        return;
    }
    m_asking = true;
    const QString folder = m_folder;
    try {
        std::thread([mailbox = m_mailbox, folder] {
            struct statvfs volume;
            const bool ok = !folder.contains(QChar(0)) &&
                            ::statvfs(PathCodec::encode(folder).constData(), &volume) == 0;
            const qint64 free = ok ? qint64(volume.f_bavail) * qint64(volume.f_frsize) : -1;
            const qint64 total = ok ? qint64(volume.f_blocks) * qint64(volume.f_frsize) : -1;
            std::lock_guard<std::mutex> lock(mailbox->mutex);
            if (FolderStatus *status = mailbox->status)
                QMetaObject::invokeMethod(
                    status, [=] { status->land(folder, ok, free, total); }, Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error &) {
        m_asking = false;
    }
}

void FolderStatus::land(const QString &folder, bool ok, qint64 free, qint64 total)
{
    if (!folder.isEmpty()) {
        m_asking = false;
        if (m_askAgain) {
            m_askAgain = false;
            refresh();
        }
        if (folder != m_folder)
            return; // an answer for the folder before
    }
    if (!ok)
        free = total = -1;
    if (free == m_free && total == m_total)
        return;
    m_free = free;
    m_total = total;
    Q_EMIT spaceChanged();
}
