#include "jsondataaccess.h"

#include <QFile>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace bb::data {

QVariant JsonDataAccess::load(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QVariant();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return QVariant();
    return document.isObject() ? QVariant(document.object().toVariantMap())
                               : QVariant(document.array().toVariantList());
}

bool JsonDataAccess::save(const QVariant &value, const QString &filePath)
{
    const QJsonValue json = toJson(value);
    QByteArray text;
    if (json.isObject())
        text = QJsonDocument(json.toObject()).toJson();
    else if (json.isArray())
        text = QJsonDocument(json.toArray()).toJson();
    else
        return false;
    // Unbuffered, so that a short write shows here: with a buffer it shows
    // only when commit() flushes, and commit() ignores it and puts the
    // truncated text in place. On a full disk write() can also come back
    // short without an error.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
