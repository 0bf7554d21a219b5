// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "job.h"

#include <QHash>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

namespace Job {

// A job's state between the queue on the UI thread and its worker threads.
// Progress is read, not pushed, so the workers never wait for the UI.
struct Shared
{
    std::unique_ptr<Worker> worker;

    std::atomic<qint64> bytesDone{0};
    std::atomic<qint64> bytesTotal{0};
    std::atomic<qint64> itemsDone{0};
    std::atomic<qint64> itemsTotal{0};
    std::atomic_bool counted{false};
    std::atomic_bool cancel{false};
    std::atomic_bool over{false}; // the work is over; a count still going stops
    std::atomic_bool flushing{false};

    std::mutex mutex; // guards what follows down to the worker's own part
    std::condition_variable answered;
    QString current;
    std::optional<Question> question;
    std::optional<Choice> answer;
    bool answerForAll = false;
    // Called on the worker's thread when a question is waiting.
    std::function<void()> questionPosted;

    // The worker's own, read by the queue once the job is over.
    std::optional<Choice> conflictForAll;
    QHash<int, Choice> failureForAll;
    Summary summary;
    Undo undo;
};

} // namespace Job
