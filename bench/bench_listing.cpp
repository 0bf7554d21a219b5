// SPDX-License-Identifier: GPL-3.0-or-later
// Time and memory of getFileInfoList against a lean floor written here: the
// directory read, one faccessat per entry, the name strings and a sort by name.
//
//   bench_listing            1,000 / 10,000 / 100,000 / 1,000,000 entries
//   bench_listing --clean    removes the generated folders first
//
// The folders are made once under the temporary folder and kept for the next
// run (the largest takes a while to create). Targets are judged on the best of
// the runs, the one least disturbed by other work; medians are printed beside.
//   bench_listing --memory D (internal) model memory and peak of one listing of D
#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <memory>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

FILE *devNull = nullptr;

void toDevNull(QtMsgType, const QMessageLogContext &, const QString &message)
{
    std::fputs(message.toUtf8().constData(), devNull);
    std::fputc('\n', devNull);
}

void setDebugOutput(bool on)
{
    QLoggingCategory::setFilterRules(on ? QStringLiteral("default.debug=true")
                                        : QStringLiteral("default.debug=false"));
}

// The folder with `files` empty files, made unless a previous run left it
// complete (its marker beside it says so).
bool makeFolder(const QString &path, int files)
{
    QFile marker(path + QStringLiteral(".complete"));
    if (marker.exists())
        return true;
    QDir(path).removeRecursively();
    if (!QDir().mkpath(path))
        return false;
    const QByteArray folder = QFile::encodeName(path);
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dir < 0)
        return false;
    char name[32];
    for (int i = 0; i < files; ++i) {
        std::snprintf(name, sizeof name, "file%07d.txt", i);
        const int fd = ::openat(dir, name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) {
            ::close(dir);
            return false;
        }
        ::close(fd);
    }
    ::close(dir);
    return marker.open(QIODevice::WriteOnly);
}

struct Dirent64
{
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

// The least a listing must do: read the folder, ask for the rights once per
// entry, make the names strings and sort them.
qsizetype floorListing(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return 0;
    QList<QString> names;
    QList<bool> readable;
    static char buffer[256 * 1024];
    long got;
    while ((got = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
        for (long offset = 0; offset < got;) {
            const auto *entry = reinterpret_cast<const Dirent64 *>(buffer + offset);
            offset += entry->d_reclen;
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            readable.append(::faccessat(fd, name, R_OK | W_OK, 0) == 0);
            names.append(QString::fromUtf8(name));
        }
    }
    ::close(fd);
    std::sort(names.begin(), names.end());
    return names.size();
}

// Milliseconds of one run; what the run returns is deleted outside the timing.
double timeMs(const std::function<QObject *()> &work)
{
    QElapsedTimer timer;
    timer.start();
    QObject *result = work();
    const double ms = timer.nsecsElapsed() / 1e6;
    delete result;
    return ms;
}

double median(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double best(const QList<double> &times)
{
    return *std::min_element(times.cbegin(), times.cend());
}

qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Run in a fresh process, so that the peak is the listing's own. Prints the
// entries, the process's peak RSS (VmHWM) and the RSS the model keeps once
// the call's transient memory is handed back, both in bytes.
int measureMemory(const QString &folder)
{
    setDebugOutput(false);
    Vantrel vantrel;
    delete vantrel.getFileInfoList(QStringLiteral("/nonexistent"));
    malloc_trim(0);
    const qint64 rssBefore = statusKb("VmRSS");
    std::unique_ptr<bb::cascades::GroupDataModel> model(vantrel.getFileInfoList(folder));
    const qint64 peak = statusKb("VmHWM");
    malloc_trim(0);
    const qint64 rssAfter = statusKb("VmRSS");
    std::printf("%lld %lld %lld\n", qint64(model->size()), peak * 1024,
                (rssAfter - rssBefore) * 1024);
    return model->size() > 0 && peak > 0 ? 0 : 1;
}

const char *verdict(bool pass)
{
    return pass ? "pass" : "FAIL";
}

struct Size
{
    int entries;
    int runs;
    QList<double> floor, quiet, logged;
};

// getFileInfoList beside the floor, debug output off and on (into /dev/null).
// The scene's responsiveness is measured by a program of its own.
bool listingSection(const QString &root)
{
    QList<Size> sizes{{1000, 21, {}, {}, {}},
                      {10000, 11, {}, {}, {}},
                      {100000, 5, {}, {}, {}},
                      {1000000, 3, {}, {}, {}}};
    Vantrel vantrel;
    std::printf("getFileInfoList against the floor (ms; best of runs, median in brackets)\n");
    std::printf("%9s %5s %20s %20s %20s %7s %7s\n", "entries", "runs", "floor", "debug off",
                "debug on", "off/fl", "on/fl");
    QString largest;
    for (Size &size : sizes) {
        const QString folder = root + QLatin1Char('/') + QString::number(size.entries);
        if (!makeFolder(folder, size.entries)) {
            std::fprintf(stderr, "cannot fill %s\n", qPrintable(folder));
            return false;
        }
        largest = folder;
        const auto floor = [&]() -> QObject * {
            if (floorListing(folder) != size.entries)
                std::fprintf(stderr, "short floor listing\n");
            return nullptr;
        };
        const auto quiet = [&]() -> QObject * {
            setDebugOutput(false);
            return vantrel.getFileInfoList(folder);
        };
        const auto logged = [&]() -> QObject * {
            setDebugOutput(true);
            const QtMessageHandler previous = qInstallMessageHandler(toDevNull);
            QObject *model = vantrel.getFileInfoList(folder);
            qInstallMessageHandler(previous);
            setDebugOutput(false);
            return model;
        };
        // One warm-up each, then the three in turn, so that a change in the
        // machine's load falls on all of them alike.
        timeMs(floor);
        timeMs(quiet);
        timeMs(logged);
        for (int run = 0; run < size.runs; ++run) {
            size.floor << timeMs(floor);
            size.quiet << timeMs(quiet);
            size.logged << timeMs(logged);
        }
        const auto cell = [](const QList<double> &times) {
            return QString::asprintf("%.2f (%.2f)", best(times), median(times));
        };
        std::printf("%9d %5d %20s %20s %20s %7.2f %7.2f\n", size.entries, size.runs,
                    qPrintable(cell(size.floor)), qPrintable(cell(size.quiet)),
                    qPrintable(cell(size.logged)), best(size.quiet) / best(size.floor),
                    best(size.logged) / best(size.floor));
        std::fflush(stdout);
    }

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), largest});
    child.waitForFinished(-1);
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    const bool measured = child.exitCode() == 0 && fields.size() == 3;
    const double entries = measured ? fields.at(0).toDouble() : 1;
    const double peak = measured ? fields.at(1).toDouble() : -1;
    const double perEntry = measured ? fields.at(2).toDouble() / entries : -1;

    const Size &million = sizes.at(3);
    const Size &hundredThousand = sizes.at(2);
    const double ratio100k = best(hundredThousand.quiet) / best(hundredThousand.floor);
    const double ratio1m = best(million.quiet) / best(million.floor);
    const double growth = best(million.quiet) / best(hundredThousand.quiet);
    const double floorGrowth = best(million.floor) / best(hundredThousand.floor);
    const double debugCost100k = best(hundredThousand.logged) - best(hundredThousand.quiet);
    std::printf("\ndebug on costs %.2f ms more at 100,000 entries (%.0f ns per entry)\n",
                debugCost100k, debugCost100k * 1e6 / hundredThousand.entries);
    std::printf("memory at %.0f entries: model keeps %.0f bytes per entry; peak RSS %.1f MiB\n",
                entries, perEntry, peak / 1048576.0);
    std::printf("\n%-48s %10s %10s  %s\n", "target", "limit", "measured", "");
    std::printf("%-48s %10s %10.2f  %s\n", "debug off / floor at 100,000", "<= 1.50", ratio100k,
                verdict(ratio100k <= 1.5));
    std::printf("%-48s %10s %10.2f  %s\n", "debug off / floor at 1,000,000", "<= 1.50", ratio1m,
                verdict(ratio1m <= 1.5));
    std::printf("%-48s %10s %10.2f  %s   (floor itself %.2fx)\n",
                "growth 100,000 -> 1,000,000, debug off", "<= 11.0", growth,
                verdict(growth <= 11.0), floorGrowth);
    std::printf("%-48s %10s %10.0f  %s\n", "model memory, bytes per entry", "<= 400", perEntry,
                verdict(measured && perEntry <= 400));
    std::printf("%-48s %10s %10.1f  %s\n", "peak RSS of the 1,000,000 listing, MiB", "< 1024",
                peak / 1048576.0, verdict(measured && peak < 1024.0 * 1048576.0));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--memory"))
        return measureMemory(args.at(2));

    devNull = std::fopen("/dev/null", "w");
    const QString root = QDir::temp().filePath(QStringLiteral("vantrel-bench-%1").arg(::geteuid()));
    if (args.contains(QLatin1String("--clean")))
        QDir(root).removeRecursively();
    if (!devNull || !QDir().mkpath(root)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(root));
        return 1;
    }
    std::printf("folders under %s (bench_listing --clean removes them)\n\n", qPrintable(root));
    const bool done = listingSection(root);
    std::fclose(devNull);
    return done ? 0 : 1;
}
