// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageloader.h"

#include "decodebudget.h"
#include "fileprobe.h"
#include "pathcodec.h"
#include "picturefile.h"

#include <QFile>
#include <QImageReader>
#include <QRunnable>
#include <QSet>

#include <cmath>
#include <memory>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;
// Qt's own default for QImageReader::allocationLimit().
constexpr int UsualLimitMiB = 128;

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

bool looksLikePicture(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > slash + 1 && pictureSuffixes().contains(path.mid(dot + 1).toLower()))
        return true;
    int code = 0;
    const int fd = FileProbe::openRegular(path, &code);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return QImageReader(&file).canRead();
}

QVariantMap probeMap(const QString &path)
{
    QVariantMap map;
    map[QStringLiteral("path")] = path;
    map[QStringLiteral("ok")] = false;
    map[QStringLiteral("limitMiB")] = ImageLoader::memoryLimit() / MiB;
    PictureFile::Failure failure = PictureFile::Failure::None;
    QString error;
    const auto picture = PictureFile::open(path, nullptr, &failure, &error);
    map[QStringLiteral("missing")] = failure == PictureFile::Failure::Missing;
    map[QStringLiteral("error")] = error;
    if (!picture)
        return map;
    const QSize size = picture->size();
    map[QStringLiteral("ok")] = true;
    map[QStringLiteral("format")] = QString::fromLatin1(picture->format());
    map[QStringLiteral("mimeType")] = picture->mimeType();
    map[QStringLiteral("width")] = size.width();
    map[QStringLiteral("height")] = size.height();
    map[QStringLiteral("frameCount")] = picture->frameCount();
    map[QStringLiteral("animated")] = picture->animated();
    const qint64 full = qint64(size.width()) * size.height() * 4;
    map[QStringLiteral("fullBytes")] = full;
    map[QStringLiteral("fullAllowed")] = picture->bytesFor(size) <= ImageLoader::memoryLimit();
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
        // The decode runs on a worker of the picture's mount.
        job->setAutoDelete(false);
        IoLanes::start(path, [job] {
            job->run();
            delete job;
        });
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
    return DecodeBudget::total();
}

QVariantMap ImageLoader::probe(const QString &path) const
{
    return probeMap(path);
}

void ImageLoader::requestProbe(const QString &path)
{
    FileProbe::runOffThread<QVariantMap>(
        this, path, [path] { return probeMap(path); },
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
    PictureFile::Failure failure = PictureFile::Failure::None;
    const auto picture = PictureFile::open(path, cancel, &failure, error);
    if (!picture)
        return QImage();
    QSize target = picture->size();
    if (!fullSize) {
        target = picture->fitted(requested);
        // Nothing asked: as large as Qt's usual limit allows.
        const qint64 bytes = qint64(target.width()) * target.height() * 4;
        if (requested.width() <= 0 && requested.height() <= 0 &&
            bytes > qint64(UsualLimitMiB) * MiB) {
            const double scale = std::sqrt(double(UsualLimitMiB) * MiB / bytes) * 0.99;
            target = picture->fitted(QSize(int(target.width() * scale), 0));
        }
    }
    return picture->decode(target, cancel, &failure, error);
}

QString ImageLoader::firstPicture(const QStringList &candidates)
{
    for (const QString &candidate : candidates) {
        if (looksLikePicture(candidate))
            return candidate;
    }
    return QString();
}

void ImageLoader::requestStep(const QString &from, int direction, const QStringList &candidates)
{
    FileProbe::runOffThread<QString>(
        this, [candidates] { return firstPicture(candidates); },
        [this, from, direction](const QString &path) { Q_EMIT stepFound(from, direction, path); });
}

QQuickImageResponse *ImageProvider::requestImageResponse(const QString &id,
                                                         const QSize &requestedSize)
{
    return new DecodeResponse(id, requestedSize);
}

#include "imageloader.moc"
