// Starts the application as usual, lets the scene settle, and saves the
// window as a picture: scenegrab OUTPUT.png [FOLDER]
#include "applicationui.h"

#include <bb/cascades/Application>

#include <QDebug>
#include <QImage>
#include <QQuickWindow>
#include <QTimer>

int main(int argc, char **argv)
{
    if (argc < 2) {
        qWarning("usage: scenegrab OUTPUT.png");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    bb::cascades::Application app(argc, argv);
    ApplicationUI appui;
    QQuickWindow *window = bb::cascades::Application::instance()->window();
    if (!window)
        return 1;
    window->resize(900, 620);
    int status = 1;
    QTimer::singleShot(1500, &app, [&] {
        status = window->grabWindow().save(output) ? 0 : 1;
        app.quit();
    });
    bb::cascades::Application::exec();
    return status;
}
