// SPDX-License-Identifier: GPL-3.0-or-later
#include "jsondataaccess.h"

#include <QFile>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "regularfile.h"

#include <cerrno>
#include <unistd.h>

namespace bb::data {

QVariant JsonDataAccess::load(const QString &filePath)
{
    m_error.clear();
    const int fd = RegularFile::open(filePath);
    if (fd < 0) {
        m_error = fd == -ENXIO ? QStringLiteral("Not a regular file") : qt_error_string(-fd);
        return QVariant();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        m_error = file.errorString();
        return QVariant();
    }
    // One byte more than allowed tells a file that is too large (or grows).
    const QByteArray text = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return QVariant();
    }
    if (text.size() > MaxFileSize) {
        m_error = QStringLiteral("Larger than %1 bytes").arg(MaxFileSize);
        return QVariant();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        m_error = QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset);
        return QVariant();
    }
    return document.isObject() ? QVariant(document.object().toVariantMap())
                               : QVariant(document.array().toVariantList());
}

bool JsonDataAccess::save(const QVariant &value, const QString &filePath)
{
    m_error.clear();
    const QJsonValue json = toJson(value);
    if (!json.isObject() && !json.isArray()) {
        m_error = QStringLiteral("Neither a map nor a list");
        return false;
    }
    const QJsonDocument document =
        json.isObject() ? QJsonDocument(json.toObject()) : QJsonDocument(json.toArray());
    // Indented for a person to read, unless the indentation of deeply nested
    // values would make a file too large to be read back.
    QByteArray text = document.toJson(QJsonDocument::Indented);
    if (text.size() > MaxFileSize)
        text = document.toJson(QJsonDocument::Compact);
    if (text.size() > MaxFileSize) {
        m_error = QStringLiteral("Larger than %1 bytes").arg(MaxFileSize);
        return false;
    }
    // Unbuffered, so that a short write shows here: with a buffer it shows
    // only when commit() flushes, and commit() ignores it and puts the
    // truncated text in place. On a full disk write() can also come back
    // short without an error.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_error = file.errorString();
        return false;
    }
    if (file.write(text) != text.size()) {
        m_error = file.error() != QFileDevice::NoError ? file.errorString()
                                                       : QStringLiteral("No space left on device");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

QJsonValue JsonDataAccess::toJson(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>()) {
        const QVariant converted = value.value<QJSValue>().toVariant();
        // A function stays a QJSValue when converted; following it would
        // never end.
        if (converted.metaType() == QMetaType::fromType<QJSValue>())
            return QJsonValue(QJsonValue::Null);
        return toJson(converted);
    }
    switch (value.typeId()) {
    case QMetaType::QVariantMap: {
        QJsonObject object;
        const QVariantMap map = value.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            object.insert(it.key(), toJson(it.value()));
        return object;
    }
    case QMetaType::QVariantHash: {
        QJsonObject object;
        const QVariantHash hash = value.toHash();
        for (auto it = hash.cbegin(); it != hash.cend(); ++it)
            object.insert(it.key(), toJson(it.value()));
        return object;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        QJsonArray array;
        const QVariantList list = value.toList();
        for (const QVariant &item : list)
            array.append(toJson(item));
        return array;
    }
    default:
        return QJsonValue::fromVariant(value);
    }
}

} // namespace bb::data
