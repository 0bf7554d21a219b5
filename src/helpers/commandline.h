// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class QTranslator;

// What the program was started with: a folder or file to open, --help,
// --version. Read before any GUI exists, so that the answers need no
// display; the scene asks for the folder to start in through the singleton.
class CommandLine : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The folder or file asked for, absolute; "" when none was.
    Q_PROPERTY(QString path READ path CONSTANT)
public:
    explicit CommandLine(QObject *parent = nullptr) : QObject(parent) {}

    struct Request
    {
        int exitCode = -1; // -1: go on and start the program
        QString output;    // to stdout when exitCode is 0, else to stderr
        QString warning;   // to stderr; the program still starts
        QString path;
        QList<int> qtArguments; // indices of the options Qt reads itself
    };
    // arguments as main() got them; a relative path is taken from
    // workingDirectory unless --caller-dir names another folder.
    static Request parse(const QByteArrayList &arguments, const QByteArray &workingDirectory,
                         const QTranslator *translator = nullptr);
    // For main(): parses, prints, and leaves in argv only what Qt should see.
    // Returns the exit code, or -1 to start the program with the new argc.
    static int take(int &argc, char **argv);

    static QString requestedPath();
    static void setRequestedPath(const QString &path);
    QString path() const { return requestedPath(); }

    // Where to start for path: {folder, select, reason}. A file opens its
    // folder with it selected; a path that is gone or cannot be read, its
    // nearest parent that can be listed, with reason "missing" or "unreadable".
    static QVariantMap startFor(const QString &path, const QString &home);
    // startFor(path) on a thread of its own (the path may be on a mount
    // that never answers), answered by startFound; after a moment without an
    // answer, with the path taken as a folder.
    Q_INVOKABLE void findStart();

Q_SIGNALS:
    void startFound(const QString &folder, const QString &select, const QString &reason);
};
