// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop stand-in for the handset's JSON file accessor, on Qt's own JSON.
#pragma once

#include <QJsonValue>
#include <QObject>
#include <QString>
#include <QVariant>

namespace bb::data {

class JsonDataAccess : public QObject
{
    Q_OBJECT
public:
    // The most a file may hold to be read: settings, not a disk image.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    // Levels of arrays and objects the reader accepts, the top one included.
    static constexpr int MaxDepth = 1024;

    explicit JsonDataAccess(QObject *parent = nullptr) : QObject(parent) {}

    // The file's top-level value: a map for a JSON object, a list for an
    // array, an invalid variant for a missing, unreadable or invalid file.
    // Only a regular file of at most MaxFileSize bytes is read, and opening
    // it never waits (a pipe) nor acts on a device.
    QVariant load(const QString &filePath);

    // Writes a map as a JSON object (a list as an array), replacing the file
    // only once every byte is on disk, so a failed save leaves the earlier
    // file whole. Any other value is refused and nothing is written.
    bool save(const QVariant &value, const QString &filePath);

    // JSON for a value as QML hands it over, JavaScript arrays and objects
    // included; what JSON cannot hold (functions, undefined) becomes null.
    static QJsonValue toJson(const QVariant &value);

    // Why the last load or save failed; empty after one that worked.
    QString errorString() const { return m_error; }

private:
    QString m_error;
};

} // namespace bb::data
