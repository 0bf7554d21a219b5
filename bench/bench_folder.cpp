// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's asynchronous listing at 100,000 entries: how long until the
// folder is ready, and how long the UI thread is held at most (a 10 ms
// heartbeat timer records its longest gap) while it lists, re-sorts, filters
// and looks entries up.
//
//   bench_folder [entries] [runs] [folder]
//
// Defaults: 100000 entries, 5 runs, a temporary folder. A folder given is
// filled when empty and kept, so that profiling runs skip the creation.
//
// Best and median of the runs are printed; the best is the one least
// disturbed by other work on the machine.
#include "benchsupport.h"
#include "foldermodel.h"
#include "listing.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

using namespace bench;

// Time of a call on the UI thread, and the longest heartbeat gap around it.
double timed(const std::function<void()> &action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    QTemporaryDir temporary;
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : temporary.path();
    const bool fill = argc <= 3 || QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                        QDir::Hidden | QDir::System);
    if ((argc <= 3 && !temporary.isValid()) || (fill && !makeFolder(folder, entries))) {
        std::fprintf(stderr, "cannot make the test folder\n");
        return 1;
    }
    std::printf("bench_folder: %d entries, %d runs (best / median, ms)\n", entries, runs);

    std::map<std::string, std::vector<double>> results;
    Heartbeat heartbeat;
    for (int run = 0; run < runs; ++run) {
        const double floorCpu = cpuMs();
        results["lean floor (getdents, access, names, sort)"].push_back(floorMs(folder));
        results["lean floor: CPU time"].push_back(cpuMs() - floorCpu);

        {
            QElapsedTimer engine;
            engine.start();
            QList<Listing::Entry> read;
            Listing::read(folder, Listing::Detail::Full, &read);
            results["engine read alone (full detail)"].push_back(engine.nsecsElapsed() / 1e6);
        }

        FolderModel model;
        model.setShowHidden(true);
        heartbeat.start();
        QElapsedTimer clock;
        clock.start();
        const double listCpu = cpuMs();
        model.setFolder(folder);
        {
            QEventLoop loop;
            QObject::connect(&model, &FolderModel::runningChanged, &loop, [&] {
                if (!model.isRunning())
                    loop.quit();
            });
            if (model.isRunning())
                loop.exec();
        }
        results["list async: time until ready"].push_back(clock.nsecsElapsed() / 1e6);
        results["list async: CPU time until ready, all threads"].push_back(cpuMs() - listCpu);
        results["list async: longest UI gap"].push_back(heartbeat.stop());
        if (model.totalCount() != entries) {
            std::fprintf(stderr, "listed %d of %d entries\n", model.totalCount(), entries);
            return 1;
        }

        auto measure = [&](const char *name, const std::function<void()> &action) {
            spin(30);
            heartbeat.start();
            results[std::string(name) + ": call"].push_back(timed(action));
            spin(30);
            results[std::string(name) + ": longest UI gap"].push_back(heartbeat.stop());
        };
        measure("sort change to size", [&] { model.setSortKey(FolderModel::Size); });
        measure("sort change to date, descending", [&] {
            model.setSortKey(FolderModel::Date);
            model.setAscending(false);
        });
        measure("sort change to name", [&] {
            model.setSortKey(FolderModel::Name);
            model.setAscending(true);
        });
        measure("filter keystroke 'r'", [&] { model.setFilterText(QStringLiteral("r")); });
        measure("filter keystroke 're'", [&] { model.setFilterText(QStringLiteral("re")); });
        measure("filter cleared", [&] { model.setFilterText(QString()); });
        measure("type-ahead miss", [&] {
            if (model.nextMatch(QStringLiteral("zzz"), 0) != -1)
                std::fprintf(stderr, "type-ahead matched\n");
        });
        measure("entry for the last row's path", [&] {
            const int last = model.count() - 1;
            const QString path = model.get(last).value(QStringLiteral("completePath")).toString();
            if (model.indexOfPath(path) != last)
                std::fprintf(stderr, "lookup failed\n");
        });
    }

    for (auto &[name, values] : results) {
        std::sort(values.begin(), values.end());
        std::printf("  %-52s %9.1f %9.1f\n", name.c_str(), values.front(),
                    values[values.size() / 2]);
    }
    return 0;
}
