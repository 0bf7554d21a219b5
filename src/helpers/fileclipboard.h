// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class QMimeData;

// File names as URIs, byte for byte: a name that is not UTF-8 (kept in a
// QString as U+DC80..U+DCFF, see PathCodec) is percent-encoded as its bytes,
// so another program finds the same file.
namespace FileUris {

QByteArray fromPath(const QString &path);
// The local path of a file URI; empty for anything else.
QString toPath(QByteArrayView uri);
// text/uri-list: one URI a line, "#" lines are comments.
QByteArray uriList(const QStringList &paths);
QStringList pathsOf(QByteArrayView uriList);

// What desktop programs put on the clipboard and in a drag for files: the
// URI list, the markers GNOME and KDE file managers read to tell a cut from a
// copy, and the paths as text for programs that take only text.
QMimeData *mimeData(const QStringList &paths, bool cut);
// The local files in data (empty when there are none); *cut tells whether
// the program that put them there cut them.
QStringList pathsOf(const QMimeData *data, bool *cut = nullptr);

} // namespace FileUris

// Cut, Copy and Paste of files through the system clipboard, so that files
// go to and come from other programs too.
class FileClipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // Files a paste would take, from whichever program put them there.
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(bool isCut READ isCut NOTIFY changed)
public:
    explicit FileClipboard(QObject *parent = nullptr);

    int count() const { return int(m_paths.size()); }
    bool isCut() const { return m_cut; }
    Q_INVOKABLE QStringList paths() const { return m_paths; }

    Q_INVOKABLE void copy(const QStringList &paths);
    Q_INVOKABLE void cut(const QStringList &paths);
    // Copies the files into folder, or moves them when they were cut; the
    // job's id, 0 when there is nothing to paste. A cut is pasted once.
    Q_INVOKABLE int paste(const QString &folder);

    // For drags to and from other programs: paths as text/uri-list, and
    // the local paths of such a list.
    Q_INVOKABLE QString uriList(const QStringList &paths) const;
    Q_INVOKABLE QStringList pathsOfUriList(const QString &list) const;
    // The modifier keys held now: a drop event does not carry them.
    Q_INVOKABLE int heldKeys() const;

Q_SIGNALS:
    void changed();

private:
    void put(const QStringList &paths, bool cut);
    void read();

    QStringList m_paths;
    bool m_cut = false;
};
