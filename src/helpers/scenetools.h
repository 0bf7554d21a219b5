// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's helper for what the desktop knows better than QML: sizes in
// the locale's words, keys as the desktop writes them, its icon theme.
#pragma once

#include <QDateTime>
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
    // Below 1000 bytes, formatBytes(). Every size the program shows is written so.
    Q_INVOKABLE QString formatSize(double bytes) const { return sizeText(bytes); }
    static QString sizeText(double bytes);
    // "1 byte", "1,234,567 bytes": the exact count in the locale's digits,
    // with the plural form its language takes; empty for a negative size.
    Q_INVOKABLE QString formatBytes(double bytes) const { return bytesText(bytes); }
    static QString bytesText(double bytes);
    // A time of day, and a date with its time, in the locale's short forms,
    // never with seconds (the C locale's short forms have them).
    Q_INVOKABLE QString shortTime(const QDateTime &when) const;
    Q_INVOKABLE QString shortDateTime(const QDateTime &when) const;
    // Key sequences in portable form ("Alt+Left") as the desktop shows them,
    // joined by commas.
    Q_INVOKABLE QString keyText(const QStringList &sequences) const
    {
        return sequencesText(sequences);
    }
    static QString sequencesText(const QStringList &sequences);
    // Whether a key pressed with modifiers is one of the sequences (portable form).
    Q_INVOKABLE bool matches(const QStringList &sequences, int key, int modifiers) const;
    // Whether the desktop's icon theme has an icon of that name.
    Q_INVOKABLE bool hasThemeIcon(const QString &name) const;
    // The first of the names the icon theme has ("" when it has none): for
    // the folder model's iconNames, best first.
    Q_INVOKABLE QString themeIcon(const QStringList &names) const;
    // A name or path as a person reads it: bytes that are not UTF-8 as \xNN.
    Q_INVOKABLE QString displayName(const QString &name) const;
};
