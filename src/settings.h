#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <bb/data/JsonDataAccess>

#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// What the store has to tell the person: a settings file it could not read,
// where that file was kept, a write that failed. Each may happen before the
// scene is there to listen, so the last of each is also kept as a property.
class SettingsNotices : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString unreadableReason READ unreadableReason NOTIFY unreadable)
    Q_PROPERTY(QString keptAsidePath READ keptAsidePath NOTIFY keptAside)
    Q_PROPERTY(QString writeFailure READ writeFailure NOTIFY writeFailed)
public:
    QString unreadableReason() const { return m_unreadableReason; }
    QString keptAsidePath() const { return m_keptAsidePath; }
    QString writeFailure() const { return m_writeFailure; }

    void reportUnreadable(const QString &reason);
    void reportKeptAside(const QString &path);
    void reportWriteFailure(const QString &reason);

    // One for the program, told by the store in use; a new store starts
    // it afresh.
    static SettingsNotices *shared();
    void clear();
    // For the scene.
    static SettingsNotices *create(QQmlEngine *, QJSEngine *);

private:
    // Not default-constructible, so that QML takes the shared one.
    SettingsNotices() = default;

Q_SIGNALS:
    // The file is there but holds no settings that can be read; it is kept
    // aside before the next write.
    void unreadable(const QString &reason);
    // The unreadable file now has this (absolute) name.
    void keptAside(const QString &path);
    // A change lives in memory only; it reaches the file with the next
    // write that works.
    void writeFailed(const QString &reason);

private:
    QString m_unreadableReason;
    QString m_keptAsidePath;
    QString m_writeFailure;
};

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
