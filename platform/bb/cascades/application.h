// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's application object.
#pragma once

#include "abstractpane.h"

#include <QGuiApplication>
#include <QPointer>

class QQuickWindow;

namespace bb::cascades {

class Application : public QGuiApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;

    static Application *instance();

    // Shows the pane in the window, filling it; with no pane the window stays
    // empty so that it can still be closed. The application owns the scene.
    void setScene(AbstractPane *scene);
    AbstractPane *scene() const { return m_scene; }
    QQuickWindow *window() const { return m_window; }

private:
    void fitScene();
    void showTitle();

    QQuickWindow *m_window = nullptr;
    QPointer<AbstractPane> m_scene;
};

} // namespace bb::cascades
