// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include "decodebudget.h"
#include "fileprobe.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QMimeDatabase>

#include <cerrno>
#include <cmath>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Devices whose reads fail once the decode they feed is no longer wanted:
// the reader gives up at its next read instead of decoding to the end.
class CancellableBuffer : public QBuffer
{
public:
    explicit CancellableBuffer(const std::atomic_bool *cancel) : m_cancel(cancel) {}

protected:
    qint64 readData(char *data, qint64 size) override
    {
        return m_cancel && m_cancel->load() ? -1 : QBuffer::readData(data, size);
    }

private:
    const std::atomic_bool *m_cancel;
};

class CancellableFile : public QFile
{
public:
    explicit CancellableFile(const std::atomic_bool *cancel) : m_cancel(cancel) {}

protected:
    qint64 readData(char *data, qint64 size) override
    {
        return m_cancel && m_cancel->load() ? -1 : QFile::readData(data, size);
    }

private:
    const std::atomic_bool *m_cancel;
};

PictureFile::Failure openFailure(int code)
{
    if (code == ENOENT || code == ENOTDIR)
        return PictureFile::Failure::Missing;
    // The safe opener's word for a pipe, a device or a socket.
    if (code == ENODEV)
        return PictureFile::Failure::NotRegular;
    return PictureFile::Failure::Unreadable;
}

// A descriptor for the file at path wrapped in file, or false with the
// failure set.
bool openFile(const QString &path, QFile *file, struct stat *st, PictureFile::Failure *failure,
              QString *error)
{
    int code = 0;
    const int fd = FileProbe::openRegular(path, &code, st);
    if (fd < 0) {
        *failure = openFailure(code);
        *error = PictureFile::reason(*failure, code);
        return false;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *failure = PictureFile::Failure::Unreadable;
        *error = PictureFile::reason(*failure, EIO);
        return false;
    }
    return true;
}

} // namespace

std::shared_ptr<const PictureFile> PictureFile::open(const QString &path,
                                                     const std::atomic_bool *cancel,
                                                     Failure *failure, QString *error)
{
    *failure = Failure::None;
    error->clear();
    auto picture = std::make_shared<PictureFile>();
    picture->m_path = path;
    QFile file;
    struct stat st = {};
    if (!openFile(path, &file, &st, failure, error))
        return nullptr;
    if (st.st_size <= InMemoryLimit) {
        int code = 0;
        if (!FileProbe::readSome(int(file.handle()), InMemoryLimit + 1, &picture->m_bytes, &code)) {
            *failure = Failure::Unreadable;
            *error = reason(*failure, code);
            return nullptr;
        }
        // It grew meanwhile: read again for each decode.
        picture->m_inMemory = picture->m_bytes.size() <= InMemoryLimit;
        if (!picture->m_inMemory)
            picture->m_bytes.clear();
    }
    if (cancel && *cancel) {
        *failure = Failure::Cancelled;
        *error = reason(*failure);
        return nullptr;
    }

    QBuffer buffer;
    QIODevice *device = &file;
    if (picture->m_inMemory) {
        file.close();
        buffer.setData(picture->m_bytes);
        buffer.open(QIODevice::ReadOnly);
        device = &buffer;
    }
    const QByteArray head = device->peek(4096);
    picture->m_mimeType = QMimeDatabase().mimeTypeForData(head).name();
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QByteArray extension = dot > path.lastIndexOf(QLatin1Char('/'))
                                     ? path.mid(dot + 1).toLower().toLatin1()
                                     : QByteArray();
    // Named as the readers name their formats, so that a .jpg read by its
    // content is not taken for a disagreement.
    if (QImageReader::supportedImageFormats().contains(extension))
        picture->m_hint = extension == "jpg"   ? QByteArray("jpeg")
                          : extension == "tif" ? QByteArray("tiff")
                                               : extension;

    // By content first; then by the extension, for formats without a
    // signature (TGA), whose first bytes may pass for another's (a cursor).
    QImageReader reader(device);
    const bool readableByContent = reader.canRead();
    if (!picture->m_hint.isEmpty() && (!readableByContent || reader.format() != picture->m_hint)) {
        device->seek(0);
        reader.setDevice(device);
        reader.setFormat(picture->m_hint);
        if (reader.canRead()) {
            picture->m_byContent = false;
        } else {
            device->seek(0);
            reader.setDevice(device);
            reader.setFormat(QByteArray());
        }
    }
    if (!reader.canRead()) {
        *failure = Failure::NotPicture;
        *error = reason(*failure);
        return nullptr;
    }
    picture->m_format = reader.format();
    picture->m_stored = reader.size();
    if (picture->m_format == "gif" && head.size() >= 10) {
        // Every frame is drawn on the whole logical screen, which the first
        // frame's size does not tell.
        const QSize screen(uchar(head[6]) | uchar(head[7]) << 8, uchar(head[8]) | uchar(head[9])
                                                                                      << 8);
        if (!screen.isEmpty())
            picture->m_stored = screen;
    }
    if (!picture->m_stored.isValid() || picture->m_stored.isEmpty()) {
        *failure = Failure::Damaged;
        *error = reason(*failure);
        return nullptr;
    }
    picture->m_turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    picture->m_shown = picture->m_turned ? picture->m_stored.transposed() : picture->m_stored;
    picture->m_scalesWhileDecoding = reader.supportsOption(QImageIOHandler::ScaledSize);
    const QImage::Format format = reader.imageFormat();
    if (format != QImage::Format_Invalid)
        picture->m_bytesPerPixel = qMax(4, QImage::toPixelFormat(format).bitsPerPixel() / 8);
    picture->m_frameCount = reader.supportsAnimation() ? qMax(1, reader.imageCount()) : 1;
    picture->m_loopCount = reader.loopCount();
    return picture;
}

QSize PictureFile::fitted(const QSize &box) const
{
    double scale = 1;
    if (box.width() > 0)
        scale = qMin(scale, double(box.width()) / m_shown.width());
    if (box.height() > 0)
        scale = qMin(scale, double(box.height()) / m_shown.height());
    if (scale >= 1)
        return m_shown;
    return QSize(qMax(1, int(std::lround(m_shown.width() * scale))),
                 qMax(1, int(std::lround(m_shown.height() * scale))));
}

qint64 PictureFile::bytesFor(const QSize &target) const
{
    const qint64 pixel = m_bytesPerPixel;
    const qint64 full = qint64(m_stored.width()) * m_stored.height() * pixel;
    const bool scaled = target != m_shown;
    const qint64 out = scaled ? qint64(target.width()) * target.height() * pixel : full;
    qint64 decoded = full;
    if (m_format == "gif") {
        // The screen as drawn so far, and the frame under it.
        decoded = 2 * full;
    } else if (scaled && m_scalesWhileDecoding && m_format == "jpeg") {
        // Decoded at the nearest eighth above the target, then scaled; the
        // other readers that scale decode the whole picture first.
        const QSize at = m_turned ? target.transposed() : target;
        decoded = qMin(full, pixel * (at.width() + m_stored.width() / 8 + 1) *
                                 (at.height() + m_stored.height() / 8 + 1));
    }
    return decoded + (scaled ? out : 0) + (m_turned ? out : 0);
}

PictureFile::Reader::~Reader()
{
    // The reader first: it may still look at its device.
    reader.reset();
}

std::unique_ptr<PictureFile::Reader> PictureFile::openReader(const std::atomic_bool *cancel,
                                                             Failure *failure, QString *error) const
{
    auto opened = std::make_unique<Reader>();
    if (m_inMemory) {
        auto buffer = std::make_unique<CancellableBuffer>(cancel);
        buffer->setData(m_bytes);
        buffer->open(QIODevice::ReadOnly);
        opened->device = std::move(buffer);
    } else {
        auto file = std::make_unique<CancellableFile>(cancel);
        struct stat st = {};
        if (!openFile(m_path, file.get(), &st, failure, error))
            return nullptr;
        opened->device = std::move(file);
    }
    opened->reader = std::make_unique<QImageReader>(opened->device.get());
    if (!m_byContent)
        opened->reader->setFormat(m_hint);
    return opened;
}

QImage PictureFile::decode(const QSize &target, const std::atomic_bool *cancel, Failure *failure,
                           QString *error) const
{
    *failure = Failure::None;
    error->clear();
    const std::unique_ptr<Reader> opened = openReader(cancel, failure, error);
    if (!opened)
        return QImage();
    QImageReader &reader = *opened->reader;
    reader.setAutoTransform(true);
    if (target.isValid() && target != m_shown)
        reader.setScaledSize(m_turned ? target.transposed() : target);

    DecodeBudget::Result result = DecodeBudget::Granted;
    const qint64 bytes = bytesFor(target.isValid() ? target : m_shown);
    const DecodeBudget::Grant grant = DecodeBudget::acquire(bytes, cancel, &result);
    if (result != DecodeBudget::Granted) {
        *failure = result == DecodeBudget::TooLarge ? Failure::TooLarge : Failure::Cancelled;
        *error = *failure == Failure::TooLarge ? tooLargeReason(m_shown, bytes) : reason(*failure);
        return QImage();
    }
    DecodeBudget::count(DecodeBudget::Counted::Decode);
    QImage image = reader.read();
    if (cancel && *cancel) {
        DecodeBudget::count(DecodeBudget::Counted::Cancelled);
        *failure = Failure::Cancelled;
        *error = reason(*failure);
        return QImage();
    }
    if (image.isNull()) {
        switch (reader.error()) {
        case QImageReader::UnsupportedFormatError:
            *failure = Failure::NotPicture;
            break;
        case QImageReader::DeviceError:
        case QImageReader::FileNotFoundError:
            *failure = Failure::Unreadable;
            break;
        default:
            *failure = Failure::Damaged;
        }
        *error = reason(*failure, EIO);
    }
    return image;
}

QString PictureFile::reason(Failure failure, int osError)
{
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::Missing:
        return QCoreApplication::translate("Picture", "the file is no longer there");
    case Failure::NotRegular:
        return QCoreApplication::translate("Picture", "it is not a regular file");
    case Failure::Unreadable:
        if (osError == EACCES || osError == EPERM)
            return QCoreApplication::translate("Picture", "you may not read this file");
        return QCoreApplication::translate("Picture", "the file could not be read (%1)")
            .arg(FileProbe::errorText(osError));
    case Failure::NotPicture:
        return QCoreApplication::translate(
            "Picture", "its content is not a picture format this program reads");
    case Failure::Damaged:
        return QCoreApplication::translate("Picture", "its data is damaged or cut short");
    case Failure::TooLarge:
        return QCoreApplication::translate("Picture", "it is too large");
    case Failure::Cancelled:
        return QStringLiteral("Cancelled");
    }
    return QString();
}

QString PictureFile::tooLargeReason(const QSize &size, qint64 bytes)
{
    return QCoreApplication::translate(
               "Picture", "at %1 × %2 pixels it needs %3 MiB, more than the %4 MiB this computer "
                          "allows for pictures")
        .arg(size.width())
        .arg(size.height())
        .arg((bytes + MiB - 1) / MiB)
        .arg(DecodeBudget::total() / MiB);
}
