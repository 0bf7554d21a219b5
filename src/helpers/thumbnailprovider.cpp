// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnailprovider.h"

#include "pathcodec.h"

#include <QMimeDatabase>
#include <QQmlEngine>
#include <QQuickTextureFactory>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

class ThumbnailResponse;

struct Job
{
    QString path;
    int size = 128;
    std::atomic_bool cancel{false};
    std::mutex mutex;
    ThumbnailResponse *response = nullptr; // cleared when the response goes
};

class ThumbnailResponse : public QQuickImageResponse
{
public:
    ThumbnailResponse(std::shared_ptr<Job> job, std::shared_ptr<ThumbnailProvider::Queue> queue)
        : m_job(std::move(job)), m_queue(std::move(queue))
    {
        std::lock_guard<std::mutex> lock(m_job->mutex);
        m_job->response = this;
    }
    ~ThumbnailResponse() override
    {
        std::lock_guard<std::mutex> lock(m_job->mutex);
        m_job->response = nullptr;
    }
    QQuickTextureFactory *textureFactory() const override
    {
        return QQuickTextureFactory::textureFactoryForImage(m_image);
    }
    QString errorString() const override { return QString(); }
    void cancel() override;

    void land(const QImage &image)
    {
        if (m_done)
            return;
        m_done = true;
        // No thumbnail is an answer, not a fault: the image comes out empty
        // (the scene keeps the icon) and nothing is written to the log.
        m_image = image;
        Q_EMIT finished();
    }

private:
    std::shared_ptr<Job> m_job;
    std::shared_ptr<ThumbnailProvider::Queue> m_queue;
    QImage m_image;
    bool m_done = false;
};

// Hands the result to the response in its own thread; a response already
// gone (the scene dropped it) receives nothing.
void deliver(const std::shared_ptr<Job> &job, const QImage &image)
{
    std::lock_guard<std::mutex> lock(job->mutex);
    if (ThumbnailResponse *response = job->response)
        QMetaObject::invokeMethod(
            response, [response, image] { response->land(image); }, Qt::QueuedConnection);
}

} // namespace

struct ThumbnailProvider::Queue
{
    std::shared_ptr<const ThumbnailMaker> maker;
    std::mutex mutex;
    std::condition_variable ready;
    std::condition_variable allGone;
    std::deque<std::shared_ptr<Job>> lookups; // the cache only: quick
    std::deque<std::shared_ptr<Job>> makes;   // found missing: decode or run a thumbnailer
    int maxThreads = 2;
    int threads = 0;
    int idle = 0;
    bool stopping = false;

    void submit(const std::shared_ptr<Job> &job)
    {
        std::lock_guard<std::mutex> lock(mutex);
        lookups.push_back(job);
        if (idle > 0 || threads >= maxThreads) {
            ready.notify_one();
            return;
        }
        try {
            std::thread([self = shared()] { self->work(); }).detach();
            ++threads;
        } catch (const std::system_error &) {
            // The running ones take it.
        }
    }

    // Takes the job out if no worker has started on it.
    bool withdraw(const std::shared_ptr<Job> &job)
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (auto *queue : {&lookups, &makes}) {
            const auto it = std::find(queue->begin(), queue->end(), job);
            if (it != queue->end()) {
                queue->erase(it);
                return true;
            }
        }
        return false;
    }

    std::shared_ptr<Queue> shared();
    std::weak_ptr<Queue> self;

    void work()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            ++idle;
            // A worker with nothing to do for a while ends; the next
            // request starts another.
            const bool woke = ready.wait_for(lock, std::chrono::seconds(5), [this] {
                return stopping || !lookups.empty() || !makes.empty();
            });
            --idle;
            if (!woke || stopping)
                break;
            const bool lookup = !lookups.empty();
            std::shared_ptr<Job> job = lookup ? lookups.front() : makes.front();
            (lookup ? lookups : makes).pop_front();
            lock.unlock();
            if (job->cancel.load(std::memory_order_relaxed)) {
                deliver(job, QImage());
            } else if (lookup) {
                ThumbnailMaker::Result result = maker->cached(job->path, job->size);
                if (result.outcome == ThumbnailMaker::Outcome::Cached) {
                    deliver(job, result.image);
                } else {
                    lock.lock();
                    makes.push_back(job);
                    continue;
                }
            } else {
                deliver(job, maker->thumbnail(job->path, job->size, &job->cancel).image);
            }
            lock.lock();
        }
        --threads;
        allGone.notify_all();
    }
};

std::shared_ptr<ThumbnailProvider::Queue> ThumbnailProvider::Queue::shared()
{
    return self.lock();
}

void ThumbnailResponse::cancel()
{
    m_job->cancel.store(true, std::memory_order_relaxed);
    // Still waiting: gone from the queue, and finished as the engine needs.
    if (m_queue->withdraw(m_job))
        QMetaObject::invokeMethod(
            this, [this] { land(QImage()); }, Qt::QueuedConnection);
}

ThumbnailProvider::ThumbnailProvider(std::shared_ptr<const ThumbnailMaker> maker, int threads)
    : m_queue(std::make_shared<Queue>())
{
    m_queue->maker = std::move(maker);
    m_queue->maxThreads = std::max(1, threads);
    m_queue->self = m_queue;
}

ThumbnailProvider::~ThumbnailProvider()
{
    std::unique_lock<std::mutex> lock(m_queue->mutex);
    m_queue->stopping = true;
    for (auto *queue : {&m_queue->lookups, &m_queue->makes}) {
        for (const auto &job : *queue)
            job->cancel.store(true, std::memory_order_relaxed);
    }
    for (const auto &job : m_queue->makes)
        job->cancel.store(true, std::memory_order_relaxed);
    m_queue->ready.notify_all();
    // Workers leave after the thumbnail in hand; one stuck on a dead mount
    // is not waited for.
    m_queue->allGone.wait_for(lock, std::chrono::seconds(2),
                              [this] { return m_queue->threads == 0; });
}

std::shared_ptr<const ThumbnailMaker> ThumbnailProvider::sharedMaker()
{
    static const std::shared_ptr<const ThumbnailMaker> maker =
        std::make_shared<const ThumbnailMaker>();
    return maker;
}

void ThumbnailProvider::install(QQmlEngine *engine)
{
    engine->addImageProvider(QStringLiteral("thumbnail"), new ThumbnailProvider());
}

QString ThumbnailProvider::idFor(const QString &path, qint64 modified)
{
    // Base64 survives the address's own decoding whatever bytes the name has.
    return QString::fromLatin1(PathCodec::encode(path).toBase64(QByteArray::Base64UrlEncoding |
                                                                QByteArray::OmitTrailingEquals)) +
           QLatin1Char('/') + QString::number(modified);
}

QString ThumbnailProvider::pathOf(const QString &id)
{
    const QString encoded = id.section(QLatin1Char('/'), 0, 0);
    const auto decoded = QByteArray::fromBase64Encoding(
        encoded.toLatin1(),
        QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? PathCodec::decode(*decoded) : QString();
}

QQuickImageResponse *ThumbnailProvider::requestImageResponse(const QString &id,
                                                             const QSize &requestedSize)
{
    auto job = std::make_shared<Job>();
    job->path = pathOf(id);
    const int asked = std::max(requestedSize.width(), requestedSize.height());
    job->size = ThumbnailMaker::sizeClass(asked > 0 ? asked : 128);
    auto *response = new ThumbnailResponse(job, m_queue);
    if (job->path.isEmpty())
        QMetaObject::invokeMethod(
            response, [response] { response->land(QImage()); }, Qt::QueuedConnection);
    else
        m_queue->submit(job);
    return response;
}

Thumbnails::Thumbnails(QObject *parent) : QObject(parent)
{
}

QString Thumbnails::source(const QString &path, const QDateTime &modified)
{
    if (path.isEmpty())
        return QString();
    return QStringLiteral("image://thumbnail/") +
           ThumbnailProvider::idFor(path, modified.isValid() ? modified.toMSecsSinceEpoch() : 0);
}

bool Thumbnails::likely(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return type.isDefault() || ThumbnailProvider::sharedMaker()->canMake(type);
}
