#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <bb/data/JsonDataAccess>

// Key/value settings kept in memory and mirrored to "data/settings.json".
// Published to the scene as "_settings".
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

private:
    void saveToFile();

    bb::data::JsonDataAccess m_jda;
    QMap<QString, QVariant> m_settings;
};
