// SPDX-License-Identifier: GPL-3.0-or-later
// The services the shell publishes to its scene document, as typed
// properties of one singleton: the scene's files reach them as Services.ui,
// Services.vantrel... rather than by the document's context properties.
#pragma once

#include "applicationui.h"
#include "designunits.h"
#include "myapps.h"
#include "settings.h"
#include "vantrel.h"

#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QtQml/qqml.h>

class QQmlContext;

// The services' own types, so that tools reading the module know their
// members; they are never made from QML.
struct ApplicationUIForeign
{
    Q_GADGET
    QML_FOREIGN(ApplicationUI)
    QML_ANONYMOUS
};
struct DesignUnitsForeign
{
    Q_GADGET
    QML_FOREIGN(DesignUnits)
    QML_ANONYMOUS
};
struct VantrelForeign
{
    Q_GADGET
    QML_FOREIGN(Vantrel)
    QML_ANONYMOUS
};
struct MyAppsForeign
{
    Q_GADGET
    QML_FOREIGN(MyApps)
    QML_ANONYMOUS
};
struct SettingsForeign
{
    Q_GADGET
    QML_FOREIGN(Settings)
    QML_ANONYMOUS
};

class Services : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(ApplicationUI *app READ app NOTIFY published)
    Q_PROPERTY(DesignUnits *ui READ ui NOTIFY published)
    Q_PROPERTY(Vantrel *vantrel READ vantrel NOTIFY published)
    Q_PROPERTY(MyApps *myApps READ myApps NOTIFY published)
    Q_PROPERTY(Settings *settings READ settings NOTIFY published)
public:
    explicit Services(QObject *parent = nullptr) : QObject(parent) {}

    ApplicationUI *app() const { return m_app; }
    DesignUnits *ui() const { return m_ui; }
    Vantrel *vantrel() const { return m_vantrel; }
    MyApps *myApps() const { return m_myApps; }
    Settings *settings() const { return m_settings; }

    // Takes the services from the context properties that context, or one
    // it lies in, was given ("_app", "_ui", "_vantrel", "_myApps",
    // "_settings"); a name not given leaves its property null.
    void takeFrom(const QQmlContext *context);

Q_SIGNALS:
    void published();

private:
    QPointer<ApplicationUI> m_app;
    QPointer<DesignUnits> m_ui;
    QPointer<Vantrel> m_vantrel;
    QPointer<MyApps> m_myApps;
    QPointer<Settings> m_settings;
};

// Made by the scene's root: hands the services of the document the scene was
// made in to Services as soon as it is made, before any binding reads them.
class ServicesFromContext : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT
public:
    explicit ServicesFromContext(QObject *parent = nullptr) : QObject(parent) {}

    void classBegin() override;
    void componentComplete() override {}
};
