// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settingsnotices.h"

#include <bb/data/JsonDataAccess>

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>

// Key/value settings kept in memory and mirrored to "data/settings.json".
// Published to the scene as "_settings". A file that exists but cannot be
// read is never replaced: the first write renames it (a link: the link
// itself) to "settings.json.unreadable-<date>". A link at settings.json whose
// target reads as settings is written through: the target gets the new
// content, replaced whole, and the link stays.
class Settings : public QObject
{
    Q_OBJECT
public:
    // parent is not used: the store has no owner.
    explicit Settings(QObject *parent);
    ~Settings() override;

    Q_INVOKABLE QStringList allKeys() const;
    Q_INVOKABLE bool contains(const QString &key) const;
    Q_INVOKABLE void clear();
    Q_INVOKABLE QString fileName() const;
    Q_INVOKABLE int remove(const QString &key);
    Q_INVOKABLE void setValue(const QString &key, const QVariant &value);
    Q_INVOKABLE void sync();
    Q_INVOKABLE QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;

    // Not offered to the scene as a method of this object: the shell hands
    // it over on its own.
    SettingsNotices *notices() const { return m_notices; }

private:
    // Writes the whole map; true when the file now holds it.
    bool saveToFile();
    bool keepAside();

    bb::data::JsonDataAccess m_jda;
    QMap<QString, QVariant> m_settings;
    SettingsNotices *m_notices;
    // The file there could not be read; it must not be written over.
    bool m_unreadable = false;
    // The map holds what the file does not (a removal, a failed write):
    // only then is it written at exit, so a hand edit made meanwhile stays.
    bool m_unsaved = false;
};
