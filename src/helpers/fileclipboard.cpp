// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileclipboard.h"

#include "jobqueue.h"
#include "pathcodec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSysInfo>

namespace {

const QString UriListType = QStringLiteral("text/uri-list");
const QString GnomeType = QStringLiteral("x-special/gnome-copied-files");
const QString KdeCutType = QStringLiteral("application/x-kde-cutselection");

bool keepsAsItIs(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

QList<QByteArrayView> linesOf(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    while (!text.isEmpty()) {
        qsizetype end = text.indexOf('\n');
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.first(end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        text = text.sliced(qMin(end + 1, text.size()));
    }
    return lines;
}

} // namespace

namespace FileUris {

QByteArray fromPath(const QString &path)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray uri("file://");
    for (const char c : PathCodec::encode(path)) {
        if (keepsAsItIs(c)) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[uchar(c) >> 4];
            uri += hex[uchar(c) & 15];
        }
    }
    return uri;
}

QString toPath(QByteArrayView uri)
{
    uri = uri.trimmed();
    if (uri.size() < 6 || QByteArrayView(uri.first(5)).compare("file:", Qt::CaseInsensitive) != 0)
        return QString();
    QByteArrayView rest = uri.sliced(5);
    if (rest.startsWith("//")) {
        rest = rest.sliced(2);
        const qsizetype slash = rest.indexOf('/');
        if (slash < 0)
            return QString();
        // Files of this machine only.
        const QByteArrayView host = rest.first(slash);
        if (!host.isEmpty() && host.compare("localhost", Qt::CaseInsensitive) != 0 &&
            host != QSysInfo::machineHostName().toUtf8())
            return QString();
        rest = rest.sliced(slash);
    }
    const qsizetype end = rest.indexOf('#') >= 0 ? rest.indexOf('#') : rest.size();
    rest = rest.first(qMin(end, rest.indexOf('?') >= 0 ? rest.indexOf('?') : rest.size()));
    if (!rest.startsWith('/'))
        return QString();
    const QByteArray bytes = QByteArray::fromPercentEncoding(rest.toByteArray());
    if (bytes.contains('\0'))
        return QString();
    return PathCodec::decode(bytes);
}

QByteArray uriList(const QStringList &paths)
{
    QByteArray list;
    for (const QString &path : paths)
        list += fromPath(path) + "\r\n";
    return list;
}

QStringList pathsOf(QByteArrayView text)
{
    QStringList paths;
    for (const QByteArrayView line : linesOf(text)) {
        if (line.startsWith('#'))
            continue;
        const QString path = toPath(line);
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

QMimeData *mimeData(const QStringList &paths, bool cut)
{
    auto *data = new QMimeData;
    const QByteArray list = uriList(paths);
    data->setData(UriListType, list);
    data->setData(GnomeType, (cut ? QByteArray("cut\n") : QByteArray("copy\n")) +
                                 list.trimmed().replace("\r\n", "\n"));
    data->setData(KdeCutType, cut ? "1" : "0");
    data->setText(paths.join(QLatin1Char('\n')));
    return data;
}

QStringList pathsOf(const QMimeData *data, bool *cut)
{
    if (cut)
        *cut = false;
    if (!data)
        return {};
    if (data->hasFormat(GnomeType)) {
        const QByteArray gnome = data->data(GnomeType);
        const QList<QByteArrayView> lines = linesOf(gnome);
        if (!lines.isEmpty()) {
            if (cut)
                *cut = lines.first() == "cut";
            const QStringList paths = FileUris::pathsOf(
                QByteArrayView(gnome).sliced(qMin(gnome.size(), lines.first().size() + 1)));
            if (!paths.isEmpty())
                return paths;
        }
    }
    if (cut && data->hasFormat(KdeCutType))
        *cut = data->data(KdeCutType).startsWith('1');
    return FileUris::pathsOf(data->data(UriListType));
}

} // namespace FileUris

FileClipboard::FileClipboard(QObject *parent) : QObject(parent)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &FileClipboard::read);
    read();
}

void FileClipboard::copy(const QStringList &paths)
{
    put(paths, false);
}

void FileClipboard::cut(const QStringList &paths)
{
    put(paths, true);
}

int FileClipboard::paste(const QString &folder)
{
    if (m_paths.isEmpty())
        return 0;
    JobQueue *queue = JobQueue::instance();
    if (!m_cut)
        return queue->copy(m_paths, folder);
    const int id = queue->move(m_paths, folder);
    // Moved files are not there to move again.
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
    m_paths.clear();
    m_cut = false;
    Q_EMIT changed();
    return id;
}

QString FileClipboard::uriList(const QStringList &paths) const
{
    // Percent-encoded: plain ASCII whatever bytes the names hold.
    return QString::fromLatin1(FileUris::uriList(paths));
}

QStringList FileClipboard::pathsOfUriList(const QString &list) const
{
    return FileUris::pathsOf(list.toUtf8());
}

int FileClipboard::heldKeys() const
{
    return int(QGuiApplication::queryKeyboardModifiers());
}

void FileClipboard::put(const QStringList &paths, bool cut)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setMimeData(FileUris::mimeData(paths, cut));
    read();
}

void FileClipboard::read()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    bool cut = false;
    const QStringList paths = FileUris::pathsOf(clipboard ? clipboard->mimeData() : nullptr, &cut);
    if (paths == m_paths && cut == m_cut)
        return;
    m_paths = paths;
    m_cut = cut;
    Q_EMIT changed();
}
