// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantrel.h"

#include "filecopy.h"
#include "listing.h"
#include "pathcodec.h"
#include "picturefile.h"

#include <bb/PpsObject>
#include <bb/cascades/GroupDataModel>

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QVariantMap>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using bb::cascades::GroupDataModel;

namespace {

const QString MissingFileError = QStringLiteral("No such file or directory");

// Extensions worth an attempt to decode; case-sensitive.
const QStringList ImageExtensions = {
    QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif"),
    QStringLiteral("png"), QStringLiteral("bmp"),  QStringLiteral("gif"), QStringLiteral("pdn"),
    QStringLiteral("tif"), QStringLiteral("tiff"), QStringLiteral("tga"), QStringLiteral("dds"),
};

// One debug line holding the text in quotes, as qDebug() << text writes it.
// QDebug leaves plain printable ASCII as it stands; such a line is handed to
// the output directly, which costs a fraction of a QDebug stream.
void debugQuoted(const QString &text)
{
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || unit > 0x7E || unit == '"' || unit == '\\') {
            qDebug() << text;
            return;
        }
    }
    static const QMessageLogContext context(nullptr, 0, nullptr, "default");
    QString line;
    line.reserve(text.size() + 2);
    line += QLatin1Char('"');
    line += text;
    line += QLatin1Char('"');
    qt_message_output(QtDebugMsg, context, line);
}

// An entry's place in the listing: files before folders, each group in
// descending name order by UTF-16 code units, as QDir sorts for Name |
// Reversed | DirsLast.
struct SortKey
{
    const QChar *name;
    qsizetype size;
    qsizetype index;
    bool isDir;

    QStringView view() const { return QStringView(name, size); }
    bool operator<(const SortKey &other) const
    {
        if (isDir != other.isDir)
            return other.isDir;
        return other.view().compare(view()) < 0;
    }
    bool sameAs(const SortKey &other) const
    {
        return isDir == other.isDir && view() == other.view();
    }
};

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

    // The folder as QDir names it ("" is "."), and its entries' path as
    // QFileInfo::path gives it for them.
    const QString folder = QDir(path).path();
    const QString entryPath = QFileInfo(QDir(path).filePath(QStringLiteral("x"))).path();
    const QString filePathPrefix =
        folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');

    QList<Listing::Entry> entries;
    Listing::read(folder, Listing::Detail::Names, &entries);
    std::vector<SortKey> order;
    order.reserve(size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Listing::Entry &entry = entries.at(i);
        order.push_back({entry.name.constData(), entry.name.size(), i, entry.isDir});
    }
    std::sort(order.begin(), order.end());

    qDebug() << "File names:";
    // Formatting a debug line costs more than listing the entry; skip the
    // walk when nobody reads debug output.
    if (QLoggingCategory::defaultCategory()->isDebugEnabled()) {
        for (auto it = order.crbegin(); it != order.crend(); ++it) {
            const Listing::Entry &entry = entries.at(it->index);
            debugQuoted(entry.name);
            if (!entry.isLink)
                continue;
            // QFileInfo gives a target of its own making in a relative
            // folder; it is asked wherever it can name the file.
            const QString filePath = filePathPrefix + entry.name;
            debugQuoted(PathCodec::hasUndecodable(filePath) ? entry.linkTarget
                                                            : QFileInfo(filePath).symLinkTarget());
        }
    }

    auto *model = new GroupDataModel();
    model->clear();

    // Column by column, in the order a record's keys have.
    QList<QString> completePaths, fileNames;
    QList<bool> isDir, isReadable, isWritable;
    completePaths.reserve(entries.size());
    fileNames.reserve(entries.size());
    isDir.reserve(entries.size());
    isReadable.reserve(entries.size());
    isWritable.reserve(entries.size());
    const QString prefix = entryPath + QLatin1Char('/');
    for (size_t i = 0; i < order.size(); ++i) {
        // Names of one read are unique, but a folder changing while it is
        // read can show an entry twice; equal entries sort side by side.
        if (i > 0 && order[i].sameAs(order[i - 1]))
            continue;
        const Listing::Entry &entry = entries.at(order[i].index);
        QString completePath;
        completePath.reserve(prefix.size() + entry.name.size() + 1);
        completePath += prefix;
        completePath += entry.name;
        if (entry.isDir)
            completePath += QLatin1Char('/');
        completePaths.append(std::move(completePath));
        fileNames.append(entry.name);
        isDir.append(entry.isDir);
        isReadable.append(entry.isReadable);
        isWritable.append(entry.isWritable);
    }
    const qsizetype count = fileNames.size();
    using Column = GroupDataModel::Column;
    model->insertColumns(
        {QStringLiteral("completePath"), QStringLiteral("fileName"), QStringLiteral("isDir"),
         QStringLiteral("isReadable"), QStringLiteral("isWritable"), QStringLiteral("path")},
        {Column(std::move(completePaths)), Column(std::move(fileNames)), Column(std::move(isDir)),
         Column(std::move(isReadable)), Column(std::move(isWritable)), Column(QVariant(entryPath))},
        count);

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
    // Decoded as the image view decodes: from the file that was checked (a
    // pipe put in its place would never end), by content and then by the
    // extension (some formats, TGA, have no signature), at full size within
    // the memory pictures may take.
    PictureFile::Failure failure = PictureFile::Failure::None;
    QString error;
    const auto picture = PictureFile::open(path, nullptr, &failure, &error);
    if (!picture || picture->decode(picture->size(), nullptr, &failure, &error).isNull())
        return false;
    qDebug() << "************ Image was loaded ************";
    return true;
}
