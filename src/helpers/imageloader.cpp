#include "imageloader.h"

#include "fileprobe.h"
#include "nameorder.h"
#include "pathcodec.h"

#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>
#include <QMutex>
#include <QRunnable>
#include <QSet>

#include <cerrno>
#include <cmath>
#include <dirent.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;
// Qt's own default for QImageReader::allocationLimit().
constexpr int UsualLimitMiB = 128;

// A file whose reads fail once the decode it feeds is no longer wanted:
// the reader gives up at its next read instead of decoding to the end.
class CancellableFile : public QFile
{
public:
    explicit CancellableFile(const std::atomic_bool *cancel) : m_cancel(cancel) {}

protected:
    qint64 readData(char *data, qint64 size) override
    {
        if (m_cancel && m_cancel->load())
            return -1;
        return QFile::readData(data, size);
    }

private:
    const std::atomic_bool *m_cancel;
};

// Opens the regular file at path for a reader; the reader sniffs the
// content, so neither the extension nor its case matters.
bool openForReader(const QString &path, QFile *file, QString *error, bool *missing = nullptr)
{
    int code = 0;
    const int fd = FileProbe::openRegular(path, &code);
    if (fd < 0) {
        if (missing)
            *missing = code == ENOENT || code == ENOTDIR;
        *error = code == ENODEV ? QStringLiteral("Not a regular file") : FileProbe::errorText(code);
        return false;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = file->errorString();
        return false;
    }
    return true;
}

QSize shownSize(QImageReader &reader)
{
    const QSize stored = reader.size();
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? stored.transposed()
                                                                             : stored;
}

// QImageReader's limit is global; it only ever goes up, to what one picture
// needs, never past memoryLimit().
void allowAllocation(qint64 bytes)
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const int wanted = int((bytes + MiB - 1) / MiB);
    if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < wanted)
        QImageReader::setAllocationLimit(wanted);
}

const QSet<QString> &pictureSuffixes()
{
    static const QSet<QString> suffixes = [] {
        QSet<QString> set;
        for (const QByteArray &format : QImageReader::supportedImageFormats())
            set.insert(QString::fromLatin1(format).toLower());
        // Common names for formats Qt reads under another name.
        set.insert(QStringLiteral("jpe"));
        set.insert(QStringLiteral("jfif"));
        return set;
    }();
    return suffixes;
}

QVariantMap probeMap(const QString &path)
{
    QVariantMap map;
    map[QStringLiteral("path")] = path;
    map[QStringLiteral("ok")] = false;
    map[QStringLiteral("limitMiB")] = ImageLoader::memoryLimit() / MiB;
    QFile file;
    QString error;
    bool missing = false;
    if (!openForReader(path, &file, &error, &missing)) {
        map[QStringLiteral("missing")] = missing;
        map[QStringLiteral("error")] = error;
        return map;
    }
    map[QStringLiteral("missing")] = false;
    const QByteArray head = file.peek(4096);
    QImageReader reader(&file);
    const QSize size = reader.canRead() ? shownSize(reader) : QSize();
    if (!size.isValid()) {
        map[QStringLiteral("error")] = reader.errorString();
        return map;
    }
    map[QStringLiteral("ok")] = true;
    map[QStringLiteral("error")] = QString();
    map[QStringLiteral("format")] = QString::fromLatin1(reader.format());
    map[QStringLiteral("mimeType")] = QMimeDatabase().mimeTypeForData(head).name();
    map[QStringLiteral("width")] = size.width();
    map[QStringLiteral("height")] = size.height();
    const int frames = reader.supportsAnimation() ? reader.imageCount() : 1;
    map[QStringLiteral("frameCount")] = qMax(frames, 1);
    map[QStringLiteral("animated")] = frames > 1;
    const qint64 full = qint64(size.width()) * size.height() * 4;
    map[QStringLiteral("fullBytes")] = full;
    map[QStringLiteral("fullAllowed")] = full <= ImageLoader::memoryLimit();
    map[QStringLiteral("needsRaisedLimit")] = full > qint64(UsualLimitMiB) * MiB;
    return map;
}

class DecodeJob : public QObject, public QRunnable
{
    Q_OBJECT
public:
    DecodeJob(const QString &path, const QSize &requested, bool fullSize,
              std::shared_ptr<std::atomic_bool> cancel)
        : m_path(path), m_requested(requested), m_fullSize(fullSize), m_cancel(std::move(cancel))
    {
    }
    void run() override
    {
        QString error;
        const QImage image =
            ImageLoader::decode(m_path, m_requested, m_fullSize, &error, m_cancel.get());
        Q_EMIT done(image, error);
    }
Q_SIGNALS:
    void done(const QImage &image, const QString &error);

private:
    QString m_path;
    QSize m_requested;
    bool m_fullSize;
    std::shared_ptr<std::atomic_bool> m_cancel;
};

class DecodeResponse : public QQuickImageResponse
{
public:
    DecodeResponse(const QString &id, const QSize &requested)
    {
        bool full = false;
        const QString path = ImageLoader::pathFromId(id, &full);
        auto *job = new DecodeJob(path, requested, full, m_cancel);
        connect(job, &DecodeJob::done, this, [this](const QImage &image, const QString &error) {
            m_image = image;
            m_error = error;
            Q_EMIT finished();
        });
        FileProbe::ioPool()->start(job);
    }
    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return m_error; }
    // The view dropped the picture (the person stepped past it): a decode
    // not begun never begins, one under way stops at its next read. The
    // job still reports, and finished() follows.
    void cancel() override { *m_cancel = true; }

private:
    QImage m_image;
    QString m_error;
    std::shared_ptr<std::atomic_bool> m_cancel = std::make_shared<std::atomic_bool>(false);
};

} // namespace

ImageLoader::ImageLoader(QObject *parent) : QObject(parent)
{
}

qint64 ImageLoader::memoryLimit()
{
    static const qint64 limit = [] {
        const long pages = ::sysconf(_SC_PHYS_PAGES);
        const long pageSize = ::sysconf(_SC_PAGESIZE);
        const qint64 quarter = pages > 0 && pageSize > 0 ? qint64(pages) * pageSize / 4 : 0;
        return qMax(quarter, qint64(UsualLimitMiB) * MiB);
    }();
    return limit;
}

QVariantMap ImageLoader::probe(const QString &path) const
{
    return probeMap(path);
}

void ImageLoader::requestProbe(const QString &path)
{
    FileProbe::runOffThread<QVariantMap>(
        this, [path] { return probeMap(path); },
        [this, path](const QVariantMap &info) { Q_EMIT probed(path, info); });
}

QString ImageLoader::imageUrl(const QString &path, bool fullSize) const
{
    // The name's bytes, so that no character of it is taken as URL syntax
    // and undecodable names come through unchanged.
    const QByteArray name = PathCodec::encode(path).toBase64(QByteArray::Base64UrlEncoding |
                                                             QByteArray::OmitTrailingEquals);
    return QStringLiteral("image://%1/%2/%3")
        .arg(QLatin1String(ProviderId), fullSize ? QLatin1String("full") : QLatin1String("fit"),
             QString::fromLatin1(name));
}

QString ImageLoader::pathFromId(const QString &id, bool *fullSize)
{
    const qsizetype slash = id.indexOf(QLatin1Char('/'));
    *fullSize = id.left(slash) == QLatin1String("full");
    const auto decoded = QByteArray::fromBase64Encoding(
        id.mid(slash + 1).toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? PathCodec::decode(*decoded) : QString();
}

QImage ImageLoader::decode(const QString &path, const QSize &requested, bool fullSize,
                           QString *error, const std::atomic_bool *cancel)
{
    if (cancel && *cancel) {
        *error = QStringLiteral("Cancelled");
        return QImage();
    }
    CancellableFile file(cancel);
    if (!openForReader(path, &file, error))
        return QImage();
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QSize shown = reader.canRead() ? shownSize(reader) : QSize();
    if (!shown.isValid()) {
        *error = reader.errorString();
        return QImage();
    }
    const qint64 fullBytes = qint64(shown.width()) * shown.height() * 4;
    double scale = 1;
    if (fullSize) {
        if (fullBytes > memoryLimit()) {
            *error = QStringLiteral("At full size it needs %1 MiB, more than the %2 MiB this "
                                    "computer allows for one picture")
                         .arg((fullBytes + MiB - 1) / MiB)
                         .arg(memoryLimit() / MiB);
            return QImage();
        }
    } else {
        // A side of 0 follows the other, as with an Image's sourceSize.
        if (requested.width() > 0)
            scale = qMin(scale, double(requested.width()) / shown.width());
        if (requested.height() > 0)
            scale = qMin(scale, double(requested.height()) / shown.height());
        // Nothing asked: as large as Qt's usual limit allows.
        if (fullBytes * scale * scale > double(UsualLimitMiB) * MiB)
            scale = std::sqrt(double(UsualLimitMiB) * MiB / fullBytes) * 0.99;
    }
    if (scale < 1) {
        QSize target(qMax(1, int(std::lround(shown.width() * scale))),
                     qMax(1, int(std::lround(shown.height() * scale))));
        // The reader scales before it turns the picture.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            target.transpose();
        reader.setScaledSize(target);
        // Without scaling while decoding (PNG, for one) the whole picture is
        // decoded first.
        if (!reader.supportsOption(QImageIOHandler::ScaledSize) && fullBytes <= memoryLimit())
            allowAllocation(fullBytes);
    } else {
        allowAllocation(fullBytes);
    }
    QImage image = reader.read();
    if (cancel && *cancel) {
        *error = QStringLiteral("Cancelled");
        return QImage();
    }
    if (image.isNull())
        *error = reader.errorString();
    return image;
}

QVariantMap ImageLoader::neighbours(const QString &path) const
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString own = path.mid(slash + 1);
    QStringList names;
    if (DIR *dir = ::opendir(
            PathCodec::encode(folder.isEmpty() ? QStringLiteral(".") : folder).constData())) {
        while (const struct dirent *entry = ::readdir(dir)) {
            if (entry->d_type == DT_DIR)
                continue;
            const QString name = PathCodec::decode(entry->d_name, qsizetype(strlen(entry->d_name)));
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            if (name == own || (dot > 0 && pictureSuffixes().contains(name.mid(dot + 1).toLower())))
                names << name;
        }
        ::closedir(dir);
    }
    if (!names.contains(own))
        names << own;
    NameOrder::sort(names);
    const qsizetype index = names.indexOf(own);
    QVariantMap map;
    map[QStringLiteral("index")] = index;
    map[QStringLiteral("count")] = names.size();
    map[QStringLiteral("previous")] = index > 0 ? folder + names.at(index - 1) : QString();
    map[QStringLiteral("next")] =
        index + 1 < names.size() ? folder + names.at(index + 1) : QString();
    return map;
}

QQuickImageResponse *ImageProvider::requestImageResponse(const QString &id,
                                                         const QSize &requestedSize)
{
    return new DecodeResponse(id, requestedSize);
}

#include "imageloader.moc"
