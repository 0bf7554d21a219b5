// SPDX-License-Identifier: GPL-3.0-or-later
#include "services.h"

#include <QQmlContext>
#include <QQmlEngine>

namespace {

template <class T> T *service(const QQmlContext *context, const char *name)
{
    return qobject_cast<T *>(context->contextProperty(QLatin1String(name)).value<QObject *>());
}

} // namespace

void Services::takeFrom(const QQmlContext *context)
{
    if (!context)
        return;
    m_app = service<ApplicationUI>(context, "_app");
    m_ui = service<DesignUnits>(context, "_ui");
    m_vantrel = service<Vantrel>(context, "_vantrel");
    m_myApps = service<MyApps>(context, "_myApps");
    m_settings = service<Settings>(context, "_settings");
    Q_EMIT published();
}

void ServicesFromContext::classBegin()
{
    QQmlEngine *engine = qmlEngine(this);
    if (!engine)
        return;
    if (auto *services =
            engine->singletonInstance<Services *>(qmlTypeId("Vantrel.Scene", 1, 0, "Services")))
        services->takeFrom(qmlContext(this));
}
