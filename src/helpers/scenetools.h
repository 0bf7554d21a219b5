// The scene's helper for what the desktop knows better than QML: sizes in
// the locale's words, keys as the desktop writes them, its icon theme.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class SceneTools : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    explicit SceneTools(QObject *parent = nullptr) : QObject(parent) {}

    // "1.5 kB" in decimal units and the locale's digits; empty for a negative size.
    Q_INVOKABLE QString formatSize(double bytes) const;
    // Key sequences in portable form ("Alt+Left") as the desktop shows them,
    // joined by commas.
    Q_INVOKABLE QString keyText(const QStringList &sequences) const;
    // Whether a key pressed with modifiers is one of the sequences (portable form).
    Q_INVOKABLE bool matches(const QStringList &sequences, int key, int modifiers) const;
    // Whether the desktop's icon theme has an icon of that name.
    Q_INVOKABLE bool hasThemeIcon(const QString &name) const;
    // The first of the names the icon theme has ("" when it has none): for
    // the folder model's iconNames, best first.
    Q_INVOKABLE QString themeIcon(const QStringList &names) const;
};
