#include "settings.h"

#include <QDebug>
#include <QFile>

namespace {
const QString SettingsFile = QStringLiteral("data/settings.json");
}

Settings::Settings(QObject *parent) : QObject(nullptr), m_jda(nullptr)
{
    Q_UNUSED(parent);
    sync();
    if (!QFile(SettingsFile).exists())
        saveToFile();
}

Settings::~Settings()
{
    saveToFile();
}

QStringList Settings::allKeys() const
{
    return m_settings.keys();
}

bool Settings::contains(const QString &key) const
{
    return m_settings.contains(key);
}

void Settings::clear()
{
    m_settings = QMap<QString, QVariant>();
    saveToFile();
}

QString Settings::fileName() const
{
    return SettingsFile;
}

int Settings::remove(const QString &key)
{
    return int(m_settings.remove(key));
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    qDebug() << "Settings::setValue ->" << key << ":" << value;
    m_settings.insert(key, value);
    saveToFile();
}

void Settings::sync()
{
    m_settings = m_jda.load(SettingsFile).toMap();
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue) const
{
    if (key.trimmed().isEmpty())
        return QVariant();
    const auto it = m_settings.constFind(key);
    if (it == m_settings.cend())
        return defaultValue;
    qDebug() << "Settings::value ->" << key << ":" << it.value();
    return it.value();
}

void Settings::saveToFile()
{
    m_jda.save(QVariant(m_settings), SettingsFile);
}
