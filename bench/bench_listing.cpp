// Time and memory of a folder listing against the bare directory read.
//
//   bench_listing              timings for 1,000, 10,000 and 100,000 entries
//
// The targets are judged on the best of the runs, the one least disturbed by
// other work on the machine; medians are printed beside them.
//   bench_listing --memory D   (internal) peak memory of one listing of D
#include "vantrel.h"

#include <bb/cascades/GroupDataModel>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <unistd.h>

namespace {

// As the service lists a folder.
constexpr QDir::Filters ListingFilter = QDir::Dirs | QDir::Files | QDir::Drives | QDir::Hidden |
                                        QDir::System | QDir::AllDirs | QDir::NoDotAndDotDot;
constexpr QDir::SortFlags ListingSort = QDir::Name | QDir::Reversed | QDir::DirsLast;

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

bool makeFolder(const QString &path, int files)
{
    if (!QDir().mkpath(path))
        return false;
    for (int i = 0; i < files; ++i) {
        const QByteArray name =
            QFile::encodeName(path + QStringLiteral("/file%1.txt").arg(i, 6, 10, QLatin1Char('0')));
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
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
// entries, the rise of peak RSS during the call, and the RSS that the model
// keeps once the call's transient memory is handed back.
int measureMemory(const QString &folder, bool bare)
{
    setDebugOutput(false);
    Vantrel vantrel;
    delete vantrel.getFileInfoList(QStringLiteral("/nonexistent"));
    malloc_trim(0);
    const qint64 rssBefore = statusKb("VmRSS");
    const qint64 peakBefore = statusKb("VmHWM");
    qsizetype entries = 0;
    bb::cascades::GroupDataModel *model = nullptr;
    if (bare) {
        QDir dir(folder);
        dir.setFilter(ListingFilter);
        dir.setSorting(ListingSort);
        entries = dir.entryInfoList().size();
    } else {
        model = vantrel.getFileInfoList(folder);
        entries = model->size();
    }
    const qint64 peakAfter = statusKb("VmHWM");
    malloc_trim(0);
    const qint64 rssAfter = statusKb("VmRSS");
    std::printf("%lld %lld %lld\n", qint64(entries), (peakAfter - peakBefore) * 1024,
                (rssAfter - rssBefore) * 1024);
    delete model;
    return entries > 0 && peakBefore > 0 ? 0 : 1;
}

// Memory figures of a fresh child process: entries, peak rise, RSS kept.
QList<double> childMemory(const QString &mode, const QString &folder)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode, folder});
    child.waitForFinished(-1);
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || fields.size() != 3)
        return {};
    return {fields.at(0).toDouble(), fields.at(1).toDouble(), fields.at(2).toDouble()};
}

const char *verdict(bool pass)
{
    return pass ? "PASS" : "FAIL";
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--memory"))
        return measureMemory(args.at(2), false);
    if (args.size() == 3 && args.at(1) == QLatin1String("--memory-bare"))
        return measureMemory(args.at(2), true);

    devNull = std::fopen("/dev/null", "w");
    QTemporaryDir root;
    if (!root.isValid() || !devNull) {
        std::fprintf(stderr, "cannot make the temporary folder\n");
        return 1;
    }

    struct Size
    {
        int entries;
        int runs;
        double a = 0, b = 0, c = 0;             // medians
        double bestA = 0, bestB = 0, bestC = 0; // minima
    };
    Size sizes[] = {{1000, 31}, {10000, 15}, {100000, 7}};

    std::printf("%9s %14s %14s %14s %7s %7s   best of runs: %s\n", "entries", "a: QDir ms",
                "b: model ms", "c: +debug ms", "b/a", "c/a", "a, b, c ms, b/a");
    QString largest;
    Vantrel vantrel;
    for (Size &size : sizes) {
        const QString folder = root.filePath(QString::number(size.entries));
        if (!makeFolder(folder, size.entries)) {
            std::fprintf(stderr, "cannot fill %s\n", qPrintable(folder));
            return 1;
        }
        largest = folder;

        const auto bare = [&]() -> QObject * {
            QDir dir(folder);
            dir.setFilter(ListingFilter);
            dir.setSorting(ListingSort);
            if (dir.entryInfoList().size() != size.entries)
                std::fprintf(stderr, "short listing\n");
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
        timeMs(bare);
        timeMs(quiet);
        timeMs(logged);
        QList<double> a, b, c;
        for (int run = 0; run < size.runs; ++run) {
            a << timeMs(bare);
            b << timeMs(quiet);
            c << timeMs(logged);
        }
        size.a = median(a);
        size.b = median(b);
        size.c = median(c);
        size.bestA = *std::min_element(a.cbegin(), a.cend());
        size.bestB = *std::min_element(b.cbegin(), b.cend());
        size.bestC = *std::min_element(c.cbegin(), c.cend());

        std::printf("%9d %14.2f %14.2f %14.2f %7.2f %7.2f   %.2f, %.2f, %.2f, %.2f\n", size.entries,
                    size.a, size.b, size.c, size.b / size.a, size.c / size.a, size.bestA,
                    size.bestB, size.bestC, size.bestB / size.bestA);
        std::fflush(stdout);
    }

    const QList<double> model = childMemory(QStringLiteral("--memory"), largest);
    const QList<double> bareRead = childMemory(QStringLiteral("--memory-bare"), largest);
    const bool measured = model.size() == 3 && bareRead.size() == 3 && model.at(0) > 0;
    const double entries = measured ? model.at(0) : 1;
    const double peakPerEntry = measured ? model.at(1) / entries : -1;
    const double barePeakPerEntry = measured ? bareRead.at(1) / entries : -1;
    const double keptPerEntry = measured ? model.at(2) / entries : -1;

    const Size &large = sizes[2];
    const Size &middle = sizes[1];
    const double ratio = large.bestB / large.bestA;
    const double growth = large.bestB / middle.bestB;
    // The listing's own work beside the directory read, which it cannot avoid.
    const double ownGrowth = (large.bestB - large.bestA) / (middle.bestB - middle.bestA);
    std::printf("\ngrowth from 10,000 to 100,000 entries, best runs: b %.2fx (a %.2fx, b - a "
                "%.2fx); medians: b %.2fx (a %.2fx)\n",
                growth, large.bestA / middle.bestA, ownGrowth, large.b / middle.b,
                large.a / middle.a);
    std::printf("memory per entry at %d entries: peak RSS rise %.0f bytes during the call "
                "(%.0f during entryInfoList alone); RSS kept by the model %.0f bytes\n",
                large.entries, peakPerEntry, barePeakPerEntry, keptPerEntry);
    std::printf("\ntargets:\n");
    std::printf("  b/a at 100,000 entries <= 2.0     %8.2f   %s\n", ratio, verdict(ratio <= 2.0));
    std::printf("  growth 10,000 -> 100,000 <= 12x   %8.2f   %s\n", growth,
                verdict(growth <= 12.0));
    std::printf("    of b - a alone                  %8.2f   %s\n", ownGrowth,
                verdict(ownGrowth <= 12.0));
    std::printf("  model memory <= 1000 bytes/entry  %8.0f   %s\n", keptPerEntry,
                verdict(measured && keptPerEntry <= 1000.0));
    std::printf("  call's peak over entryInfoList's  %8.0f   %s\n", peakPerEntry - barePeakPerEntry,
                verdict(measured && peakPerEntry - barePeakPerEntry <= 1000.0));
    std::fclose(devNull);
    return 0;
}
