// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureitem.h"

#include "decodebudget.h"
#include "fileprobe.h"

#include <QImageReader>
#include <QQuickWindow>
#include <QSGImageNode>

struct PictureItem::Frame
{
    QImage image;
    int delay = 100; // ms
    int index = 0;
    PictureFile::Failure failure = PictureFile::Failure::None;
    QString error;
};

// An animation's decoding state, handed to one worker task at a time: the
// next frame is asked for only once the last one has arrived.
struct PictureItem::Movie
{
    std::shared_ptr<const PictureFile> file;
    QSize target;
    std::atomic_bool cancel{false};
    DecodeBudget::Grant grant; // held while a reader is open
    std::unique_ptr<PictureFile::Reader> reader;
    int index = 0;  // of the next frame
    int frames = 0; // in one loop, as the header counts them until a loop ends sooner
    QList<Frame> cache;
    qint64 cacheBytes = 0;
    bool caching = true;
    bool cacheWhole = false;

    Frame next(bool again = true);
};

PictureItem::Frame PictureItem::Movie::next(bool again)
{
    Frame frame;
    if (cancel) {
        frame.failure = PictureFile::Failure::Cancelled;
        return frame;
    }
    if (cacheWhole) {
        frame = cache.at(index);
        index = (index + 1) % int(cache.size());
        return frame;
    }
    if (index >= frames && index > 0) {
        // A loop has ended: from the frames kept if all of them are, else
        // from the start of the same bytes.
        reader.reset();
        index = 0;
        if (caching && cache.size() == frames) {
            cacheWhole = true;
            grant.release();
            return next();
        }
        caching = false;
        cache.clear();
    }
    if (!reader) {
        if (grant.bytes() == 0) {
            DecodeBudget::Result result = DecodeBudget::Granted;
            grant = DecodeBudget::acquire(file->bytesFor(target), &cancel, &result);
            if (result != DecodeBudget::Granted) {
                frame.failure = result == DecodeBudget::TooLarge ? PictureFile::Failure::TooLarge
                                                                 : PictureFile::Failure::Cancelled;
                frame.error =
                    result == DecodeBudget::TooLarge
                        ? PictureFile::tooLargeReason(file->size(), file->bytesFor(target))
                        : PictureFile::reason(frame.failure);
                return frame;
            }
        }
        reader = file->openReader(&cancel, &frame.failure, &frame.error);
        if (!reader)
            return frame;
    }
    DecodeBudget::count(DecodeBudget::Counted::Frame);
    QImage image = reader->reader->read();
    if (image.isNull()) {
        if (cancel) {
            frame.failure = PictureFile::Failure::Cancelled;
        } else if (index > 0 && again) {
            // Fewer frames than the header said: the loop ends here.
            frames = index;
            return next(false);
        } else {
            frame.failure = PictureFile::Failure::Damaged;
        }
        frame.error = PictureFile::reason(frame.failure);
        return frame;
    }
    // Browsers show frames meant to take no time for a tenth of a second.
    const int delay = reader->reader->nextImageDelay();
    frame.delay = delay <= 10 ? 100 : delay;
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    frame.image = image;
    frame.index = index++;
    if (caching) {
        cacheBytes += image.sizeInBytes();
        caching = cacheBytes <= FrameCacheBytes;
        if (caching)
            cache.append(frame);
        else
            cache.clear();
    }
    return frame;
}

namespace {

struct Opened
{
    std::shared_ptr<const PictureFile> file;
    PictureFile::Failure failure = PictureFile::Failure::None;
    QString error;
};

struct Decoded
{
    QImage image;
    PictureFile::Failure failure = PictureFile::Failure::None;
    QString error;
};

} // namespace

PictureItem::PictureItem(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { refresh(true); });
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] {
        if (m_ready)
            showFrame();
    });
}

PictureItem::~PictureItem()
{
    stopWork();
}

QString PictureItem::format() const
{
    return m_file ? QString::fromLatin1(m_file->format()) : QString();
}

bool PictureItem::fullAllowed() const
{
    return m_file && m_file->bytesFor(m_file->size()) <= DecodeBudget::total() &&
           qMax(m_file->size().width(), m_file->size().height()) <= MaxSide;
}

void PictureItem::stopWork()
{
    for (const auto &cancel : {m_openCancel, m_decodeCancel}) {
        if (cancel)
            *cancel = true;
    }
    m_openCancel.reset();
    m_decodeCancel.reset();
    if (m_movie)
        m_movie->cancel = true;
    m_movie.reset();
    m_ready.reset();
    m_requesting = false;
    m_frameTimer.stop();
    m_settle.stop();
    m_pending = QSize();
}

void PictureItem::setPath(const QString &path)
{
    if (path == m_path)
        return;
    stopWork();
    ++m_generation;
    m_path = path;
    m_file.reset();
    m_shownTarget = QSize();
    m_error.clear();
    m_missing = false;
    m_decodes = 0;
    m_loops = 0;
    m_currentFrame = 0;
    setImplicitSize(0, 0);
    show(QImage());
    setDecoding(false);
    Q_EMIT pathChanged();
    Q_EMIT headerChanged();
    Q_EMIT decodesChanged();
    Q_EMIT currentFrameChanged();
    m_status = path.isEmpty() ? Null : Loading;
    Q_EMIT statusChanged();
    if (path.isEmpty())
        return;

    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_openCancel = cancel;
    const quint64 generation = m_generation;
    FileProbe::runOffThread<Opened>(
        this,
        [path, cancel] {
            Opened opened;
            opened.file = PictureFile::open(path, cancel.get(), &opened.failure, &opened.error);
            return opened;
        },
        [this, generation](const Opened &opened) {
            if (generation != m_generation)
                return;
            m_openCancel.reset();
            if (!opened.file) {
                fail(opened.failure, opened.error);
                return;
            }
            m_file = opened.file;
            setImplicitSize(m_file->size().width(), m_file->size().height());
            Q_EMIT headerChanged();
            refreshSoon();
        });
}

void PictureItem::setSourceSize(const QSize &size)
{
    if (size == m_sourceSize)
        return;
    m_sourceSize = size;
    Q_EMIT sourceSizeChanged();
    // The first picture at once; a new size once it rests.
    if (m_image.isNull() && m_pending.isEmpty())
        refreshSoon();
    else
        refresh(false);
}

void PictureItem::setPlaying(bool playing)
{
    if (playing == m_playing)
        return;
    m_playing = playing;
    Q_EMIT playingChanged();
    if (!playing) {
        m_frameTimer.stop();
    } else if (m_movie) {
        if (m_ready)
            showFrame();
        else if (!m_requesting)
            requestFrame();
    }
}

QSize PictureItem::target() const
{
    if (!m_file || (m_sourceSize.width() <= 0 && m_sourceSize.height() <= 0))
        return QSize();
    const QSize wanted = m_file->fitted(m_sourceSize);
    if (wanted.width() > MaxSide || wanted.height() > MaxSide)
        return m_file->fitted(QSize(MaxSide, MaxSide));
    return wanted;
}

bool PictureItem::plays() const
{
    const QSize size = m_file->size();
    return m_file->animated() && m_file->inMemory() &&
           qint64(size.width()) * size.height() <= MaxAnimatedPixels;
}

void PictureItem::refreshSoon()
{
    // Once the bindings have settled: width and height of sourceSize come
    // one at a time, and the header sets both.
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshQueued = false;
            refresh(true);
        },
        Qt::QueuedConnection);
}

void PictureItem::refresh(bool now)
{
    if (!m_file || m_status == Error)
        return;
    const QSize wanted = target();
    if (!wanted.isValid())
        return;
    if (!now) {
        m_settle.start();
        setDecoding(true);
        return;
    }
    m_settle.stop();
    if (plays()) {
        if (!m_movie || m_movie->target != wanted)
            startMovie(wanted);
        else
            setDecoding(m_shownTarget != wanted);
        return;
    }
    if (wanted == m_pending)
        return;
    if (wanted == m_shownTarget) {
        // Back to the size shown before the last one was done.
        if (m_decodeCancel)
            *m_decodeCancel = true;
        m_decodeCancel.reset();
        m_pending = QSize();
        setDecoding(false);
        return;
    }
    startDecode(wanted);
}

void PictureItem::startDecode(const QSize &wanted)
{
    if (m_decodeCancel)
        *m_decodeCancel = true;
    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_decodeCancel = cancel;
    m_pending = wanted;
    ++m_decodes;
    Q_EMIT decodesChanged();
    setDecoding(true);
    const auto file = m_file;
    const quint64 generation = m_generation;
    FileProbe::runOffThread<Decoded>(
        this,
        [file, wanted, cancel] {
            Decoded decoded;
            decoded.image = file->decode(wanted, cancel.get(), &decoded.failure, &decoded.error);
            return decoded;
        },
        [this, generation, cancel, wanted](const Decoded &decoded) {
            if (generation != m_generation || cancel != m_decodeCancel)
                return;
            m_decodeCancel.reset();
            m_pending = QSize();
            setDecoding(false);
            if (decoded.image.isNull()) {
                if (m_image.isNull()) {
                    fail(decoded.failure, decoded.error);
                } else {
                    // The picture shown stays; the reason is there to read.
                    m_error = decoded.error;
                    Q_EMIT statusChanged();
                }
                return;
            }
            m_shownTarget = wanted;
            m_error.clear();
            show(decoded.image);
            setStatus(Ready);
        });
}

void PictureItem::startMovie(const QSize &wanted)
{
    if (m_movie)
        m_movie->cancel = true;
    m_movie = std::make_shared<Movie>();
    m_movie->file = m_file;
    m_movie->target = wanted;
    m_movie->frames = m_file->frameCount();
    m_ready.reset();
    m_requesting = false;
    m_frameTimer.stop();
    m_loops = 0;
    ++m_decodes;
    Q_EMIT decodesChanged();
    setDecoding(true);
    requestFrame();
}

void PictureItem::requestFrame()
{
    const auto movie = m_movie;
    m_requesting = true;
    FileProbe::runOffThread<Frame>(
        this, [movie] { return movie->next(); },
        [this, movie](const Frame &frame) {
            if (movie != m_movie)
                return;
            m_requesting = false;
            onFrame(frame);
        });
}

void PictureItem::onFrame(const Frame &frame)
{
    if (frame.image.isNull()) {
        if (frame.failure == PictureFile::Failure::Cancelled)
            return;
        setDecoding(false);
        if (m_image.isNull()) {
            fail(frame.failure, frame.error);
        } else {
            // The frame shown stays.
            m_movie.reset();
        }
        return;
    }
    m_ready = std::make_unique<Frame>(frame);
    // The first frame of a size shows at once, and a late one on arrival.
    const bool newSize = m_shownTarget != m_movie->target || m_image.isNull();
    if (newSize || (m_playing && !m_frameTimer.isActive()))
        showFrame();
}

void PictureItem::showFrame()
{
    const Frame frame = *m_ready;
    m_ready.reset();
    const bool newSize = m_shownTarget != m_movie->target || m_image.isNull();
    if (!newSize && frame.index == 0) {
        ++m_loops;
        const int loops = m_file->loopCount();
        if (loops >= 0 && m_loops > loops) {
            // Played as often as the file asks: the last frame stays.
            m_movie.reset();
            return;
        }
    }
    m_shownTarget = m_movie->target;
    setDecoding(false);
    if (m_currentFrame != frame.index) {
        m_currentFrame = frame.index;
        Q_EMIT currentFrameChanged();
    }
    m_error.clear();
    show(frame.image);
    setStatus(Ready);
    if (m_playing && m_movie->frames > 1) {
        m_frameTimer.start(frame.delay);
        requestFrame();
    }
}

void PictureItem::show(const QImage &image)
{
    const QSize before = m_image.size();
    m_image = image;
    m_textureDirty = true;
    QQuickItem::update();
    if (image.size() != before)
        Q_EMIT decodedSizeChanged();
}

void PictureItem::fail(PictureFile::Failure failure, const QString &error)
{
    m_error = error;
    m_missing = failure == PictureFile::Failure::Missing;
    setDecoding(false);
    m_status = Error;
    Q_EMIT statusChanged();
}

void PictureItem::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void PictureItem::setDecoding(bool decoding)
{
    if (decoding == m_decoding)
        return;
    m_decoding = decoding;
    Q_EMIT decodingChanged();
}

void PictureItem::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        QQuickItem::update();
}

QSGNode *PictureItem::updatePaintNode(QSGNode *old, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(old);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        m_textureDirty = true;
    }
    if (m_textureDirty) {
        node->setTexture(window()->createTextureFromImage(m_image));
        m_textureDirty = false;
    }
    node->setRect(boundingRect());
    node->setFiltering(smooth() ? QSGTexture::Linear : QSGTexture::Nearest);
    return node;
}
