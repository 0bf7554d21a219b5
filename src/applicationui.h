// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class DesignUnits;
class MyApps;
class QTranslator;
class Settings;
class Vantrel;

namespace bb::cascades {
class LocaleHandler;
}

// Starts the application: creates the services, publishes them to the scene
// and hands the scene's root pane to the application.
class ApplicationUI : public QObject
{
    Q_OBJECT
public:
    ApplicationUI();
    // Takes the scene down first, then the services it used, so that they
    // finish their work (the settings are saved) while nothing calls them.
    ~ApplicationUI() override;

private Q_SLOTS:
    void onSystemLanguageChanged();

private:
    // The services have no parent; the shell deletes them after the scene.
    DesignUnits *m_designUnits;
    Vantrel *m_vantrel;
    MyApps *m_myApps;
    Settings *m_settings;
    QTranslator *m_translator;
    bb::cascades::LocaleHandler *m_localeHandler;
};
