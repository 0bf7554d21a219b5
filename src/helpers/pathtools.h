// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// What a typed path leads to, for the scene as PathTargets.Folder...
namespace PathTargets {
Q_NAMESPACE
QML_ELEMENT
enum Kind { Empty, Missing, Folder, File };
Q_ENUM_NS(Kind)
} // namespace PathTargets

// Where a typed path leads: a folder to open, a file to select in its
// folder, a path that does not exist (folder holds it), or nothing typed.
class PathTarget
{
    Q_GADGET
    QML_VALUE_TYPE(pathTarget)
    Q_PROPERTY(PathTargets::Kind kind MEMBER kind)
    Q_PROPERTY(QString folder MEMBER folder)
    Q_PROPERTY(QString select MEMBER select)
public:
    PathTargets::Kind kind = PathTargets::Empty;
    QString folder; // ends in "/" but for Missing
    QString select; // the file, for File
    bool operator==(const PathTarget &other) const
    {
        return kind == other.kind && folder == other.folder && select == other.select;
    }
};

// What the path bar and the start of the program need to know about a typed
// or remembered path. Names may hold undecodable bytes; every question to the
// system goes through PathCodec, on a worker, as a folder on a mount that
// stopped answering must never hold up the window.
class PathTools : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit PathTools(QObject *parent = nullptr);

    Q_INVOKABLE QString home() const;
    // "~" and "~/x" become the home folder, a relative path is taken from
    // base, "." and ".." are resolved and repeated slashes folded.
    Q_INVOKABLE QString expand(const QString &typed, const QString &base) const;
    // Where typed leads, as {kind: "folder" | "file" | "missing" | "empty",
    // folder, select}, and its completions (below), asked on the caller's
    // thread.
    Q_INVOKABLE QVariantMap resolve(const QString &typed, const QString &base) const;
    Q_INVOKABLE QStringList complete(const QString &typed, const QString &base, int max = 40) const;
    // Folder names that complete the last part of typed, as whole typed
    // texts ending in "/", in a person's order, at most max of them; and
    // where typed leads. Answered by completed() and resolved(), with what
    // was asked; an answer a newer request overtook is dropped. A folder is
    // read once for a run of keystrokes, and a folder or path still being
    // read is not asked again.
    Q_INVOKABLE void requestComplete(const QString &typed, const QString &base, int max = 40);
    Q_INVOKABLE void requestResolve(const QString &typed, const QString &base);
    // The path as its folders from the root down: [{name, path}], path ending
    // in "/", name as the screen shows it (ShownNames).
    Q_INVOKABLE QVariantList segments(const QString &path) const;
    Q_INVOKABLE QString parentOf(const QString &path) const;
    // One spelling per place: "//usr/", "/usr", "/usr/" and "/usr//" all
    // give "/usr" (clean) or "/usr/" (folderForm), and are the same folder.
    // "." and ".." are taken as written; "~" is expand()'s business.
    Q_INVOKABLE QString clean(const QString &path) const;
    Q_INVOKABLE QString folderForm(const QString &path) const;
    Q_INVOKABLE bool sameFolder(const QString &a, const QString &b) const;
    // A name, or every name of a path, as the screen shows it everywhere:
    // odd bytes, line breaks and reordering characters as codes (ShownNames).
    Q_INVOKABLE QString shownName(const QString &name) const;
    Q_INVOKABLE QString shownPath(const QString &path) const;

    // The folder to open at start: the remembered one if it can be listed,
    // else its nearest parent that can, else home (also for a remembered
    // path that is not absolute). Looked up on a worker; the answer arrives
    // as startFolderFound(folder, reason) where reason is "", "missing" or
    // "unreadable". A lookup that takes longer than a moment (a network
    // folder that does not answer) is answered with the remembered folder
    // as it stands, whose listing then shows that it waits.
    Q_INVOKABLE void findStartFolder(const QString &remembered);
    static QVariantMap startFolderFor(const QString &remembered, const QString &home);

    // What the requests answer, with home given: for any thread.
    static QString expandFor(const QString &typed, const QString &base, const QString &home);
    static PathTarget resolveFor(const QString &typed, const QString &base, const QString &home);
    static QStringList completeFor(const QString &typed, const QString &base, int max,
                                   const QString &home);

    // How long the start waits for its lookup before it opens the folder
    // as remembered.
    static constexpr int StartPatience = 250;

Q_SIGNALS:
    void startFolderFound(const QString &folder, const QString &reason);
    void completed(const QString &typed, const QString &base, const QStringList &completions);
    void resolved(const QString &typed, const QString &base, const PathTarget &where);

private:
    struct Completion
    {
        QString typed;
        QString base;
        int max = 0;
        QString folder; // read for it; "" when it needs none
        quint64 serial = 0;
    };
    struct Resolution
    {
        QString typed;
        QString base;
        QString path;
    };
    void answerCompletion(const Completion &asked, const QStringList &names);
    void folderNamesRead(const QString &folder, const QStringList &names);

    quint64 m_serial = 0;
    Completion m_completion;      // the latest asked
    Resolution m_resolution;      // the latest asked
    QSet<QString> m_readingNames; // folders being read for completion
    QSet<QString> m_resolving;    // paths being looked at
    QString m_namesFolder;        // the folder last read, and its folders' names
    QStringList m_names;
    QElapsedTimer m_namesAge;
};
