// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileoperations.h"

#include "fileactions.h"
#include "filehistory.h"
#include "fileprobe.h"
#include "filesteps.h"
#include "trash.h"

#include <atomic>
#include <cerrno>

struct FileOperations::Request
{
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{-1};
    std::atomic_bool cancel{false};
    std::shared_ptr<FileStep> step; // set by the worker when it did something undoable
    qint64 shownDone = -1;
};

FileOperations::FileOperations(QObject *parent) : QObject(parent)
{
    // Progress is read, not pushed: the worker never waits for the UI.
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &FileOperations::poll);
}

FileOperations::~FileOperations()
{
    for (const std::shared_ptr<Request> &request : std::as_const(m_requests))
        request->cancel = true;
}

void FileOperations::setHistory(FileHistory *history)
{
    if (history == m_history)
        return;
    m_history = history;
    Q_EMIT historyChanged();
}

FileResult FileOperations::checkName(const QString &name) const
{
    return FileActions::checkName(name);
}

int FileOperations::start(Kind kind, const std::function<QList<FileResult>(Request &)> &work)
{
    const int id = m_next++;
    auto request = std::make_shared<Request>();
    const bool wasBusy = isBusy();
    m_requests.insert(id, request);
    if (!wasBusy) {
        m_poll.start();
        Q_EMIT busyChanged();
    }
    FileProbe::runOffThread<QList<FileResult>>(
        this, [request, work] { return work(*request); },
        [this, id, kind, request](const QList<FileResult> &results) {
            m_requests.remove(id);
            if (request->step && m_history)
                m_history->record(request->step);
            QVariantList list;
            for (const FileResult &result : results)
                list.append(QVariant::fromValue(result));
            Q_EMIT progress(id, double(request->done), double(request->total));
            Q_EMIT finished(id, kind, list);
            if (!isBusy()) {
                m_poll.stop();
                Q_EMIT busyChanged();
            }
        });
    return id;
}

void FileOperations::poll()
{
    for (auto it = m_requests.cbegin(); it != m_requests.cend(); ++it) {
        const qint64 done = it.value()->done;
        if (done == it.value()->shownDone)
            continue;
        it.value()->shownDone = done;
        Q_EMIT progress(it.key(), double(done), double(it.value()->total));
    }
}

void FileOperations::cancel(int request)
{
    if (const std::shared_ptr<Request> found = m_requests.value(request))
        found->cancel = true;
}

int FileOperations::rename(const QString &path, const QString &newName)
{
    return start(Rename, [path, newName](Request &request) {
        FileActions::Identity renamed;
        const FileResult result = FileActions::rename(path, newName, {}, &renamed);
        if (result.ok() && result.path != path)
            request.step = FileStep::rename(path, result.path, renamed);
        return QList<FileResult>{result};
    });
}

int FileOperations::makeFolder(const QString &folder, const QString &name)
{
    return start(NewFolder, [folder, name](Request &request) {
        FileActions::Identity made;
        const FileResult result = FileActions::makeFolder(folder, name, &made);
        if (result.ok())
            request.step = FileStep::newFolder(result.path, made);
        return QList<FileResult>{result};
    });
}

namespace {

FileResult cancelled(const QString &path)
{
    return FileResult::failure(FileResult::Cancelled, path, ECANCELED);
}

} // namespace

int FileOperations::trash(const QStringList &paths)
{
    return start(Trash, [paths](Request &request) {
        request.total = paths.size();
        QList<FileResult> results;
        FileStep::Pairs trashed;
        for (const QString &path : paths) {
            if (request.cancel) {
                results.append(cancelled(path));
                continue;
            }
            QString at;
            results.append(Trash::moveToTrash(path, &at));
            if (results.last().ok())
                trashed.append({path, at});
            ++request.done;
        }
        if (!trashed.isEmpty())
            request.step = FileStep::trash(trashed);
        return results;
    });
}

int FileOperations::restore(const QStringList &trashedPaths, const QStringList &targets)
{
    return start(Restore, [trashedPaths, targets](Request &request) {
        request.total = trashedPaths.size();
        QList<FileResult> results;
        FileStep::Pairs restored;
        for (qsizetype i = 0; i < trashedPaths.size(); ++i) {
            if (request.cancel) {
                results.append(cancelled(trashedPaths[i]));
                continue;
            }
            QString at;
            FileResult result = Trash::restore(trashedPaths[i], targets.value(i), &at);
            if (result.ok()) {
                restored.append({at, trashedPaths[i]});
            } else if (result.error == FileResult::Exists) {
                const QString folder = FileActions::folderOf(result.path);
                result.alternative = FileActions::joinPath(
                    folder, FileActions::freeName(folder, FileActions::nameOf(result.path)));
            }
            results.append(result);
            ++request.done;
        }
        if (!restored.isEmpty())
            request.step = FileStep::trash(restored, true);
        return results;
    });
}

int FileOperations::deletePermanently(const QStringList &paths)
{
    return start(Delete, [paths](Request &request) {
        QList<FileResult> results;
        for (const QString &path : paths) {
            const qint64 before = request.done;
            const FileActions::Progress progress = [&request, before](qint64 removed) {
                request.done = before + removed;
                return !request.cancel;
            };
            if (request.cancel)
                results.append(cancelled(path));
            else if (!Trash::canOf(path).path.isEmpty())
                results.append(Trash::erase(path, progress));
            else
                results.append(FileActions::removeTree(path, progress));
        }
        return results;
    });
}

int FileOperations::emptyTrash()
{
    return start(EmptyTrash, [](Request &request) {
        QList<FileResult> results;
        for (const Trash::Can &can : Trash::reachable()) {
            const qint64 before = request.done;
            results.append(Trash::emptyCan(can, [&request, before](qint64 removed) {
                request.done = before + removed;
                return !request.cancel;
            }));
            if (!results.last().ok())
                break;
        }
        return results;
    });
}
