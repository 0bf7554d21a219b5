// SPDX-License-Identifier: GPL-3.0-or-later
#include "localehandler.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QLocale>

namespace bb::cascades {

namespace {

const QString LocaleService = QStringLiteral("org.freedesktop.locale1");

// The value of "KEY=value" in a list of locale settings; empty when absent.
QString setting(const QStringList &settings, const QString &key)
{
    const QString prefix = key + QLatin1Char('=');
    for (const QString &entry : settings) {
        if (entry.startsWith(prefix))
            return entry.mid(prefix.size());
    }
    return QString();
}

} // namespace

LocaleHandler::LocaleHandler(QObject *parent) : QObject(parent), m_language(QLocale().name())
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (bus.isConnected()) {
        bus.connect(LocaleService, QStringLiteral("/org/freedesktop/locale1"),
                    QStringLiteral("org.freedesktop.DBus.Properties"),
                    QStringLiteral("PropertiesChanged"), this,
                    SLOT(onLocalePropertiesChanged(QString, QVariantMap, QStringList)));
    }
}

bool LocaleHandler::eventFilter(QObject *watched, QEvent *event)
{
    // Qt on Linux does not re-read the system locale, so whoever sends the
    // event is taken to have set the new default locale already.
    if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance())
        reportIfChanged();
    return false;
}

void LocaleHandler::onLocalePropertiesChanged(const QString &interface, const QVariantMap &changed,
                                              const QStringList &)
{
    if (interface != LocaleService || !changed.contains(QStringLiteral("Locale")))
        return;
    const QStringList settings = changed.value(QStringLiteral("Locale")).toStringList();
    QString name = setting(settings, QStringLiteral("LC_MESSAGES"));
    if (name.isEmpty())
        name = setting(settings, QStringLiteral("LANG"));
    // "de_DE.UTF-8" reads as de_DE; nothing set at all means the C locale.
    QLocale::setDefault(QLocale(name));
    reportIfChanged();
}

void LocaleHandler::reportIfChanged()
{
    const QString language = QLocale().name();
    if (language == m_language)
        return;
    m_language = language;
    Q_EMIT systemLanguageChanged();
}

} // namespace bb::cascades
