#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSet>
#include <QVariantMap>

using bb::cascades::GroupDataModel;

namespace {

// Every entry, hidden and system ones included, never "." or "..".
constexpr QDir::Filters ListingFilter = QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden |
                                        QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot;
// Files before folders, each group in descending, case-sensitive name order.
constexpr QDir::SortFlags ListingSort = QDir::Name | QDir::Reversed | QDir::DirsLast;

} // namespace

Vantrel::Vantrel() : QObject(nullptr), m_currentPath(QStringLiteral("//")), m_isRunning(false) {}

void Vantrel::setCurrentPath(const QString &currentPath)
{
    m_currentPath = currentPath;
    Q_EMIT currentPathChanged();
}

void Vantrel::setIsRunning(bool isRunning)
{
    m_isRunning = isRunning;
    Q_EMIT isRunningChanged();
}

GroupDataModel *Vantrel::getFileInfoList(QString path)
{
    qDebug() << "getFileInfoList():" << path;
    setIsRunning(true);

    if (path.startsWith(QLatin1String("//")))
        path.remove(0, 1);
    setCurrentPath(path);

    QDir dir(path);
    dir.setFilter(ListingFilter);
    dir.setSorting(ListingSort);
    const QFileInfoList entries = dir.entryInfoList();

    qDebug() << "File names:";
    // Formatting a debug line costs more than listing the entry; skip the
    // walk when nobody reads debug output.
    if (QLoggingCategory::defaultCategory()->isDebugEnabled()) {
        for (auto it = entries.crbegin(); it != entries.crend(); ++it) {
            qDebug() << it->fileName();
            if (it->isSymLink())
                qDebug() << it->symLinkTarget();
        }
    }

    auto *model = new GroupDataModel();
    model->clear();

    const QString fileNameKey = QStringLiteral("fileName");
    const QString pathKey = QStringLiteral("path");
    const QString completePathKey = QStringLiteral("completePath");
    const QString isDirKey = QStringLiteral("isDir");
    const QString isReadableKey = QStringLiteral("isReadable");
    const QString isWritableKey = QStringLiteral("isWritable");

    QSet<QString> inserted;
    inserted.reserve(entries.size());
    QVariantMap record;
    QString entryPath;
    for (const QFileInfo &entry : entries) {
        const QString fileName = entry.fileName();
        const bool isDir = entry.isDir();
        // All entries share one folder: keep one shared copy of its path.
        const QString path = entry.path();
        if (path != entryPath)
            entryPath = path;
        QString completePath = entryPath + QLatin1Char('/') + fileName;
        if (isDir)
            completePath += QLatin1Char('/');
        if (inserted.contains(completePath))
            continue;

        record[fileNameKey] = fileName;
        record[pathKey] = entryPath;
        record[completePathKey] = completePath;
        record[isDirKey] = isDir;
        record[isReadableKey] = entry.isReadable();
        record[isWritableKey] = entry.isWritable();
        model->insert(record);
        inserted.insert(completePath);
    }

    setIsRunning(false);
    return model;
}
