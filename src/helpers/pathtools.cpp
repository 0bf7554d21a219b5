// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathtools.h"

#include "fileprobe.h"
#include "nameorder.h"
#include "pathcodec.h"
#include "paths.h"
#include "shownnames.h"

#include <QDir>
#include <QMetaObject>
#include <QTimer>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileProbe::aboutToLook;

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

// What a typed text asks to complete: the folder to read and the start of
// the name in it, or an answer that needs no reading.
struct Plan
{
    QString typedFolder; // as typed, up to its last "/"
    QString prefix;
    QString folder; // "" when nothing is read
    QStringList answer;
};

Plan planFor(const QString &typed, const QString &base, const QString &home)
{
    // Blanks may begin or end a name: only a "~" or a relative start is read.
    Plan plan;
    const qsizetype cut = typed.lastIndexOf(QLatin1Char('/'));
    plan.typedFolder = cut < 0 ? QString() : typed.left(cut + 1);
    plan.prefix = typed.mid(cut + 1);
    if (plan.prefix == QLatin1String("~")) {
        plan.answer = QStringList{QStringLiteral("~/")};
        return plan;
    }
    plan.folder = plan.typedFolder.isEmpty()
                      ? (typed.startsWith(QLatin1Char('~')) ? QString() : base)
                      : PathTools::expandFor(plan.typedFolder, base, home);
    return plan;
}

// The names of the folders (and links to folders) in folder, hidden ones
// too, in a person's order.
QStringList folderNames(const QString &folder)
{
    aboutToLook(folder);
    DIR *dir = ::opendir(PathCodec::encode(folder).constData());
    if (!dir)
        return {};
    QStringList names;
    // A huge folder is cut short rather than holding up the answer.
    int read = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (++read > 50000)
            break;
        const QString name = PathCodec::decode(entry->d_name, qsizetype(::strlen(entry->d_name)));
        if (name == QLatin1String(".") || name == QLatin1String(".."))
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
    return names;
}

QStringList pick(const QStringList &names, const Plan &plan, int max)
{
    QStringList picked;
    for (const QString &name : names) {
        if (picked.size() >= max)
            break;
        // Hidden folders only when asked for with a leading dot.
        if (!name.startsWith(plan.prefix, Qt::CaseInsensitive) ||
            (name.startsWith(QLatin1Char('.')) && !plan.prefix.startsWith(QLatin1Char('.'))))
            continue;
        picked.append(plan.typedFolder + name + QLatin1Char('/'));
    }
    return picked;
}

// A folder read for completion serves the keystrokes that follow for this long.
constexpr qint64 NamesKeptFor = 3000;

} // namespace

PathTools::PathTools(QObject *parent) : QObject(parent)
{
}

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
    static const char *const kinds[] = {"empty", "missing", "folder", "file"};
    const PathTarget where = resolveFor(typed, base, home());
    QVariantMap map{{QStringLiteral("kind"), QLatin1String(kinds[where.kind])}};
    if (where.kind != PathTargets::Empty)
        map.insert(QStringLiteral("folder"), where.folder);
    if (where.kind == PathTargets::File)
        map.insert(QStringLiteral("select"), where.select);
    return map;
}

PathTarget PathTools::resolveFor(const QString &typed, const QString &base, const QString &home)
{
    const QString path = expandFor(typed, base, home);
    PathTarget where;
    if (path.isEmpty())
        return where;
    aboutToLook(path);
    struct stat status;
    if (!statPath(path, &status)) {
        where.kind = PathTargets::Missing;
        where.folder = path;
    } else if (S_ISDIR(status.st_mode)) {
        where.kind = PathTargets::Folder;
        where.folder = withSlash(path);
    } else {
        where.kind = PathTargets::File;
        where.folder = Paths::parentOf(path);
        where.select = path;
    }
    return where;
}

QStringList PathTools::complete(const QString &typed, const QString &base, int max) const
{
    return completeFor(typed, base, max, home());
}

QStringList PathTools::completeFor(const QString &typed, const QString &base, int max,
                                   const QString &home)
{
    const Plan plan = planFor(typed, base, home);
    if (plan.folder.isEmpty())
        return plan.answer;
    return pick(folderNames(plan.folder), plan, max);
}

void PathTools::requestComplete(const QString &typed, const QString &base, int max)
{
    const Plan plan = planFor(typed, base, home());
    m_completion = {typed, base, max, plan.folder, ++m_serial};
    const Completion asked = m_completion;
    if (plan.folder.isEmpty()) {
        QMetaObject::invokeMethod(
            this, [this, asked, answer = plan.answer] { answerCompletion(asked, answer); },
            Qt::QueuedConnection);
        return;
    }
    if (plan.folder == m_namesFolder && m_namesAge.isValid() &&
        m_namesAge.elapsed() < NamesKeptFor) {
        QMetaObject::invokeMethod(
            this, [this, asked] { answerCompletion(asked, m_names); }, Qt::QueuedConnection);
        return;
    }
    // One read per folder at a time: a folder that does not answer holds
    // one worker, however much is typed into it.
    if (m_readingNames.contains(plan.folder))
        return;
    m_readingNames.insert(plan.folder);
    const QString folder = plan.folder;
    FileProbe::runOffThread<QStringList>(
        this, folder, [folder] { return folderNames(folder); },
        [this, folder](const QStringList &names) { folderNamesRead(folder, names); });
}

void PathTools::folderNamesRead(const QString &folder, const QStringList &names)
{
    m_readingNames.remove(folder);
    m_namesFolder = folder;
    m_names = names;
    m_namesAge.start();
    if (m_completion.folder == folder)
        answerCompletion(m_completion, names);
}

void PathTools::answerCompletion(const Completion &asked, const QStringList &names)
{
    if (asked.serial != m_completion.serial)
        return;
    const QStringList answer =
        asked.folder.isEmpty() ? names
                               : pick(names, planFor(asked.typed, asked.base, home()), asked.max);
    Q_EMIT completed(asked.typed, asked.base, answer);
}

void PathTools::requestResolve(const QString &typed, const QString &base)
{
    const QString path = expandFor(typed, base, home());
    m_resolution = {typed, base, path};
    // Enter pressed again on a path still being looked at waits for that look.
    if (!path.isEmpty() && m_resolving.contains(path))
        return;
    m_resolving.insert(path);
    FileProbe::runOffThread<PathTarget>(
        this, path, [typed, base, home = home()] { return resolveFor(typed, base, home); },
        [this, path](const PathTarget &where) {
            m_resolving.remove(path);
            if (m_resolution.path == path)
                Q_EMIT resolved(m_resolution.typed, m_resolution.base, where);
        });
}

QVariantList PathTools::segments(const QString &path) const
{
    QVariantList result{QVariantMap{{QStringLiteral("name"), QStringLiteral("/")},
                                    {QStringLiteral("path"), QStringLiteral("/")}}};
    QString walked = QStringLiteral("/");
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += part + QLatin1Char('/');
        result.append(QVariantMap{{QStringLiteral("name"), ShownNames::name(part)},
                                  {QStringLiteral("path"), walked}});
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

QString PathTools::shownName(const QString &name) const
{
    return ShownNames::name(name);
}

QString PathTools::shownPath(const QString &path) const
{
    return ShownNames::path(path);
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
    aboutToLook(folder);
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
    const bool absolute = remembered.startsWith(QLatin1Char('/'));
    const QString asRemembered = absolute ? withSlash(fold(remembered)) : withSlash(homeFolder);
    FileProbe::runWithPatience<QVariantMap>(
        this, remembered.isEmpty() ? homeFolder : remembered, StartPatience,
        [remembered, homeFolder] { return startFolderFor(remembered, homeFolder); },
        [asRemembered] {
            return QVariantMap{{QStringLiteral("folder"), asRemembered},
                               {QStringLiteral("reason"), QString()}};
        },
        [this](const QVariantMap &found) {
            Q_EMIT startFolderFound(found.value(QStringLiteral("folder")).toString(),
                                    found.value(QStringLiteral("reason")).toString());
        });
}
