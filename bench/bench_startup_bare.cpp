// SPDX-License-Identifier: GPL-3.0-or-later
// The barest Qt Quick Controls window bench_startup compares Vantrel with: a
// tool bar and a 30-row list, in the same style, loaded from a file so that
// the QML cache applies to it as to any scene. Started by bench_startup.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QTimer>
#include <QUrl>

#include <sys/resource.h>

#include <cstdio>
#include <ctime>

namespace {

const char scene[] = R"(import QtQuick
import QtQuick.Controls

ApplicationWindow {
    width: 960
    height: 720
    visible: true
    header: ToolBar {
        Label { text: "Bare"; anchors.centerIn: parent }
    }
    ListView {
        anchors.fill: parent
        model: 30
        delegate: ItemDelegate {
            required property int index
            width: ListView.view.width
            text: "Row " + index
        }
    }
}
)";

qint64 monotonicNs()
{
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const qint64 started = QByteArray(argv[argc - 1]).toLongLong();
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // Written once: a new file would not match its cached compilation.
    QFile file(QStringLiteral("Bare.qml"));
    if (!file.exists()) {
        if (!file.open(QIODevice::WriteOnly) || file.write(scene) < 0)
            return 1;
        file.close();
    }
    QQmlApplicationEngine engine;
    engine.load(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    if (engine.rootObjects().isEmpty())
        return 1;
    QTimer::singleShot(0, &app, [&] {
        rusage usage;
        const long faults =
            ::getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_minflt + usage.ru_majflt : -1;
        std::printf("%.3f %ld\n", (monotonicNs() - started) / 1e6, faults);
        std::fflush(stdout);
        app.quit();
    });
    return QGuiApplication::exec();
}
