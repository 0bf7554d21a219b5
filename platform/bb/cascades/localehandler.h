// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's locale handler: tells when the system
// language changes. It follows the system's locale service on the D-Bus
// system bus, when there is one, and locale-change events sent to the
// application. Before it tells, the new language is Qt's default locale.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace bb::cascades {

class LocaleHandler : public QObject
{
    Q_OBJECT
public:
    explicit LocaleHandler(QObject *parent = nullptr);

Q_SIGNALS:
    void systemLanguageChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void onLocalePropertiesChanged(const QString &interface, const QVariantMap &changed,
                                   const QStringList &invalidated);

private:
    void reportIfChanged();

    // The default locale's name when the signal was last emitted (or at
    // construction), so that only a real change is reported.
    QString m_language;
};

} // namespace bb::cascades
