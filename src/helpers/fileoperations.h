// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fileresult.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <memory>

class FileHistory;

// Rename, new folder, trash, restore, delete and empty trash for the scene,
// each run off the UI thread; what can be undone goes into history. Every
// call answers at once with a request number; finished() brings one
// FileResult per entry, in the order given, whose path is where the entry
// is now (or, on failure, the entry concerned).
class FileOperations : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(FileHistory *history READ history WRITE setHistory NOTIFY historyChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
public:
    enum Kind { Rename, NewFolder, Trash, Restore, Delete, EmptyTrash };
    Q_ENUM(Kind)

    explicit FileOperations(QObject *parent = nullptr);
    ~FileOperations() override;

    FileHistory *history() const { return m_history; }
    void setHistory(FileHistory *history);
    bool isBusy() const { return !m_requests.isEmpty(); }

    // The reason a typed name would be refused before it is tried; ok when
    // only the system can tell.
    Q_INVOKABLE FileResult checkName(const QString &name) const;

    Q_INVOKABLE int rename(const QString &path, const QString &newName);
    Q_INVOKABLE int makeFolder(const QString &folder, const QString &name);
    // A result NoTrash (or ReadOnly) means that entry stayed; offer to
    // delete it instead.
    Q_INVOKABLE int trash(const QStringList &paths);
    // Back where they came from, or at targets[i] where given and not
    // empty. An Exists result carries a free name beside it to offer.
    Q_INVOKABLE int restore(const QStringList &trashedPaths, const QStringList &targets = {});
    // For good; an entry of a trash goes with its info.
    Q_INVOKABLE int deletePermanently(const QStringList &paths);
    Q_INVOKABLE int emptyTrash();
    Q_INVOKABLE void cancel(int request);

Q_SIGNALS:
    void historyChanged();
    void busyChanged();
    // Entries done so far; total is -1 while unknown.
    void progress(int request, double done, double total);
    void finished(int request, FileOperations::Kind kind, const QVariantList &results);

private:
    struct Request;
    int start(Kind kind, const std::function<QList<FileResult>(Request &)> &work);
    void poll();

    QPointer<FileHistory> m_history;
    QHash<int, std::shared_ptr<Request>> m_requests;
    int m_next = 1;
    QTimer m_poll;
};
