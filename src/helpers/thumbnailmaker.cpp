// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnailmaker.h"

#include "pathcodec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each program notes its own failures: another may well draw what this one
// could not.
const QString FailFolder = QStringLiteral("fail/vantrel-1.0");

// Bytes a file URI keeps as they are; every other byte is written %XX. The
// same set as the desktop's own file managers, so that all name a file's
// thumbnail alike.
bool keptInUri(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    static const char kept[] = "-_.!~*'()/$&+,:=@";
    return c != 0 && std::strchr(kept, c) != nullptr;
}

bool makeFolder(const QString &path)
{
    const QByteArray bytes = PathCodec::encode(path);
    if (::mkdir(bytes.constData(), 0700) == 0 || errno == EEXIST)
        return true;
    return false;
}

QStringList thumbnailerFolders()
{
    QStringList folders;
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QStringLiteral("/thumbnailers");
    return folders;
}

} // namespace

struct ThumbnailMaker::Original
{
    QString path;
    QByteArray uri;
    qint64 mtime = 0; // seconds, as the cache keeps it
    qint64 size = 0;
    bool insideCache = false;
};

// The *.thumbnailer files, read when first needed.
struct ThumbnailMaker::Thumbnailers
{
    struct Entry
    {
        QStringList types;
        QString exec;
    };
    std::mutex mutex;
    QStringList folders = thumbnailerFolders();
    bool loaded = false;
    QList<Entry> entries;

    static bool present(const QString &program)
    {
        if (program.isEmpty())
            return true;
        if (program.startsWith(QLatin1Char('/')))
            return ::access(PathCodec::encode(program).constData(), X_OK) == 0;
        return !QStandardPaths::findExecutable(program).isEmpty();
    }

    void load()
    {
        loaded = true;
        QSet<QString> seen; // a file in an earlier folder hides one of the same name
        for (const QString &folder : std::as_const(folders)) {
            const QStringList names =
                QDir(folder).entryList({QStringLiteral("*.thumbnailer")}, QDir::Files);
            for (const QString &name : names) {
                if (seen.contains(name))
                    continue;
                seen.insert(name);
                QFile file(folder + QLatin1Char('/') + name);
                if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                    continue;
                Entry entry;
                QString tryExec;
                bool inGroup = false;
                while (!file.atEnd()) {
                    const QString line = QString::fromUtf8(file.readLine()).trimmed();
                    if (line.startsWith(QLatin1Char('['))) {
                        inGroup = line == QLatin1String("[Thumbnailer Entry]");
                        continue;
                    }
                    const qsizetype equals = line.indexOf(QLatin1Char('='));
                    if (!inGroup || equals < 0 || line.startsWith(QLatin1Char('#')))
                        continue;
                    const QString key = line.left(equals).trimmed();
                    const QString value = line.mid(equals + 1).trimmed();
                    if (key == QLatin1String("Exec"))
                        entry.exec = value;
                    else if (key == QLatin1String("TryExec"))
                        tryExec = value;
                    else if (key == QLatin1String("MimeType"))
                        entry.types = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
                }
                const QStringList command = QProcess::splitCommand(entry.exec);
                if (command.isEmpty() || entry.types.isEmpty() || !present(tryExec) ||
                    !present(command.first()))
                    continue;
                entries.append(entry);
            }
        }
    }

    QString execFor(const QMimeType &type)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!loaded)
            load();
        QStringList names = {type.name()};
        names += type.aliases();
        names += type.allAncestors();
        for (const QString &name : std::as_const(names)) {
            for (const Entry &entry : std::as_const(entries)) {
                if (entry.types.contains(name))
                    return entry.exec;
            }
        }
        return QString();
    }
};

ThumbnailMaker::ThumbnailMaker(const QString &cacheRoot)
    : m_root(cacheRoot.isEmpty() ? defaultCacheRoot() : QDir::cleanPath(cacheRoot)),
      m_thumbnailers(std::make_unique<Thumbnailers>())
{
}

ThumbnailMaker::~ThumbnailMaker() = default;

QString ThumbnailMaker::defaultCacheRoot()
{
    const QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.isEmpty() && cache.startsWith('/'))
        return QDir::cleanPath(PathCodec::decode(cache)) + QStringLiteral("/thumbnails");
    return QDir::homePath() + QStringLiteral("/.cache/thumbnails");
}

QByteArray ThumbnailMaker::fileUri(const QString &path)
{
    const QByteArray bytes = PathCodec::encode(QDir::cleanPath(path));
    QByteArray uri("file://");
    uri.reserve(bytes.size() + 16);
    static const char hex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptInUri(byte)) {
            uri += c;
        } else {
            uri += '%';
            uri += hex[byte >> 4];
            uri += hex[byte & 15];
        }
    }
    return uri;
}

int ThumbnailMaker::sizeClass(int requested)
{
    return requested <= 128 ? 128 : 256;
}

QString ThumbnailMaker::cachePath(const QByteArray &uri, int size) const
{
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png");
    return m_root +
           (sizeClass(size) == 128 ? QStringLiteral("/normal/") : QStringLiteral("/large/")) + name;
}

QString ThumbnailMaker::failPath(const QByteArray &uri) const
{
    return m_root + QLatin1Char('/') + FailFolder + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() +
                               ".png");
}

void ThumbnailMaker::setThumbnailerFolders(const QStringList &folders)
{
    std::lock_guard<std::mutex> lock(m_thumbnailers->mutex);
    m_thumbnailers->folders = folders;
    m_thumbnailers->loaded = false;
    m_thumbnailers->entries.clear();
}

void ThumbnailMaker::setTimeLimit(int milliseconds)
{
    m_timeLimitMs = milliseconds;
}

namespace {

bool readsInProcess(const QMimeType &type)
{
    static const QList<QByteArray> types = QImageReader::supportedMimeTypes();
    if (types.contains(type.name().toLatin1()))
        return true;
    const QStringList aliases = type.aliases();
    return std::any_of(aliases.cbegin(), aliases.cend(),
                       [](const QString &alias) { return types.contains(alias.toLatin1()); });
}

} // namespace

bool ThumbnailMaker::canMake(const QMimeType &type) const
{
    return type.isValid() && (readsInProcess(type) || !m_thumbnailers->execFor(type).isEmpty());
}

bool ThumbnailMaker::original(const QString &path, Original *out) const
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QString clean = QDir::cleanPath(path);
    const QByteArray bytes = PathCodec::encode(clean);
    struct stat status;
    // Only a file the person may read: a thumbnail must not show what its
    // owner keeps from them.
    if (::stat(bytes.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        ::access(bytes.constData(), R_OK) != 0)
        return false;
    out->path = clean;
    out->uri = fileUri(clean);
    out->mtime = qint64(status.st_mtim.tv_sec);
    out->size = qint64(status.st_size);
    out->insideCache = clean.startsWith(m_root + QLatin1Char('/'));
    return true;
}

namespace {

// A stored thumbnail answers for this file as it is now. Its keys are read
// from the decoded image: the reader's own text lookup splits keys at their
// first colon, and every key here has two.
bool answersFor(const QImage &stored, const QByteArray &uri, qint64 mtime, qint64 size)
{
    if (stored.isNull() || stored.text(QStringLiteral("Thumb::URI")).toUtf8() != uri)
        return false;
    bool ok = false;
    const QString stamp = stored.text(QStringLiteral("Thumb::MTime"));
    qint64 when = stamp.toLongLong(&ok);
    if (!ok)
        when = qint64(stamp.toDouble(&ok)); // some write fractions
    if (!ok || when != mtime)
        return false;
    const QString storedSize = stored.text(QStringLiteral("Thumb::Size"));
    return storedSize.isEmpty() || storedSize.toLongLong() == size;
}

QImage readStored(const QString &path)
{
    if (::access(PathCodec::encode(path).constData(), R_OK) != 0)
        return QImage();
    QImageReader reader(path, "png");
    return reader.read();
}

} // namespace

ThumbnailMaker::Result ThumbnailMaker::fromCache(const Original &file, int size) const
{
    Result result;
    QImage stored = readStored(cachePath(file.uri, size));
    if (answersFor(stored, file.uri, file.mtime, file.size))
        result = {stored, Outcome::Cached};
    return result;
}

ThumbnailMaker::Result ThumbnailMaker::cached(const QString &path, int size) const
{
    Original file;
    if (!original(path, &file))
        return {};
    return fromCache(file, size);
}

ThumbnailMaker::Result ThumbnailMaker::thumbnail(const QString &path, int size,
                                                 const std::atomic_bool *cancel) const
{
    Original file;
    if (!original(path, &file))
        return {};
    Result result = fromCache(file, size);
    if (result.outcome == Outcome::Cached)
        return result;
    return make(file, size, cancel);
}

QImage ThumbnailMaker::decode(QIODevice *file, int size) const
{
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // A picture whose format cannot decode at a smaller scale is read in
    // full: past this it is not worth the memory.
    reader.setAllocationLimit(128);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > size || full.height() > size)) {
        QSize scaled = full.scaled(size, size, Qt::KeepAspectRatio);
        reader.setScaledSize(scaled.expandedTo(QSize(1, 1)));
    }
    return reader.read();
}

QImage ThumbnailMaker::runThumbnailer(const Original &file, const QMimeType &type, int size,
                                      const std::atomic_bool *cancel, bool *cancelled) const
{
    *cancelled = false;
    const QString exec = m_thumbnailers->execFor(type);
    QTemporaryFile output(QDir::tempPath() + QStringLiteral("/vantrel-thumbnail-XXXXXX.png"));
    if (exec.isEmpty() || !output.open())
        return QImage();
    output.close();
    QStringList arguments;
    for (const QString &word : QProcess::splitCommand(exec)) {
        QString argument;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word.at(i) != QLatin1Char('%') || i + 1 == word.size()) {
                argument += word.at(i);
                continue;
            }
            switch (word.at(++i).unicode()) {
            case 'i':
                // The argument list cannot carry bytes that are not UTF-8.
                if (PathCodec::hasUndecodable(file.path))
                    return QImage();
                argument += file.path;
                break;
            case 'u':
                argument += QString::fromLatin1(file.uri);
                break;
            case 'o':
                argument += output.fileName();
                break;
            case 's':
                argument += QString::number(size);
                break;
            case '%':
                argument += QLatin1Char('%');
                break;
            default:
                break;
            }
        }
        arguments << argument;
    }
    QProcess process;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(5000))
        return QImage();
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(50) && process.state() != QProcess::NotRunning) {
        const bool stop = cancel && cancel->load(std::memory_order_relaxed);
        if (stop || clock.elapsed() > m_timeLimitMs) {
            process.kill();
            process.waitForFinished(1000);
            *cancelled = stop;
            return QImage();
        }
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QImage();
    QImageReader reader(output.fileName());
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > size || image.height() > size))
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

ThumbnailMaker::Result ThumbnailMaker::make(const Original &file, int size,
                                            const std::atomic_bool *cancel) const
{
    Result result;
    const int box = sizeClass(size);
    auto stopped = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    if (stopped())
        return {QImage(), Outcome::Cancelled};
    if (!file.insideCache && answersForFailure(file))
        return {QImage(), Outcome::KnownFailure};

    // Opened by its bytes: the path as text cannot carry a name that is not UTF-8.
    const int fd = ::open(PathCodec::encode(file.path).constData(), O_RDONLY | O_CLOEXEC);
    QFile content;
    if (fd < 0 || !content.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        return result;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(file.path, &content);
    content.seek(0);
    bool cancelled = false;
    if (readsInProcess(type))
        result.image = decode(&content, box);
    else if (!m_thumbnailers->execFor(type).isEmpty())
        result.image = runThumbnailer(file, type, box, cancel, &cancelled);
    else
        return result; // nothing draws this type: no failure to note
    if (cancelled || stopped())
        return {QImage(), Outcome::Cancelled};
    // What lies in the cache is never itself thumbnailed into it.
    if (file.insideCache) {
        result.outcome = result.image.isNull() ? Outcome::NotPossible : Outcome::Made;
        return result;
    }
    if (result.image.isNull()) {
        QImage mark(1, 1, QImage::Format_ARGB32);
        mark.fill(Qt::transparent);
        store(failPath(file.uri), mark, file);
        result.outcome = Outcome::Failed;
        return result;
    }
    result.image.setText(QStringLiteral("Thumb::Mimetype"), type.name());
    store(cachePath(file.uri, box), result.image, file);
    result.outcome = Outcome::Made;
    return result;
}

bool ThumbnailMaker::answersForFailure(const Original &file) const
{
    return answersFor(readStored(failPath(file.uri)), file.uri, file.mtime, file.size);
}

bool ThumbnailMaker::store(const QString &target, QImage image, const Original &file) const
{
    // Every level private: a thumbnail shows what the file holds. The cache
    // folder itself may not exist yet either.
    const QString folder = target.left(target.lastIndexOf(QLatin1Char('/')));
    QStringList levels;
    for (QString at = folder; at.size() > 1; at = at.left(at.lastIndexOf(QLatin1Char('/')))) {
        struct stat status;
        if (::stat(PathCodec::encode(at).constData(), &status) == 0)
            break;
        levels.prepend(at);
    }
    for (const QString &level : std::as_const(levels)) {
        if (!makeFolder(level))
            return false;
    }
    image.setText(QStringLiteral("Thumb::URI"), QString::fromLatin1(file.uri));
    image.setText(QStringLiteral("Thumb::MTime"), QString::number(file.mtime));
    image.setText(QStringLiteral("Thumb::Size"), QString::number(file.size));
    image.setText(QStringLiteral("Software"), QStringLiteral("Vantrel"));

    // Written under a name of its own and renamed into place, so that a
    // reader never sees half a file, whoever writes at the same time.
    QByteArray temporary = PathCodec::encode(target) + ".vantrel-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, 0600) == 0;
    {
        QFile out;
        ok = ok && out.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
        QImageWriter writer(&out, "png");
        writer.setQuality(80); // light compression: twice as quick, hardly bigger
        ok = ok && writer.write(image);
    }
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), PathCodec::encode(target).constData()) == 0;
    if (!ok)
        ::unlink(temporary.constData());
    return ok;
}
