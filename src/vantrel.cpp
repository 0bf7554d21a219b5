#include "vantrel.h"

#include "filecopy.h"

#include <bb/PpsObject>
#include <bb/cascades/GroupDataModel>

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLoggingCategory>
#include <QSet>
#include <QVariantMap>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using bb::cascades::GroupDataModel;

namespace {

// Every entry, hidden and system ones included, never "." or "..".
constexpr QDir::Filters ListingFilter = QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden |
                                        QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot;
// Files before folders, each group in descending, case-sensitive name order.
constexpr QDir::SortFlags ListingSort = QDir::Name | QDir::Reversed | QDir::DirsLast;

const QString MissingFileError = QStringLiteral("No such file or directory");

// Extensions worth an attempt to decode; case-sensitive.
const QStringList ImageExtensions = {
    QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif"),
    QStringLiteral("png"), QStringLiteral("bmp"),  QStringLiteral("gif"), QStringLiteral("pdn"),
    QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("tga"), QStringLiteral("dds"),
};

struct Rights
{
    bool readable;
    bool writable;
};

// What access() answers for the entry, as QFileInfo asks it, but looked up
// relative to the open folder instead of along the whole path, and with one
// call where both hold, which is most of the time.
Rights rightsOf(int folder, const QFileInfo &entry, const QString &fileName)
{
    if (folder < 0)
        return {entry.isReadable(), entry.isWritable()};
    const QByteArray name = QFile::encodeName(fileName);
    if (::faccessat(folder, name.constData(), R_OK | W_OK, 0) == 0)
        return {true, true};
    const bool readable = ::faccessat(folder, name.constData(), R_OK, 0) == 0;
    return {readable, !readable && ::faccessat(folder, name.constData(), W_OK, 0) == 0};
}

} // namespace

Vantrel::Vantrel()
    : QObject(nullptr), m_currentPath(QStringLiteral("//")), m_isRunning(false),
      m_documentsFolder(FileCopy::documentsFolder())
{
}

void Vantrel::setDocumentsFolder(const QString &folder)
{
    m_documentsFolder = folder;
    if (!m_documentsFolder.endsWith(QLatin1Char('/')))
        m_documentsFolder += QLatin1Char('/');
}

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

    const int folder =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);

    QSet<QString> inserted;
    inserted.reserve(entries.size());
    QVariantMap record;
    QString entryPath;
    for (const QFileInfo &entry : entries) {
        const QString fileName = entry.fileName();
        const bool isDir = entry.isDir();
        // All entries share one folder: keep one shared copy of its path.
        const QString dirPath = entry.path();
        if (dirPath != entryPath)
            entryPath = dirPath;
        QString completePath = entryPath + QLatin1Char('/') + fileName;
        if (isDir)
            completePath += QLatin1Char('/');
        const qsizetype known = inserted.size();
        inserted.insert(completePath);
        if (inserted.size() == known)
            continue;

        record[fileNameKey] = fileName;
        record[pathKey] = entryPath;
        record[completePathKey] = completePath;
        record[isDirKey] = isDir;
        const Rights rights = rightsOf(folder, entry, fileName);
        record[isReadableKey] = rights.readable;
        record[isWritableKey] = rights.writable;
        model->insert(record);
    }
    if (folder >= 0)
        ::close(folder);

    setIsRunning(false);
    return model;
}

QString Vantrel::loadFile(QString path)
{
    qDebug() << "loadFile in";
    setIsRunning(true);

    QString result;
    bb::PpsObject ppsObject(path);
    if (ppsObject.open(bb::PpsOpenMode::Subscribe)) {
        bool ok = false;
        const QByteArray content = ppsObject.read(&ok);
        // Part of a file is not the file: a failed read says so instead.
        if (!ok) {
            result = QStringLiteral("Can't open file: ") + ppsObject.errorString();
        } else {
            const qsizetype end = content.indexOf('\0');
            result = QString::fromLatin1(content.constData(), end < 0 ? content.size() : end);
        }
    } else if (ppsObject.errorString() != MissingFileError) {
        result = QStringLiteral("Can't open file: ") + ppsObject.errorString();
    }
    ppsObject.close();

    setIsRunning(false);
    return result;
}

bool Vantrel::copy(QString path)
{
    return FileCopy::copy(path, m_documentsFolder).ok();
}

bool Vantrel::checkIfIsImage(QString path)
{
    const QString extension = path.split(QLatin1Char('.')).last();
    if (!ImageExtensions.contains(extension))
        return false;
    // Decoded from the file that was checked: a pipe put in its place
    // would never end.
    const int fd = FileCopy::openRegular(path);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    // Read by content first; some formats (TGA) are known only by their
    // extension, which a reader on a path would have taken as a hint.
    QImage image = QImageReader(&file).read();
    if (image.isNull() && file.seek(0))
        image = QImageReader(&file, extension.toLatin1()).read();
    if (image.isNull())
        return false;
    qDebug() << "************ Image was loaded ************";
    return true;
}
