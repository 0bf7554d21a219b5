#include "pathtools.h"

#include "fileprobe.h"
#include "nameorder.h"
#include "pathcodec.h"
#include "paths.h"

#include <QDir>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool statPath(const QString &path, struct stat *status)
{
    return !path.contains(QChar(0)) && ::stat(PathCodec::encode(path).constData(), status) == 0;
}

bool canList(const QString &path)
{
    struct stat status;
    return statPath(path, &status) && S_ISDIR(status.st_mode) &&
           ::access(PathCodec::encode(path).constData(), R_OK | X_OK) == 0;
}

// Absolute, clean: the form every path the bar shows takes.
QString fold(const QString &path)
{
    return Paths::clean(QLatin1Char('/') + path);
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

QString PathTools::home() const
{
    return QDir::homePath();
}

QString PathTools::expand(const QString &typed, const QString &base) const
{
    return expandFor(typed, base, home());
}

QString PathTools::expandFor(const QString &typed, const QString &base, const QString &home)
{
    QString path = typed.trimmed();
    if (path.isEmpty())
        return QString();
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = home + path.mid(1);
    else if (!path.startsWith(QLatin1Char('/')))
        path = withSlash(base.isEmpty() ? home : base) + path;
    return fold(path);
}

QVariantMap PathTools::resolve(const QString &typed, const QString &base) const
{
    return resolveFor(typed, base, home());
}

QVariantMap PathTools::resolveFor(const QString &typed, const QString &base, const QString &home)
{
    const QString path = expandFor(typed, base, home);
    struct stat status;
    if (path.isEmpty())
        return {{QStringLiteral("kind"), QStringLiteral("empty")}};
    if (!statPath(path, &status))
        return {{QStringLiteral("kind"), QStringLiteral("missing")},
                {QStringLiteral("folder"), path}};
    if (S_ISDIR(status.st_mode))
        return {{QStringLiteral("kind"), QStringLiteral("folder")},
                {QStringLiteral("folder"), withSlash(path)}};
    return {{QStringLiteral("kind"), QStringLiteral("file")},
            {QStringLiteral("folder"), Paths::parentOf(path)},
            {QStringLiteral("select"), path}};
}

QStringList PathTools::complete(const QString &typed, const QString &base, int max) const
{
    return completeFor(typed, base, max, home());
}

QStringList PathTools::completeFor(const QString &typed, const QString &base, int max,
                                   const QString &home)
{
    // Blanks may begin or end a name: only a "~" or a relative start is read.
    const qsizetype cut = typed.lastIndexOf(QLatin1Char('/'));
    const QString typedFolder = cut < 0 ? QString() : typed.left(cut + 1);
    const QString prefix = typed.mid(cut + 1);
    const QString folder = typedFolder.isEmpty()
                               ? (typed.startsWith(QLatin1Char('~')) ? QString() : base)
                               : expandFor(typedFolder, base, home);
    if (folder.isEmpty() || prefix == QLatin1String("~"))
        return prefix == QLatin1String("~") ? QStringList{QStringLiteral("~/")} : QStringList();

    DIR *dir = ::opendir(PathCodec::encode(folder).constData());
    if (!dir)
        return {};
    QStringList names;
    // A huge folder is cut short rather than holding up the typing.
    int read = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (++read > 50000)
            break;
        const QString name = PathCodec::decode(entry->d_name, qsizetype(::strlen(entry->d_name)));
        if (name == QLatin1String(".") || name == QLatin1String("..") ||
            !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        // Hidden folders only when asked for with a leading dot.
        if (name.startsWith(QLatin1Char('.')) && !prefix.startsWith(QLatin1Char('.')))
            continue;
        bool isDir = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status;
            isDir = statPath(withSlash(folder) + name, &status) && S_ISDIR(status.st_mode);
        }
        if (isDir)
            names.append(name);
    }
    ::closedir(dir);

    NameOrder::sort(names);
    if (names.size() > max)
        names.resize(max);
    for (QString &name : names)
        name = typedFolder + name + QLatin1Char('/');
    return names;
}

QVariantList PathTools::segments(const QString &path) const
{
    QVariantList result{QVariantMap{{QStringLiteral("name"), QStringLiteral("/")},
                                    {QStringLiteral("path"), QStringLiteral("/")}}};
    QString walked = QStringLiteral("/");
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += part + QLatin1Char('/');
        result.append(
            QVariantMap{{QStringLiteral("name"), part}, {QStringLiteral("path"), walked}});
    }
    return result;
}

QString PathTools::clean(const QString &path) const
{
    return Paths::clean(path);
}

QString PathTools::folderForm(const QString &path) const
{
    return Paths::folderForm(path);
}

bool PathTools::sameFolder(const QString &a, const QString &b) const
{
    return Paths::sameFolder(a, b);
}

QString PathTools::parentOf(const QString &path) const
{
    QString trimmed = fold(path);
    const qsizetype cut = trimmed.lastIndexOf(QLatin1Char('/'));
    return cut <= 0 ? QStringLiteral("/") : trimmed.left(cut + 1);
}

QVariantMap PathTools::startFolderFor(const QString &remembered, const QString &home)
{
    const auto answer = [](const QString &folder, const QString &reason) {
        return QVariantMap{{QStringLiteral("folder"), folder}, {QStringLiteral("reason"), reason}};
    };
    if (remembered.trimmed().isEmpty() || !remembered.startsWith(QLatin1Char('/')))
        return answer(withSlash(home), QString());
    QString folder = fold(remembered);
    if (canList(folder))
        return answer(withSlash(folder), QString());
    // A folder that can no longer be reached (no search right above it)
    // is there but unreadable; only a missing one is missing.
    struct stat status;
    const bool missing = !statPath(folder, &status) && (errno == ENOENT || errno == ENOTDIR);
    const QString reason = missing ? QStringLiteral("missing") : QStringLiteral("unreadable");
    while (folder != QLatin1String("/")) {
        const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'));
        folder = cut <= 0 ? QStringLiteral("/") : folder.left(cut);
        if (canList(folder))
            return answer(withSlash(folder), reason);
    }
    return answer(withSlash(home), reason);
}

void PathTools::findStartFolder(const QString &remembered)
{
    const QString homeFolder = home();
    FileProbe::runOffThread<QVariantMap>(
        this, [remembered, homeFolder] { return startFolderFor(remembered, homeFolder); },
        [this](const QVariantMap &found) {
            Q_EMIT startFolderFound(found.value(QStringLiteral("folder")).toString(),
                                    found.value(QStringLiteral("reason")).toString());
        });
}

void PathTools::requestComplete(const QString &typed, const QString &base, int max)
{
    const quint64 serial = ++m_completions;
    FileProbe::runOffThread<QStringList>(
        this, [typed, base, max, home = home()] { return completeFor(typed, base, max, home); },
        [this, typed, base, serial](const QStringList &names) {
            if (serial == m_completions)
                Q_EMIT completed(typed, base, names);
        });
}

void PathTools::requestResolve(const QString &typed, const QString &base)
{
    const quint64 serial = ++m_resolutions;
    FileProbe::runOffThread<QVariantMap>(
        this, [typed, base, home = home()] { return resolveFor(typed, base, home); },
        [this, typed, base, serial](const QVariantMap &where) {
            if (serial == m_resolutions)
                Q_EMIT resolved(typed, base, where);
        });
}
