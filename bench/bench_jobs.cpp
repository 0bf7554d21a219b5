// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and move jobs side by side with coreutils, in the same run:
//
//   bench_jobs [runs] [tree|file|move]   default 3 runs of all three;
//                                        best and median of each
//
// - a tree of 20,000 files of 4 KiB in 200 folders pasted, against
//   "cp -r" followed by "sync" (target: within 1.5x);
// - one 1 GiB file, against "cp" followed by "sync" (within 1.2x);
// - 20,000 entries moved within one file system, against "mv" (within 1.5x);
// - how often the job's progress changes on screen (at least 4 times a second);
// - the longest gap of a 10 ms heartbeat on the UI thread of the real scene,
//   offscreen, whose jobs panel shows the job (no gap over 100 ms).
//
// Everything is made under the temporary folder and removed at the end.
#include "benchsupport.h"
#include "jobqueue.h"
#include "scenefixture.h"

#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

namespace {

using namespace bench;

struct Figures
{
    std::vector<double> ours, theirs, slowestUpdate, gap; // ms
    bool panelShown = true; // the jobs panel showed every job that ran long
};

double best(std::vector<double> v)
{
    return v.empty() ? -1 : *std::min_element(v.begin(), v.end());
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void removeTree(const QString &path)
{
    ::nftw(
        QFile::encodeName(path).constData(),
        [](const char *entry, const struct stat *, int, FTW *) { return ::remove(entry); }, 32,
        FTW_DEPTH | FTW_PHYS);
}

bool writeFile(const QString &path, qint64 size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    // Made once: 20,000 small files need not make a MiB each.
    static const QByteArray piece = [] {
        QByteArray bytes(1 << 20, 0);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 2654435761u >> 13); // not a hole, not all the same
        return bytes;
    }();
    bool ok = true;
    for (qint64 done = 0; ok && done < size;) {
        const qint64 n = qMin<qint64>(piece.size(), size - done);
        ok = ::write(fd, piece.constData(), size_t(n)) == n;
        done += n;
    }
    ::close(fd);
    return ok;
}

// The coreutils command, run by the shell; its time in ms.
double shell(const QString &command)
{
    ::sync(); // earlier writes are not this command's to flush
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "failed: %s\n%s", qPrintable(command),
                     process.readAllStandardError().constData());
        return -1;
    }
    return clock.nsecsElapsed() / 1e6;
}

QString quoted(const QString &path)
{
    return QLatin1Char('\'') + path + QLatin1Char('\'');
}

bool panelVisible()
{
    const QQuickItem *panel = RunningScene::find(RunningScene::scene(), "jobsPanel");
    return panel && panel->isVisible() && panel->height() > 0;
}

// Runs the job that start() starts to its end in the scene: its time, the
// longest time the panel's figures stood still and the longest heartbeat gap.
void runJob(JobQueue &queue, const std::function<int()> &start, Figures *figures)
{
    ::sync();
    Heartbeat heartbeat;
    bool shown = false;
    QElapsedTimer clock;
    bool over = false;
    qint64 lastUpdate = 0, slowest = 0;
    QObject context;
    int id = 0;
    QObject::connect(&queue, &QAbstractItemModel::dataChanged, &context,
                     [&](const QModelIndex &at, const QModelIndex &, const QList<int> &roles) {
                         if (queue.get(at.row()).value("jobId").toInt() != id)
                             return;
                         if (roles.contains(JobQueue::BytesDoneRole) ||
                             roles.contains(JobQueue::ItemsDoneRole)) {
                             const qint64 now = clock.elapsed();
                             slowest = qMax(slowest, now - lastUpdate);
                             lastUpdate = now;
                         }
                         shown = shown || panelVisible();
                     });
    QObject::connect(&queue, &JobQueue::finished, &context, [&](int job, Job::State state) {
        if (job != id)
            return;
        over = true;
        if (state != Job::Done)
            std::fprintf(stderr, "job ended in state %d\n", int(state));
    });
    heartbeat.start();
    clock.start();
    id = start();
    waitUntil([&] { return over; }, 3600 * 1000);
    const double ms = clock.nsecsElapsed() / 1e6;
    // Only a job long enough to need updates is judged on them.
    figures->slowestUpdate.push_back(ms > 500 ? double(qMax(slowest, clock.elapsed() - lastUpdate))
                                              : 0);
    // The panel shows the job after a moment; a stall right after the end counts.
    figures->panelShown = figures->panelShown && (shown || ms < 1000);
    spin(100);
    figures->gap.push_back(heartbeat.stop());
    figures->ours.push_back(ms);
    queue.dismissFinished();
}

void report(const char *what, const Figures &f, double target)
{
    const double ratio = best(f.ours) / best(f.theirs);
    std::printf("%-34s %9.0f %9.0f %9.0f %9.0f %6.2fx  %s (<= %.1fx)\n", what, best(f.ours),
                median(f.ours), best(f.theirs), median(f.theirs), ratio,
                ratio <= target ? "pass" : "FAIL", target);
    const double update = best(f.slowestUpdate);
    std::printf("%-34s progress still at most %.0f ms (median %.0f): %s (<= 250 ms)\n", "", update,
                median(f.slowestUpdate), update <= 250 ? "pass" : "FAIL");
    const double gap = best(f.gap);
    std::printf("%-34s heartbeat gap at most %.0f ms (median %.0f, worst %.0f): %s (<= 100 ms)%s\n",
                "", gap, median(f.gap),
                f.gap.empty() ? -1 : *std::max_element(f.gap.begin(), f.gap.end()),
                gap <= 100 ? "pass" : "FAIL", f.panelShown ? "" : ", jobs panel NOT shown");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    bb::cascades::Application app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 3;
    const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto wanted = [&only](const char *part) {
        return only.isEmpty() || only == QLatin1String(part);
    };
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/bench_jobs-XXXXXX"));
    if (!dir.isValid())
        return 1;
    // The scene's own queue, shown by its jobs panel.
    Sandbox sandbox;
    RunningScene scene(sandbox);
    JobQueue &queue = *JobQueue::instance();
    std::printf("%-34s %9s %9s %9s %9s %7s\n", "", "ours best", "median", "coreutils", "median",
                "ratio");

    // A tree of 20,000 files of 4 KiB in 200 folders.
    if (wanted("tree")) {
        const QString tree = dir.filePath(QStringLiteral("tree"));
        for (int f = 0; f < 200; ++f) {
            const QString folder = tree + QStringLiteral("/folder %1").arg(f);
            QDir().mkpath(folder);
            for (int i = 0; i < 100; ++i)
                writeFile(folder + QStringLiteral("/file %1.txt").arg(i), 4096);
        }
        Figures treeFigures;
        for (int run = 0; run < runs; ++run) {
            const QString a = dir.filePath(QStringLiteral("a")),
                          b = dir.filePath(QStringLiteral("b"));
            QDir().mkpath(a);
            QDir().mkpath(b);
            treeFigures.theirs.push_back(
                shell(QStringLiteral("cp -r %1 %2 && sync").arg(quoted(tree), quoted(a))));
            runJob(
                queue, [&] { return queue.copy({tree}, b); }, &treeFigures);
            removeTree(a);
            removeTree(b);
        }
        report("20,000 files of 4 KiB (ms)", treeFigures, 1.5);
        removeTree(tree);
    }

    // One 1 GiB file.
    if (wanted("file")) {
        const QString big = dir.filePath(QStringLiteral("big.bin"));
        writeFile(big, qint64(1) << 30);
        Figures bigFigures;
        for (int run = 0; run < runs; ++run) {
            const QString a = dir.filePath(QStringLiteral("a")),
                          b = dir.filePath(QStringLiteral("b"));
            QDir().mkpath(a);
            QDir().mkpath(b);
            bigFigures.theirs.push_back(
                shell(QStringLiteral("cp %1 %2 && sync").arg(quoted(big), quoted(a))));
            runJob(
                queue, [&] { return queue.copy({big}, b); }, &bigFigures);
            removeTree(a);
            removeTree(b);
        }
        report("one file of 1 GiB (ms)", bigFigures, 1.2);
        ::unlink(QFile::encodeName(big).constData());
    }

    // 20,000 entries moved within one file system, and back untimed.
    if (wanted("move")) {
        const QString here = dir.filePath(QStringLiteral("here")),
                      there = dir.filePath(QStringLiteral("there"));
        QDir().mkpath(here);
        QDir().mkpath(there);
        QStringList entries;
        for (int i = 0; i < 20000; ++i) {
            const QString name = QStringLiteral("entry %1").arg(i);
            if (i % 10 == 0)
                QDir().mkpath(here + QLatin1Char('/') + name);
            else
                writeFile(here + QLatin1Char('/') + name, 0);
            entries << here + QLatin1Char('/') + name;
        }
        QStringList back;
        for (const QString &entry : std::as_const(entries))
            back << there + QLatin1Char('/') + QFileInfo(entry).fileName();
        Figures moveFigures;
        for (int run = 0; run < runs; ++run) {
            ::sync();
            QElapsedTimer clock;
            clock.start();
            QProcess mv;
            mv.start(QStringLiteral("mv"), QStringList{QStringLiteral("-t"), there} + entries);
            mv.waitForFinished(-1);
            moveFigures.theirs.push_back(clock.nsecsElapsed() / 1e6);
            QProcess::execute(QStringLiteral("mv"), QStringList{QStringLiteral("-t"), here} + back);
            runJob(
                queue, [&] { return queue.move(entries, there); }, &moveFigures);
            QProcess::execute(QStringLiteral("mv"), QStringList{QStringLiteral("-t"), here} + back);
        }
        report("20,000 entries moved (ms)", moveFigures, 1.5);
    }
    removeTree(dir.path());
    return 0;
}
