// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsnotices.h"

#include <QJSEngine>

SettingsNotices *SettingsNotices::shared()
{
    // Outlives every store and every scene engine: a scene made after the
    // store was replaced still reads the notices of the store in use.
    static SettingsNotices notices;
    return &notices;
}

SettingsNotices *SettingsNotices::create(QQmlEngine *, QJSEngine *)
{
    QJSEngine::setObjectOwnership(shared(), QJSEngine::CppOwnership);
    return shared();
}

void SettingsNotices::clear()
{
    m_unreadableReason.clear();
    m_keptAsidePath.clear();
    m_writeFailure.clear();
}

void SettingsNotices::reportUnreadable(const QString &reason)
{
    m_unreadableReason = reason;
    Q_EMIT unreadable(reason);
}

void SettingsNotices::reportKeptAside(const QString &path)
{
    m_keptAsidePath = path;
    Q_EMIT keptAside(path);
}

void SettingsNotices::reportWriteFailure(const QString &reason)
{
    m_writeFailure = reason;
    Q_EMIT writeFailed(reason);
}
