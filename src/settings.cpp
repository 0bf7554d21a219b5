// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QJSEngine>
#include <QJSValue>
#include <QJSValueIterator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {
const QString SettingsFile = QStringLiteral("data/settings.json");

// The file's own object is one level of what the reader takes back.
constexpr int MaxValueDepth = bb::data::JsonDataAccess::MaxDepth - 1;

// A JavaScript value that JSON holds as an array or object; dates, functions
// and wrapped C++ objects are not.
bool isJsContainer(const QJSValue &value)
{
    return value.isArray() ||
           (value.isObject() && !value.isCallable() && !value.isDate() && !value.isRegExp() &&
            !value.isQObject() && !value.isVariant() && !value.isQMetaObject());
}

// Levels of arrays and objects in value, counted up to limit + 1 without
// recursion: a value nested deeply enough would overflow the stack (as
// converting it would). A value that holds itself counts as too deep.
int depthOf(const QVariant &value, int limit)
{
    std::vector<std::pair<QVariant, int>> pending{{value, 0}};
    int deepest = 0;
    while (!pending.empty()) {
        const auto [item, depth] = std::move(pending.back());
        pending.pop_back();
        deepest = qMax(deepest, depth);
        if (deepest > limit)
            return deepest;
        if (item.metaType() == QMetaType::fromType<QJSValue>()) {
            const QJSValue js = item.value<QJSValue>();
            if (!isJsContainer(js))
                continue;
            deepest = qMax(deepest, depth + 1);
            for (QJSValueIterator it(js); it.hasNext();) {
                it.next();
                pending.emplace_back(QVariant::fromValue(it.value()), depth + 1);
            }
            continue;
        }
        switch (item.typeId()) {
        case QMetaType::QVariantMap:
        case QMetaType::QVariantHash:
        case QMetaType::QVariantList:
        case QMetaType::QStringList: {
            deepest = qMax(deepest, depth + 1);
            const QVariantList children =
                item.typeId() == QMetaType::QVariantMap    ? item.toMap().values()
                : item.typeId() == QMetaType::QVariantHash ? item.toHash().values()
                                                           : item.toList();
            for (const QVariant &child : children)
                pending.emplace_back(child, depth + 1);
            break;
        }
        default:
            break;
        }
    }
    return deepest;
}

// The value itself, not a reference to the caller's JavaScript object that
// would change with it. What JSON cannot hold (a function) becomes null, as
// it would after a restart. Only called on values of bounded depth.
QVariant plain(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>()) {
        const QVariant converted = value.value<QJSValue>().toVariant();
        if (converted.metaType() == QMetaType::fromType<QJSValue>())
            return QVariant::fromValue(nullptr);
        return plain(converted);
    }
    switch (value.typeId()) {
    case QMetaType::QVariantMap: {
        QVariantMap map = value.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            *it = plain(*it);
        return map;
    }
    case QMetaType::QVariantHash: {
        QVariantHash hash = value.toHash();
        for (auto it = hash.begin(); it != hash.end(); ++it)
            *it = plain(*it);
        return hash;
    }
    case QMetaType::QVariantList: {
        QVariantList list = value.toList();
        for (QVariant &item : list)
            item = plain(item);
        return list;
    }
    default:
        return value;
    }
}

} // namespace

Settings::Settings(QObject *parent)
    : QObject(nullptr), m_jda(nullptr), m_notices(SettingsNotices::shared())
{
    m_notices->clear();
    Q_UNUSED(parent);
    sync();
    if (!QFile(SettingsFile).exists())
        saveToFile();
}

Settings::~Settings()
{
    if (m_unsaved)
        saveToFile();
}

QStringList Settings::allKeys() const
{
    return m_settings.keys();
}

bool Settings::contains(const QString &key) const
{
    return m_settings.contains(key);
}

void Settings::clear()
{
    m_settings = QMap<QString, QVariant>();
    saveToFile();
}

QString Settings::fileName() const
{
    return SettingsFile;
}

int Settings::remove(const QString &key)
{
    const int removed = int(m_settings.remove(key));
    if (removed > 0)
        m_unsaved = true;
    return removed;
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    // Writing a value out recurses once per level: one too deep for the file
    // is not written out either.
    const bool tooDeep = depthOf(value, MaxValueDepth) > MaxValueDepth;
    if (tooDeep)
        qDebug() << "Settings::setValue ->" << key << ":"
                 << qUtf8Printable(
                        QStringLiteral("(nested deeper than %1 levels)").arg(MaxValueDepth));
    else
        qDebug() << "Settings::setValue ->" << key << ":" << value;
    if (tooDeep) {
        qWarning().noquote() << "Settings: the value for" << key
                             << "is refused: it is nested deeper than the" << MaxValueDepth
                             << "levels the settings file can give back";
        return;
    }
    m_settings.insert(key, plain(value));
    saveToFile();
}

void Settings::sync()
{
    const QVariant loaded = m_jda.load(SettingsFile);
    m_settings = loaded.toMap();
    m_unsaved = false;
    // A link counts as there even when what it names is not.
    struct stat status;
    const bool present = ::lstat(QFile::encodeName(SettingsFile).constData(), &status) == 0;
    m_unreadable = present && loaded.typeId() != QMetaType::QVariantMap;
    if (m_unreadable) {
        QString reason = m_jda.errorString();
        if (reason.isEmpty())
            reason = QStringLiteral("Not a JSON object");
        qWarning().noquote() << "Settings: cannot read" << SettingsFile + ":" << reason
                             << "- it is kept aside before the next write";
        m_notices->reportUnreadable(reason);
    }
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue) const
{
    if (key.trimmed().isEmpty())
        return QVariant();
    const auto it = m_settings.constFind(key);
    if (it == m_settings.cend())
        return defaultValue;
    qDebug() << "Settings::value ->" << key << ":" << it.value();
    return it.value();
}

// Renames the unreadable file (or link) out of the way; never replaces
// anything under the new name.
bool Settings::keepAside()
{
    const QByteArray from = QFile::encodeName(SettingsFile);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    int error = EEXIST;
    for (int attempt = 1; attempt <= 100 && error == EEXIST; ++attempt) {
        QString aside = SettingsFile + QStringLiteral(".unreadable-") + stamp;
        if (attempt > 1)
            aside += QLatin1Char('-') + QString::number(attempt);
        const QByteArray to = QFile::encodeName(aside);
        int renamed =
            ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        if (renamed != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system that cannot refuse to replace: look first.
            struct stat status;
            if (::lstat(to.constData(), &status) == 0)
                errno = EEXIST;
            else
                renamed = ::rename(from.constData(), to.constData());
        }
        error = renamed == 0 ? 0 : errno;
        if (renamed == 0) {
            m_unreadable = false;
            const QString path = QFileInfo(aside).absoluteFilePath();
            qWarning().noquote() << "Settings: the unreadable settings file is kept as" << path;
            m_notices->reportKeptAside(path);
            return true;
        }
    }
    if (error == ENOENT) {
        // Gone meanwhile: nothing is left to lose.
        m_unreadable = false;
        return true;
    }
    const QString reason = qt_error_string(error);
    qWarning().noquote() << "Settings: not written, the unreadable" << SettingsFile
                         << "could not be kept aside:" << reason;
    m_notices->reportWriteFailure(reason);
    return false;
}

bool Settings::saveToFile()
{
    m_unsaved = true;
    if (m_unreadable && !keepAside())
        return false;
    if (!m_jda.save(QVariant(m_settings), SettingsFile)) {
        const QString reason = m_jda.errorString();
        qWarning().noquote() << "Settings: could not write" << SettingsFile + ":" << reason;
        m_notices->reportWriteFailure(reason);
        return false;
    }
    m_unsaved = false;
    return true;
}
