// SPDX-License-Identifier: GPL-3.0-or-later
#include "searchwalk.h"

#include "pathcodec.h"

#include <QDir>

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

std::mutex hookMutex;
std::function<void(const QByteArray &)> folderHook;

} // namespace

SearchWalk::SearchWalk(const Options &options, std::function<void()> wake)
    : m_options(options), m_match(options.query), m_wake(std::move(wake))
{
}

SearchWalk::~SearchWalk() = default;

void SearchWalk::setFolderHookForTesting(std::function<void(const QByteArray &)> hook)
{
    std::lock_guard<std::mutex> lock(hookMutex);
    folderHook = std::move(hook);
}

std::shared_ptr<SearchWalk> SearchWalk::start(const Options &options, std::function<void()> wake)
{
    std::shared_ptr<SearchWalk> walk(new SearchWalk(options, std::move(wake)));
    const QString root = QDir::cleanPath(options.root);
    if (root.isEmpty() || root.contains(QChar(0)) || walk->m_match.isEmpty()) {
        std::vector<Hit> none;
        walk->deliver(none, true);
        return walk;
    }
    walk->m_queue.push_back(PathCodec::encode(root));
    const int threads = std::max(1, options.threads);
    std::lock_guard<std::mutex> lock(walk->m_queueMutex);
    for (int i = 0; i < threads; ++i) {
        try {
            std::thread([walk] { walk->work(); }).detach();
            ++walk->m_workers;
        } catch (const std::system_error &) {
            break; // the ones started do the work
        }
    }
    if (walk->m_workers == 0) {
        std::vector<Hit> none;
        walk->deliver(none, true);
    }
    return walk;
}

void SearchWalk::cancel()
{
    m_cancel.store(true, std::memory_order_relaxed);
    std::lock_guard<std::mutex> lock(m_queueMutex);
    m_queueReady.notify_all();
}

SearchWalk::Batch SearchWalk::take(bool rearm)
{
    std::lock_guard<std::mutex> lock(m_batchMutex);
    Batch batch = std::move(m_batch);
    m_batch = Batch();
    m_batch.finished = false;
    batch.folders = m_folders.load(std::memory_order_relaxed);
    batch.skipped = m_skipped.load(std::memory_order_relaxed);
    batch.truncated = m_truncated.load(std::memory_order_relaxed);
    if (batch.isEmpty() && rearm)
        m_woken = false;
    return batch;
}

void SearchWalk::deliver(std::vector<Hit> &hits, bool finished, Clock::time_point firstFound)
{
    bool wake = false;
    {
        std::lock_guard<std::mutex> lock(m_batchMutex);
        if (m_batch.hits.empty() && !hits.empty())
            m_batch.firstFound = firstFound;
        for (Hit &hit : hits)
            m_batch.hits.push_back(std::move(hit));
        if (finished && !m_finished)
            m_batch.finished = m_finished = true;
        if (!m_woken && !m_batch.isEmpty())
            wake = m_woken = true;
    }
    hits.clear();
    if (wake && m_wake)
        m_wake();
}

void SearchWalk::work()
{
    constexpr size_t BufferSize = 64 * 1024;
    std::unique_ptr<char[]> buffer(new char[BufferSize]);
    std::vector<QByteArray> children;
    std::vector<Hit> hits;
    std::unique_lock<std::mutex> lock(m_queueMutex);
    for (;;) {
        m_queueReady.wait(lock, [this] {
            return !m_queue.empty() || m_busy == 0 || m_cancel.load(std::memory_order_relaxed);
        });
        if (m_cancel.load(std::memory_order_relaxed) || m_queue.empty())
            break;
        QByteArray path = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_busy;
        lock.unlock();

        Clock::time_point firstFound;
        searchFolder(path, buffer.get(), BufferSize, children, hits, &firstFound);
        if (!hits.empty())
            deliver(hits, false, firstFound);

        lock.lock();
        --m_busy;
        for (QByteArray &child : children)
            m_queue.push_back(std::move(child));
        children.clear();
        // Children to share, or the last one busy found none: both wake
        // the others.
        if (!m_queue.empty() || m_busy == 0)
            m_queueReady.notify_all();
    }
    const bool last = --m_workers == 0;
    m_queueReady.notify_all();
    lock.unlock();
    if (last) {
        std::vector<Hit> none;
        deliver(none, true);
    }
}

void SearchWalk::searchFolder(const QByteArray &path, char *buffer, size_t bufferSize,
                              std::vector<QByteArray> &children, std::vector<Hit> &hits,
                              Clock::time_point *firstFound)
{
    std::function<void(const QByteArray &)> hook;
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        hook = folderHook;
    }
    if (hook)
        hook(path);
    if (m_cancel.load(std::memory_order_relaxed))
        return;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        m_skipped.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    const bool isRoot = m_folders.fetch_add(1, std::memory_order_relaxed) == 0;
    if (isRoot || !m_options.crossFileSystems) {
        struct stat status;
        if (::fstat(fd, &status) != 0) {
            ::close(fd);
            return;
        }
        if (isRoot) {
            m_device = status.st_dev; // read by the others only after its children are queued
        } else if (status.st_dev != m_device) {
            ::close(fd);
            return;
        }
    }

    QString folder;   // decoded once, when the first match needs it
    std::string text; // a file's content, when contents are searched
    const bool includeHidden = m_options.includeHidden;
    const bool ok = Listing::scan(
        fd, buffer, bufferSize,
        [&](const char *name, size_t length, unsigned char type) {
            if (!includeHidden && name[0] == '.')
                return;
            if (type == DT_UNKNOWN) {
                struct stat status;
                if (::fstatat(fd, name, &status, AT_SYMLINK_NOFOLLOW) == 0)
                    type = static_cast<unsigned char>(IFTODT(status.st_mode));
            }
            if (type == DT_DIR) {
                QByteArray child;
                child.reserve(path.size() + qsizetype(length) + 1);
                child.append(path);
                if (!path.endsWith('/'))
                    child.append('/');
                child.append(name, qsizetype(length));
                children.push_back(std::move(child));
            }
            bool inContents = false;
            if (!m_match.matches(name, length)) {
                if (!m_options.contents || type != DT_REG || !textMatches(fd, name, text))
                    return;
                inContents = true;
            }
            if (m_hitCount.fetch_add(1, std::memory_order_relaxed) >= m_options.maxHits) {
                m_truncated.store(true, std::memory_order_relaxed);
                m_cancel.store(true, std::memory_order_relaxed);
                return;
            }
            if (hits.empty())
                *firstFound = Clock::now();
            if (folder.isNull())
                folder = PathCodec::decode(path);
            Hit hit;
            hit.folder = folder;
            hit.inContents = inContents;
            hit.entry.name = PathCodec::decode(name, qsizetype(length));
            Listing::describe(fd, name, type, Listing::Detail::Full, folder, hit.entry);
            hits.push_back(std::move(hit));
        },
        &m_cancel);
    if (!ok && !m_cancel.load(std::memory_order_relaxed))
        m_skipped.fetch_add(1, std::memory_order_relaxed);
    ::close(fd);
}

bool SearchWalk::textMatches(int fd, const char *name, std::string &text) const
{
    if (m_cancel.load(std::memory_order_relaxed))
        return false;
    const int file = ::openat(fd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    struct stat status;
    bool ok = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode) &&
              status.st_size <= m_options.contentLimit;
    size_t got = 0;
    if (ok) {
        text.resize(size_t(status.st_size));
        while (got < text.size()) {
            const ssize_t n = ::read(file, text.data() + got, text.size() - got);
            if (n <= 0)
                break;
            got += size_t(n);
        }
    }
    ::close(file);
    // A zero byte near the start marks a file that is not text.
    if (!ok || std::memchr(text.data(), 0, std::min<size_t>(got, 8192)) != nullptr)
        return false;
    return m_match.matchesText(PathCodec::decode(name, qsizetype(std::strlen(name))), text.data(),
                               got);
}
