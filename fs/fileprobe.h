#pragma once

#include <QByteArray>
#include <QFutureWatcher>
#include <QPromise>
#include <QString>
#include <QThreadPool>

#include <memory>
#include <sys/stat.h>

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

// Workers for reads that may stall on a dead mount. Never destroyed: a read
// stuck in the kernel must not hold up the program's exit.
QThreadPool *ioPool();

// Runs work() on ioPool() and hands its result to done() on context's
// thread; nothing is delivered once context is gone.
template <typename T, typename Work, typename Done>
void runOffThread(QObject *context, Work work, Done done)
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
    ioPool()->start([promise, work] {
        promise->addResult(work());
        promise->finish();
    });
}

} // namespace FileProbe
