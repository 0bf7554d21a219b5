#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// What the path bar and the start of the program need to know about a typed
// or remembered path. Names may hold undecodable bytes; every question to the
// system goes through PathCodec.
class PathTools : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit PathTools(QObject *parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE QString home() const;
    // "~" and "~/x" become the home folder, a relative path is taken from
    // base, "." and ".." are resolved and repeated slashes folded.
    Q_INVOKABLE QString expand(const QString &typed, const QString &base) const;
    // Where a typed path leads: {kind: "folder" | "file" | "missing" | "empty",
    // folder, select} where select is the file to select in folder.
    Q_INVOKABLE QVariantMap resolve(const QString &typed, const QString &base) const;
    // Folder names that complete the last part of typed, as whole typed texts
    // ending in "/", in a person's order; at most max of them.
    Q_INVOKABLE QStringList complete(const QString &typed, const QString &base, int max = 40) const;
    // Both, on a worker: a folder on a mount that stopped answering never
    // holds up the typing. Answered by completed() and resolved(), with what
    // was asked; an answer a newer request overtook is dropped.
    Q_INVOKABLE void requestComplete(const QString &typed, const QString &base, int max = 40);
    Q_INVOKABLE void requestResolve(const QString &typed, const QString &base);
    // The path as its folders from the root down: [{name, path}], path ending in "/".
    Q_INVOKABLE QVariantList segments(const QString &path) const;
    Q_INVOKABLE QString parentOf(const QString &path) const;
    // One spelling per place: "//usr/", "/usr", "/usr/" and "/usr//" all
    // give "/usr" (clean) or "/usr/" (folderForm), and are the same folder.
    // "." and ".." are taken as written; "~" is expand()'s business.
    Q_INVOKABLE QString clean(const QString &path) const;
    Q_INVOKABLE QString folderForm(const QString &path) const;
    Q_INVOKABLE bool sameFolder(const QString &a, const QString &b) const;

    // The folder to open at start: the remembered one if it can be listed,
    // else its nearest parent that can, else home. Looked up on a thread of
    // its own, since a remembered network folder may never answer; the
    // answer arrives as startFolderFound(folder, reason) where reason is
    // "", "missing" or "unreadable".
    Q_INVOKABLE void findStartFolder(const QString &remembered);
    static QVariantMap startFolderFor(const QString &remembered, const QString &home);

    // What the calls above answer, with home given: for any thread.
    static QString expandFor(const QString &typed, const QString &base, const QString &home);
    static QVariantMap resolveFor(const QString &typed, const QString &base, const QString &home);
    static QStringList completeFor(const QString &typed, const QString &base, int max,
                                   const QString &home);

Q_SIGNALS:
    void startFolderFound(const QString &folder, const QString &reason);
    void completed(const QString &typed, const QString &base, const QStringList &completions);
    void resolved(const QString &typed, const QString &base, const QVariantMap &where);

private:
    quint64 m_completions = 0;
    quint64 m_resolutions = 0;
};
