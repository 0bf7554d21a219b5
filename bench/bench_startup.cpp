// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the window's event loop first turns after the program starts, for
// Vantrel and for the barest Qt Quick Controls window (a tool bar and a
// 30-row list), each started the same way in a fresh process: with a warm
// QML cache, and on a first start with an empty one.
//
//   bench_startup [runs]      default: 7 runs of each
//
// Each run is a new process of this program (--child vantrel) or of
// bench_startup_bare, the two in turn, given the moment it was started; it
// prints how long it took until a timer posted before the event loop fired,
// and how many page faults the process had taken by then: on a virtual
// machine each costs microseconds, and every fresh page of memory is one.
#include "applicationui.h"

#include <bb/cascades/Application>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

qint64 monotonicNs()
{
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

long pageFaults()
{
    rusage usage;
    return ::getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_minflt + usage.ru_majflt : -1;
}

// The child: the shell as main() starts it, in the working directory given.
int runVantrel(int argc, char **argv, qint64 startedNs)
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    bb::cascades::Application app(argc, argv);
    ApplicationUI appui;
    QTimer::singleShot(0, &app, [&] {
        std::printf("%.3f %ld\n", (monotonicNs() - startedNs) / 1e6, pageFaults());
        std::fflush(stdout);
        app.quit();
    });
    return bb::cascades::Application::exec();
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

struct Series
{
    std::vector<double> ms;
    std::vector<double> faults;
    double best() const { return ms.empty() ? -1 : *std::min_element(ms.begin(), ms.end()); }
    double median() const { return medianOf(ms); }
};

struct Program
{
    QString path;
    QStringList arguments;
    QString root; // its caches
    QString workingDirectory;
};

// One start in a fresh process, added to series when it did not fail.
void startOnce(const Program &program, const QString &cache, Series *series = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    environment.remove(QStringLiteral("QML_DISABLE_DISK_CACHE"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(program.workingDirectory);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 started = monotonicNs();
    process.start(program.path, QStringList(program.arguments) << QString::number(started));
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program.path),
                     process.readAllStandardError().constData());
        return;
    }
    const QList<QByteArray> figures =
        process.readAllStandardOutput().trimmed().split('\n').last().split(' ');
    bool ok = false;
    const double ms = figures.first().toDouble(&ok);
    if (!series || !ok)
        return;
    series->ms.push_back(ms);
    if (const double faults = figures.last().toDouble(&ok); ok && figures.size() == 2)
        series->faults.push_back(faults);
}

// Warm: one start of each fills its cache, then the runs use it. Cold: every
// run starts with a cache folder of its own, empty. The programs take turns,
// so that a moment when the machine is busier weighs on both alike.
void measure(const Program (&programs)[2], bool warm, int runs, Series (&series)[2])
{
    const auto cacheOf = [warm](const Program &program, int run) {
        return warm ? program.root + QStringLiteral("/cache-warm")
                    : program.root + QStringLiteral("/cache-cold-%1").arg(run);
    };
    if (warm) {
        for (const Program &program : programs)
            startOnce(program, cacheOf(program, 0));
    }
    for (int run = 0; run < runs; ++run) {
        for (int who = 0; who < 2; ++who) {
            const Program &program = programs[who];
            startOnce(program, cacheOf(program, run), &series[who]);
        }
    }
}

// A sandbox as the program expects, showing a folder of 30 files at start,
// like the bare window's 30 rows.
bool layOut(const QString &root)
{
    QDir dir(root);
    if (!dir.mkpath(QStringLiteral("sandbox/app")) || !dir.mkpath(QStringLiteral("sandbox/data")) ||
        !dir.mkpath(QStringLiteral("shown")))
        return false;
    for (int i = 0; i < 30; ++i) {
        QFile file(root + QStringLiteral("/shown/file %1.txt").arg(i));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    QFile settings(root + QStringLiteral("/sandbox/data/settings.json"));
    const QJsonObject stored{{QStringLiteral("lastFolder"), root + QStringLiteral("/shown")}};
    return QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native"),
                       root + QStringLiteral("/sandbox/app/native")) &&
           settings.open(QIODevice::WriteOnly) &&
           settings.write(QJsonDocument(stored).toJson()) > 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0 && qstrcmp(argv[2], "vantrel") == 0) {
        int childArgc = 1;
        return runVantrel(childArgc, argv, QByteArray(argv[3]).toLongLong());
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 7;
    const QString self = QCoreApplication::applicationFilePath();
    const QString bare =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench_startup_bare");
    QTemporaryDir root;
    if (!root.isValid() || !layOut(root.path()) || !QFile::exists(bare)) {
        std::fprintf(stderr, "cannot lay out the sandbox, or %s is missing\n", qPrintable(bare));
        return 1;
    }
    const QString sandbox = root.path() + QStringLiteral("/sandbox");

    std::printf("start-up: the window's first event-loop turn after the process starts, ms\n"
                "(%d runs each, a fresh process each; best / median)\n\n",
                runs);
    std::printf("%-14s %20s %20s\n", "", "warm QML cache", "empty QML cache");
    std::fflush(stdout);
    Series figures[2][2]; // [bare, vantrel][warm, cold]
    for (int warm = 1; warm >= 0; --warm) {
        const QString bareRoot = root.path() + QStringLiteral("/bare%1").arg(warm);
        const QString vantrelRoot = root.path() + QStringLiteral("/vantrel%1").arg(warm);
        QDir().mkpath(bareRoot);
        QDir().mkpath(vantrelRoot);
        const Program programs[2] = {
            {bare, {}, bareRoot, bareRoot},
            {self, {QStringLiteral("--child"), QStringLiteral("vantrel")}, vantrelRoot, sandbox}};
        Series series[2];
        measure(programs, warm, runs, series);
        figures[0][1 - warm] = series[0];
        figures[1][1 - warm] = series[1];
    }
    const char *names[] = {"bare window", "Vantrel"};
    for (int who = 0; who < 2; ++who) {
        std::printf("%-14s %9.1f / %-8.1f %9.1f / %-8.1f\n", names[who], figures[who][0].best(),
                    figures[who][0].median(), figures[who][1].best(), figures[who][1].median());
    }
    std::printf("%-14s %20.0f %20.0f   page faults by then (median)\n", "bare window",
                medianOf(figures[0][0].faults), medianOf(figures[0][1].faults));
    std::printf("%-14s %20.0f %20.0f\n", "Vantrel", medianOf(figures[1][0].faults),
                medianOf(figures[1][1].faults));
    const double targets[] = {1.3, 1.6};
    const char *cases[] = {"warm", "empty"};
    bool met = true;
    std::printf("\n");
    for (int cache = 0; cache < 2; ++cache) {
        const double ratio = figures[1][cache].best() / figures[0][cache].best();
        const double medianRatio = figures[1][cache].median() / figures[0][cache].median();
        const bool ok = figures[0][cache].best() > 0 && ratio <= targets[cache];
        met = met && ok;
        std::printf("%-5s cache: Vantrel / bare = %.2fx best, %.2fx median (target %.1fx): %s\n",
                    cases[cache], ratio, medianRatio, targets[cache], ok ? "met" : "NOT met");
    }
    return met ? 0 : 1;
}
