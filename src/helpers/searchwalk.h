// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "listing.h"
#include "namematch.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// A walk through every folder below one, looking for names, on worker
// threads that share a queue of folders. It never follows a link, stays on
// the folder's file system unless asked, and passes over what it may not
// read. What it finds waits in a batch: `wake` is called (on a worker) when
// the first find of a batch arrives, and not again until take() has found
// the batch empty, so the receiver is never flooded.
class SearchWalk : public std::enable_shared_from_this<SearchWalk>
{
public:
    struct Options
    {
        QString root;
        QString query;
        bool includeHidden = false; // names starting with a dot, and what is below them
        bool crossFileSystems = false;
        int threads = 2;
        int maxHits = 100000;  // past this the walk stops, marked truncated
        bool contents = false; // also look in text files no bigger than this
        qint64 contentLimit = 1024 * 1024;
    };
    struct Hit
    {
        QString folder; // absolute, no "/" at the end but for the root
        Listing::Entry entry;
        bool inContents = false; // found by its text, not its name alone
    };
    struct Batch
    {
        std::vector<Hit> hits;
        bool finished = false; // the walk has ended: this is its last batch
        bool truncated = false;
        int folders = 0;                                  // searched so far
        int skipped = 0;                                  // that could not be read
        std::chrono::steady_clock::time_point firstFound; // of hits.front()
        bool isEmpty() const { return hits.empty() && !finished; }
    };

    static std::shared_ptr<SearchWalk> start(const Options &options, std::function<void()> wake);
    ~SearchWalk();

    // What was found since the last take(). With `rearm`, an empty batch
    // lets the next find call `wake` again.
    Batch take(bool rearm);
    // Stops the walk; the workers leave at their next step. Nothing waits
    // for them: a folder on a mount that stopped answering holds only its
    // own worker.
    void cancel();
    bool isCancelled() const { return m_cancel.load(std::memory_order_relaxed); }

    // Called on a worker before each folder is read (tests hold a folder
    // as a dead mount would).
    static void setFolderHookForTesting(std::function<void(const QByteArray &)> hook);

private:
    SearchWalk(const Options &options, std::function<void()> wake);
    void work();
    using Clock = std::chrono::steady_clock;
    void searchFolder(const QByteArray &path, char *buffer, size_t bufferSize,
                      std::vector<QByteArray> &children, std::vector<Hit> &hits,
                      Clock::time_point *firstFound);
    bool textMatches(int fd, const char *name, std::string &text) const;
    void deliver(std::vector<Hit> &hits, bool finished, Clock::time_point firstFound = {});

    const Options m_options;
    const NameMatch m_match;
    const std::function<void()> m_wake;
    dev_t m_device = 0;
    std::atomic_bool m_cancel{false};
    std::atomic_int m_folders{0};
    std::atomic_int m_skipped{0};
    std::atomic_int m_hitCount{0};
    std::atomic_bool m_truncated{false};

    std::mutex m_queueMutex;
    std::condition_variable m_queueReady;
    std::deque<QByteArray> m_queue;
    int m_busy = 0;    // workers reading a folder
    int m_workers = 0; // still running

    std::mutex m_batchMutex;
    Batch m_batch;
    bool m_woken = false;
    bool m_finished = false;
};
