// The scene's helper for the facts about a path that the listing records do
// not carry.
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class FileSystem : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit FileSystem(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE bool exists(const QString &path) const;
    Q_INVOKABLE bool isDir(const QString &path) const;
    Q_INVOKABLE bool isReadable(const QString &path) const;
    Q_INVOKABLE bool isSymLink(const QString &path) const;
    // Size in bytes of a regular file, -1 for anything else.
    Q_INVOKABLE double fileSize(const QString &path) const;
};
