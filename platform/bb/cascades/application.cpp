// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "abstractpane.h"
#include "qmldocument.h"

#include <QQmlEngine>
#include <QQuickStyle>
#include <QQuickWindow>

namespace bb::cascades {

Application::Application(int &argc, char **argv) : QGuiApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vantrel"));
    setApplicationDisplayName(QStringLiteral("Vantrel"));
    setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
    // Fusion follows the desktop's palette, light or dark; a person can
    // still pick another style through QT_QUICK_CONTROLS_STYLE.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
}

Application::~Application()
{
    // Scene and window go before the engine that runs their bindings, and all
    // of it before the GUI itself is torn down.
    delete m_scene;
    delete m_window;
    QmlDocument::releaseDefaultDeclarativeEngine();
}

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

void Application::setScene(AbstractPane *scene)
{
    if (!m_window) {
        m_window = new QQuickWindow;
        m_window->resize(960, 720);
        m_window->setMinimumSize(QSize(320, 240));
        connect(m_window, &QQuickWindow::widthChanged, this, &Application::fitScene);
        connect(m_window, &QQuickWindow::heightChanged, this, &Application::fitScene);
    }
    // What the scene makes over the frames after its first is made in the
    // window's idle time.
    if (QQmlEngine *engine = scene ? qmlEngine(scene) : nullptr;
        engine && !engine->incubationController())
        engine->setIncubationController(m_window->incubationController());
    if (m_scene && m_scene != scene)
        delete m_scene;
    m_scene = scene;
    showTitle();
    if (scene) {
        connect(scene, &AbstractPane::titleChanged, this, &Application::showTitle,
                Qt::UniqueConnection);
        scene->setParent(this);
        scene->setParentItem(m_window->contentItem());
        fitScene();
        scene->forceActiveFocus();
    }
    m_window->show();
}

// The desktop names the application after what it shows, as other programs do.
void Application::showTitle()
{
    const QString title = m_scene ? m_scene->title() : QString();
    m_window->setTitle(title.isEmpty()
                           ? applicationDisplayName()
                           : title + QStringLiteral(" \u2014 ") + applicationDisplayName());
}

void Application::fitScene()
{
    if (m_scene)
        m_scene->setSize(QSizeF(m_window->width(), m_window->height()));
}

} // namespace bb::cascades
