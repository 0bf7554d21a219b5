// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// What the store has to tell the person: a settings file it could not read,
// where that file was kept, a write that failed. Each may happen before the
// scene is there to listen, so the last of each is also kept as a property.
class SettingsNotices : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString unreadableReason READ unreadableReason NOTIFY unreadable)
    Q_PROPERTY(QString keptAsidePath READ keptAsidePath NOTIFY keptAside)
    Q_PROPERTY(QString writeFailure READ writeFailure NOTIFY writeFailed)
public:
    QString unreadableReason() const { return m_unreadableReason; }
    QString keptAsidePath() const { return m_keptAsidePath; }
    QString writeFailure() const { return m_writeFailure; }

    void reportUnreadable(const QString &reason);
    void reportKeptAside(const QString &path);
    void reportWriteFailure(const QString &reason);

    // One for the program, told by the store in use; a new store starts
    // it afresh.
    static SettingsNotices *shared();
    void clear();
    // For the scene.
    static SettingsNotices *create(QQmlEngine *, QJSEngine *);

private:
    // Not default-constructible, so that QML takes the shared one.
    SettingsNotices() = default;

Q_SIGNALS:
    // The file is there but holds no settings that can be read; it is kept
    // aside before the next write.
    void unreadable(const QString &reason);
    // The unreadable file now has this (absolute) name.
    void keptAside(const QString &path);
    // A change lives in memory only; it reaches the file with the next
    // write that works.
    void writeFailed(const QString &reason);

private:
    QString m_unreadableReason;
    QString m_keptAsidePath;
    QString m_writeFailure;
};
