// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's helper for the facts about a path that the listing records do
// not carry. Names may hold undecodable bytes; every question to the system
// goes through PathCodec.
#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>

class FileSystem : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit FileSystem(QObject *parent = nullptr) : QObject(parent) {}

    // A link counts as what it leads to, but for isSymLink.
    Q_INVOKABLE bool exists(const QString &path) const;
    Q_INVOKABLE bool isDir(const QString &path) const;
    Q_INVOKABLE bool isReadable(const QString &path) const;
    Q_INVOKABLE bool isSymLink(const QString &path) const;
    // Size in bytes of a regular file, -1 for anything else.
    Q_INVOKABLE double fileSize(const QString &path) const;

    // exists(), asked on a worker, so that a mount that stopped answering
    // never holds up the window; answered by existsChecked(), once for all
    // the requests made while the path was being looked at.
    Q_INVOKABLE void requestExists(const QString &path);

Q_SIGNALS:
    void existsChecked(const QString &path, bool exists);

private:
    QSet<QString> m_checking;
};
