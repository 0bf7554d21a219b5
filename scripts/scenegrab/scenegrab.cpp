// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the application as usual in a throwaway sandbox, lets the scene
// settle, and saves the window as a picture: scenegrab OUTPUT.png [PATH]
// A folder is shown in the browser; a file, in the view that opens it.
#include "applicationui.h"

#include <bb/cascades/Application>

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char **argv)
{
    if (argc < 2) {
        qWarning("usage: scenegrab OUTPUT.png [FOLDER [WIDTHxHEIGHT]]");
        return 2;
    }
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/");
    const bool file = QFileInfo(path).isFile();
    const QString folder = file ? QFileInfo(path).absolutePath() : path;

    // The scene starts in the folder the settings remember.
    QTemporaryDir sandbox;
    QDir(sandbox.path()).mkpath(QStringLiteral("app"));
    QDir(sandbox.path()).mkpath(QStringLiteral("data"));
    QFile::link(QStringLiteral(VANTREL_SANDBOX_DIR "/app/native"),
                sandbox.filePath(QStringLiteral("app/native")));
    QFile settings(sandbox.filePath(QStringLiteral("data/settings.json")));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write(
            QJsonDocument(QJsonObject{{QStringLiteral("lastFolder"), folder}}).toJson()) < 0)
        return 1;
    settings.close();
    QDir::setCurrent(sandbox.path());

    bb::cascades::Application app(argc, argv);
    // The pointer away from the window: no hover, no tool tip in the picture.
    QCursor::setPos(-100, -100);
    ApplicationUI appui;
    QQuickWindow *window = bb::cascades::Application::instance()->window();
    if (!window)
        return 1;
    // A size to check that the scene still works in a small window.
    const QStringList size = argc > 3 ? QString::fromLocal8Bit(argv[3]).split(QLatin1Char('x'))
                                      : QStringList{QStringLiteral("900"), QStringLiteral("620")};
    window->resize(size.value(0).toInt(), size.value(1).toInt());
    if (file) {
        QTimer::singleShot(500, &app, [&] {
            QMetaObject::invokeMethod(bb::cascades::Application::instance()->scene(), "open",
                                      Q_ARG(QVariant, path), Q_ARG(QVariant, QString()));
        });
    }
    int status = 1;
    QTimer::singleShot(file ? 2500 : 1500, &app, [&] {
        status = window->grabWindow().save(output) ? 0 : 1;
        app.quit();
    });
    bb::cascades::Application::exec();
    return status;
}
