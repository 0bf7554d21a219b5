// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include <QStringList>

namespace Paths {

QString clean(const QString &path)
{
    if (path.isEmpty())
        return path;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    // The usual path is clean already: no copy.
    bool plain = !path.contains(QLatin1String("//")) &&
                 (path.size() == 1 || !path.endsWith(QLatin1Char('/')));
    if (plain) {
        for (const QStringView part : QStringView(path).split(QLatin1Char('/'))) {
            if (part == QLatin1String(".") || part == QLatin1String("..")) {
                plain = false;
                break;
            }
        }
    }
    if (plain)
        return path;

    QStringList kept;
    qsizetype climbs = 0; // leading ".." of a relative path
    for (const QStringView part : QStringView(path).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!kept.isEmpty())
                kept.removeLast();
            else if (!absolute)
                ++climbs;
            continue;
        }
        kept.append(part.toString());
    }
    for (; climbs > 0; --climbs)
        kept.prepend(QStringLiteral(".."));
    const QString joined = kept.join(QLatin1Char('/'));
    if (absolute)
        return QLatin1Char('/') + joined;
    return joined.isEmpty() ? QStringLiteral(".") : joined;
}

QString folderForm(const QString &path)
{
    const QString cleaned = clean(path);
    return cleaned.endsWith(QLatin1Char('/')) || cleaned.isEmpty() ? cleaned
                                                                   : cleaned + QLatin1Char('/');
}

bool sameFolder(const QString &a, const QString &b)
{
    return clean(a) == clean(b);
}

QString parentOf(const QString &path)
{
    const QString cleaned = clean(path);
    if (cleaned.isEmpty())
        return QStringLiteral("/");
    if (cleaned == QLatin1String("."))
        return QStringLiteral("../");
    // Only leading ".." stay in a clean path: one more climbs further.
    if (cleaned == QLatin1String("..") || cleaned.endsWith(QLatin1String("/..")))
        return cleaned + QLatin1String("/../");
    const qsizetype cut = cleaned.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return QStringLiteral("./");
    return cut == 0 ? QStringLiteral("/") : cleaned.left(cut + 1);
}

QString lastName(const QString &path)
{
    const QString cleaned = clean(path);
    if (cleaned == QLatin1String("/"))
        return cleaned;
    return cleaned.mid(cleaned.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace Paths
