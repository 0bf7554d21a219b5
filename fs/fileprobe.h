// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "iolanes.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QPromise>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <sys/stat.h>
#include <utility>

// What the viewers share: a look at a path that never waits on a pipe or a
// device and never acts on one, and reads that stop at what is there now.
namespace FileProbe {

enum class Kind { Missing, Unreadable, Regular, Directory, Pipe, CharDevice, BlockDevice, Socket };

struct Status
{
    Kind kind = Kind::Missing;
    int error = 0; // errno of the failed look, 0 otherwise
    struct stat st = {};
    bool isSymLink = false;
    bool isBrokenLink = false;
};

// Follows links; a broken link is Missing with isBrokenLink set.
Status statusOf(const QString &path);
bool isSpecial(Kind kind);
// What the link at path holds, as stored ("" when path is no link).
QString linkTargetOf(const QString &path);
const char *kindName(Kind kind);

// A descriptor for reading the regular file at path, or -1 with *error set.
// The path is first opened without access (O_PATH), so a pipe, a device or a
// socket is recognised from its mode and never opened for reading; the file
// is then opened without waiting and must still be the same file.
int openRegular(const QString &path, int *error, struct stat *st = nullptr);

// Up to max bytes from fd, read in pieces, never waiting for more to
// arrive. On a read error returns false with *error set.
bool readSome(int fd, qint64 max, QByteArray *out, int *error);

// The C library's text for an errno, untranslated whatever the locale.
QString errorText(int error);

// Called by the workers of the places, the path bar and the start before
// they look at a path: lets a test hold the look as a mount that stopped
// answering would.
void setLookHookForTesting(std::function<void(const QString &)> hook);
void aboutToLook(const QString &path);

// The threads of every worker (IoLanes::pool()): waitForDone() for tests.
QThreadPool *ioPool();

// Runs work() on a worker of the mount holding path (IoLanes) and hands its
// result to done() on context's thread; nothing is delivered once context is
// gone, and work that has not begun by then never begins. The ticket tells
// whether the work waits for its mount.
template <typename T, typename Work, typename Done>
std::shared_ptr<IoLanes::Ticket> runOffThread(QObject *context, const QString &path, Work work,
                                              Done done)
{
    auto promise = std::make_shared<QPromise<T>>();
    auto *watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0)
            done(watcher->result());
    });
    watcher->setFuture(promise->future());
    promise->start();
    std::shared_ptr<IoLanes::Ticket> ticket = IoLanes::start(path, [promise, work] {
        promise->addResult(work());
        promise->finish();
    });
    QObject::connect(watcher, &QObject::destroyed, [ticket] { ticket->drop(); });
    return ticket;
}

// The same for work that touches no path in particular.
template <typename T, typename Work, typename Done>
std::shared_ptr<IoLanes::Ticket> runOffThread(QObject *context, Work work, Done done)
{
    return runOffThread<T>(context, QString(), std::move(work), std::move(done));
}

// runOffThread(), but when work() has not answered within patience
// milliseconds, done() gets fallback() instead and the late answer is
// dropped: for a question whose answer is worth a moment's wait, no more.
template <typename T, typename Work, typename Fallback, typename Done>
void runWithPatience(QObject *context, const QString &path, int patience, Work work,
                     Fallback fallback, Done done)
{
    auto answered = std::make_shared<bool>(false);
    const auto once = [answered, done](const T &value) {
        if (!std::exchange(*answered, true))
            done(value);
    };
    runOffThread<T>(context, path, work, once);
    QTimer::singleShot(patience, context, [once, fallback] { once(fallback()); });
}

} // namespace FileProbe
